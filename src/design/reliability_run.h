// The reliability study on a thread of its own, so that the window stays responsive while
// thousands of designs run: the run works on its own copy of the session and the settings,
// counts the designs done, stops early when cancelled and keeps what it ended with until the
// window takes it.
#pragma once

#include <optional>
#include <string>

#include "design/background_run.h"
#include "design/design_model.h"
#include "design/reliability_study.h"
#include "design/study_runner.h"

namespace korvant {

// What a run ended with: its result, or none when it was cancelled or could not run; then
// `failure` holds the reason (empty for a cancelled run).
struct ReliabilityOutcome
{
    std::optional<ReliabilityResult> result;
    std::string failure;
};

class ReliabilityRun
{
public:
    // Starts the study at once.
    ReliabilityRun(DesignModel session, const ReliabilitySettings& settings);
    // Cancels a run still going and waits for its thread.
    ~ReliabilityRun() { cancel(); }
    ReliabilityRun(const ReliabilityRun&) = delete;
    ReliabilityRun& operator=(const ReliabilityRun&) = delete;

    int samples() const { return settings_.samples; }
    int done() const { return progress_.done; }
    // Asks the study to stop after the designs already under way.
    void cancel() { progress_.cancelled = true; }
    bool cancelled() const { return progress_.cancelled; }
    // True once the thread has ended and its outcome is ready.
    bool finished() const { return background_.finished(); }
    // Waits for the thread, then hands over its outcome (once). A cancelled run gives neither a
    // result nor a failure, even when its last design ended before the cancel came.
    ReliabilityOutcome take();

private:
    ReliabilityOutcome run() noexcept;

    DesignModel session_;
    ReliabilitySettings settings_;
    StudyProgress progress_;
    BackgroundRun<ReliabilityOutcome> background_; // last: its thread ends before the rest goes
};

} // namespace korvant
