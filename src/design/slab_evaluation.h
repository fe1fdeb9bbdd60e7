// Evaluation of a given slab: the damage of every aircraft of a design's mix and of the whole mix
// at a thickness that the user chooses, and the years of the mix's traffic that the slab carries
// before the damage reaches 1. It runs the design's own aircraft step.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "design/aircraft_step.h"

namespace korvant {

// A typed thickness that cannot be evaluated; what() is the whole message.
class EvaluationRefused : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct SlabEvaluation
{
    float thickness = 0; // in, as the design holds a trial thickness
    std::string thicknessText; // as the user gave it, with its unit: "14 in", "35.5 cm"
    std::vector<AircraftStep> steps; // one per aircraft of the basis, in mix order
    float totalDamage = 0; // sum of the damage ratios / 100, as a trial sums it; may be +inf
    // 20 / total damage: the years until the damage reaches 1 (0 when the damage is more than
    // any number: the slab fails at once); none when the slab takes none.
    std::optional<double> years;
};

// The thickness typed in the session's units (in, or cm in Metric) as the inches the design
// works in, rounded to 32 bits. Throws EvaluationRefused for a text that is not a number, a
// thickness that is not greater than 0 or one beyond the range of numbers.
float SlabThicknessOfText(std::string_view text, UnitSystem units);

// Evaluates the basis at `thickness` (in). A model outside its domain throws DesignStopped naming
// the aircraft and the slab thickness.
SlabEvaluation EvaluateSlab(const DesignBasis& basis, float thickness, UnitSystem units);

// The same for a typed thickness; `thicknessText` keeps the text as the user gave it.
SlabEvaluation EvaluateSlabText(const DesignBasis& basis, std::string_view text, UnitSystem units);

// "in" or "cm": the unit of a typed slab thickness.
const char* SlabThicknessUnit(UnitSystem units);

// A slab thickness in inches as a number in that unit; and a heading with that unit,
// "Thickness (cm)".
double ShownThickness(float inches, UnitSystem units);
std::string WithThicknessUnit(const std::string& heading, UnitSystem units);

// One row per aircraft for a table: its name and its damage ratio in percent ("12.34").
struct EvaluationRow
{
    std::string aircraft;
    std::string damageRatio;
};
std::vector<EvaluationRow> EvaluationRows(const DesignBasis& basis, const SlabEvaluation& result);

// "Total damage 0.8123, 24.62 years of traffic", "No damage: the slab carries the traffic for
// unlimited years" or "Total damage more than any number: the slab fails at once".
std::string EvaluationSummary(const SlabEvaluation& result);

// The evaluation as korvant-cli prints it: a heading with the thickness, one line per aircraft,
// the total damage and the years, each line ending in LF.
std::string EvaluationText(const DesignBasis& basis, const SlabEvaluation& result);

} // namespace korvant
