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
    background_.start([this] { return run(); });
}

ReliabilityOutcome ReliabilityRun::run() noexcept
{
    // Every failure, a study too large for the memory among them, ends as a message for the
    // window rather than in std::terminate on this thread.
    ReliabilityOutcome outcome;
    try {
        outcome.result = RunReliabilityStudy(session_, settings_, &progress_);
    } catch (const std::bad_alloc&) {
        outcome.failure = OutOfMemoryMessage("Reliability study").text;
    } catch (const std::exception& error) {
        outcome.failure = error.what();
    }
    return outcome;
}

ReliabilityOutcome ReliabilityRun::take()
{
    ReliabilityOutcome outcome = background_.take();
    if (cancelled())
        return {};
    return outcome;
}

} // namespace korvant
