// The sensitivity study: the design thickness with each varied input lowered and raised by a
// percentage of its value, one input at a time, sorted by how far the thickness moves.
#pragma once

#include <string>
#include <vector>

#include "design/design_trace.h"
#include "design/study_design.h"

namespace korvant {

inline constexpr double kDefaultSensitivityPercent = 10;
// Beyond this a lowered value comes near 0, which no input may be.
inline constexpr double kMostSensitivityPercent = 90;

struct SensitivityRow
{
    StudyInput input;
    double low = 0; // the lowered value in the session's units; a factor for the departures
    double high = 0;
    StudyOutcome lowOutcome;
    StudyOutcome highOutcome;
    // How far the thickness moves between the two, in inches or in a unit system's unit; rows
    // with a stopped design, or one beyond the 30 in searched, have none and come last.
    bool hasEffect() const
    {
        return lowOutcome.ok() && highOutcome.ok() && !lowOutcome.beyondSearch
            && !highOutcome.beyondSearch;
    }
    double effect(UnitSystem units = UnitSystem::English) const;
};

struct SensitivityResult
{
    double percent = 0;
    UnitSystem units = UnitSystem::English;
    StudyOutcome base;
    std::vector<SensitivityRow> rows; // largest effect first
};

// Runs the 2 x 9 designs on `threads` threads (0: one for each core). A percentage of 0 gives
// the base design in every row. Throws DesignStopped when the session's own design stops, and
// std::invalid_argument for a percentage outside 0 to kMostSensitivityPercent.
SensitivityResult RunSensitivityStudy(const DesignModel& model, double percent, int threads = 0);

// One row an input in the result's order (largest effect first): the input, its lowered and
// raised value, the thickness with each (in the session's units, as the design's caption shows
// it) and the effect. A design that stopped shows its message in place of its thickness, and
// its row has no effect ("-").
TraceTable SensitivityTable(const SensitivityResult& result);

// The table as CSV, with a last row for the base design.
std::string SensitivityCsv(const SensitivityResult& result);

} // namespace korvant
