// One job on a thread of its own, for the runs the window starts and follows (ACRs, PCR,
// reliability study): the thread, the flag that tells the job has ended, the outcome kept until
// it is taken once, and the wait for the thread when the outcome is taken or the run dropped.
#pragma once

#include <atomic>
#include <thread>
#include <utility>

namespace korvant {

template <typename Outcome> class BackgroundRun
{
public:
    BackgroundRun() = default;
    // Waits for the thread. Declared after what the job works on, so that it is destroyed first.
    ~BackgroundRun() { join(); }
    BackgroundRun(const BackgroundRun&) = delete;
    BackgroundRun& operator=(const BackgroundRun&) = delete;

    // Starts `job` (noexcept, returning the Outcome) on its thread; once per run.
    template <typename Job> void start(Job job)
    {
        thread_ = std::thread([this, job = std::move(job)]() mutable {
            outcome_ = job();
            finished_ = true;
        });
    }

    // True once the job has ended and its outcome is ready.
    bool finished() const { return finished_; }

    // Waits for the thread, then hands over the outcome (once).
    Outcome take()
    {
        join();
        return std::move(outcome_);
    }

private:
    void join()
    {
        if (thread_.joinable())
            thread_.join();
    }

    Outcome outcome_ {};
    std::atomic<bool> finished_ { false };
    std::thread thread_;
};

} // namespace korvant
