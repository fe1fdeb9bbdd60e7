// The ACRs of the ACR view and the PCR of the PCR panel on threads of their own, so that the
// window never waits for them: each run works on its own copies, keeps what it ended with until
// the window takes it, and waits for its thread when it is dropped. The ACR run counts the
// aircraft rated and can be cancelled between them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "design/acr.h"
#include "design/background_run.h"
#include "design/pcr.h"
#include "design/study_runner.h"

namespace korvant {

// What an ACR run ended with: a result per row in the order of its rows, or none when it was
// cancelled or failed; then `failure` holds the reason (empty for a cancelled run).
struct AcrOutcome
{
    std::vector<AcrResult> results;
    std::string failure;
};

class AcrRun
{
public:
    // Starts rating the rows at once, on `threads` threads (0: one per core).
    explicit AcrRun(std::vector<AcrRowInput> rows, int threads = 0);
    // Cancels a run still going and waits for its thread.
    ~AcrRun() { cancel(); }
    AcrRun(const AcrRun&) = delete;
    AcrRun& operator=(const AcrRun&) = delete;

    const std::vector<AcrRowInput>& rows() const { return rows_; }
    int count() const { return static_cast<int>(rows_.size()); }
    int done() const { return progress_.done; }
    void cancel() { progress_.cancelled = true; }
    bool cancelled() const { return progress_.cancelled; }
    bool finished() const { return background_.finished(); }
    // Waits for the thread, then hands over its outcome (once); nothing for a cancelled run.
    AcrOutcome take();

private:
    AcrOutcome run() noexcept;

    std::vector<AcrRowInput> rows_;
    int threads_;
    StudyProgress progress_;
    BackgroundRun<AcrOutcome> background_; // last: its thread ends before the rest goes
};

// What a PCR run ended with: the PCR, or why there is none.
struct PcrOutcome
{
    std::optional<PcrResult> result;
    std::string refusal;
};

class PcrRun
{
public:
    // Starts computing the PCR of a slab of `thickness` (in) carrying the basis's mix at once.
    PcrRun(DesignBasis basis, float thickness, UnitSystem units,
        std::optional<SubgradeCategory> category);
    // Dropping it waits for its thread: the PCR of a mix takes a second at most.
    PcrRun(const PcrRun&) = delete;
    PcrRun& operator=(const PcrRun&) = delete;

    const DesignBasis& basis() const { return basis_; }
    float thickness() const { return thickness_; }
    bool finished() const { return background_.finished(); }
    // Waits for the thread, then hands over its outcome (once).
    PcrOutcome take() { return background_.take(); }

private:
    PcrOutcome run() noexcept;

    DesignBasis basis_;
    float thickness_;
    UnitSystem units_;
    std::optional<SubgradeCategory> category_;
    BackgroundRun<PcrOutcome> background_; // last: its thread ends before the rest goes
};

} // namespace korvant
