// The sensitivity study: the design thickness with each varied input lowered and raised by a
// percentage of its value, one input at a time, sorted by how far the thickness moves.
#pragma once

#include <string>
#include <vector>

#include "design/study_design.h"

namespace korvant {

inline constexpr double kDefaultSensitivityPercent = 10;

struct SensitivityRow
{
    StudyInput input;
    double low = 0; // the lowered value in the session's units; a factor for the departures
    double high = 0;
    StudyOutcome lowOutcome;
    StudyOutcome highOutcome;
    // How far the thickness moves between the two, in inches; rows with a stopped design have
    // none and come last.
    bool hasEffect() const { return lowOutcome.ok() && highOutcome.ok(); }
    double effect() const;
};

struct SensitivityResult
{
    double percent = 0;
    UnitSystem units = UnitSystem::English;
    StudyOutcome base;
    std::vector<SensitivityRow> rows; // largest effect first
};

// Runs the 2 x 9 designs on `threads` threads (0: one for each core). A percentage of 0 gives
// the base design in every row. Throws DesignStopped when the session's own design stops.
SensitivityResult RunSensitivityStudy(const DesignModel& model, double percent, int threads = 0);

// The study as CSV: one row an input with its two values, thicknesses (in the session's units,
// as the design's caption shows them) and effect, or the message of a design that stopped.
std::string SensitivityCsv(const SensitivityResult& result);

} // namespace korvant
