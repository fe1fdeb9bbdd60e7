// The reliability study on its own thread: started over copies, followed through its progress
// counter, cancelled through its flag, and its outcome taken once.
#include "design/reliability_run.h"

#include <exception>
#include <new>
#include <utility>

#include "design/window_texts.h"

namespace korvant {

ReliabilityRun::ReliabilityRun(DesignModel session, const ReliabilitySettings& settings)
    : session_(std::move(session))
    , settings_(settings)
{
    thread_ = std::thread([this] { run(); });
}

ReliabilityRun::~ReliabilityRun()
{
    cancel();
    if (thread_.joinable())
        thread_.join();
}

void ReliabilityRun::run() noexcept
{
    // Every failure, a study too large for the memory among them, ends as a message for the
    // window rather than in std::terminate on this thread.
    try {
        outcome_.result = RunReliabilityStudy(session_, settings_, &progress_);
    } catch (const std::bad_alloc&) {
        outcome_.failure = OutOfMemoryMessage("Reliability study").text;
    } catch (const std::exception& error) {
        outcome_.failure = error.what();
    }
    finished_ = true;
}

ReliabilityOutcome ReliabilityRun::take()
{
    if (thread_.joinable())
        thread_.join();
    if (cancelled())
        return {};
    return std::move(outcome_);
}

} // namespace korvant
