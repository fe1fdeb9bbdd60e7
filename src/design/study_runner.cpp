// Hands out the designs of a study to its threads and gathers the first failure.
#include "design/study_runner.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace korvant {

int StudyThreads(int threads, int count)
{
    if (threads <= 0)
        threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return std::max(1, std::min(threads, count));
}

bool RunParallel(
    int count, int threads, const std::function<void(int)>& job, StudyProgress* progress)
{
    std::atomic<int> next { 0 };
    std::atomic<int> finished { 0 };
    std::atomic<bool> failed { false };
    std::exception_ptr failure;
    std::mutex failureMutex;
    auto work = [&] {
        for (;;) {
            if (failed || (progress && progress->cancelled))
                return;
            const int i = next++;
            if (i >= count)
                return;
            try {
                job(i);
            } catch (...) {
                const std::lock_guard lock(failureMutex);
                if (!failure)
                    failure = std::current_exception();
                failed = true;
                return;
            }
            ++finished;
            if (progress)
                ++progress->done;
        }
    };
    const int helpers = StudyThreads(threads, count) - 1;
    std::vector<std::thread> pool;
    pool.reserve(static_cast<std::size_t>(helpers));
    for (int t = 0; t < helpers; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& thread : pool)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
    return finished == count;
}

} // namespace korvant
