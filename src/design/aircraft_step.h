// The aircraft step of the thickness design: every model of one aircraft at one slab thickness,
// combined into the design stress, the allowable coverages of the fatigue law and the damage of
// 20 years of departures; and the damage of the whole mix at one thickness. The design's
// bisection, its trace, the damage curve and the evaluation of a given slab all go through these
// functions, so that they cannot disagree by a single bit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/design_data.h"
#include "design/design_inputs.h"
#include "design/design_model.h"

namespace korvant {

// The years of departures the design counts.
inline constexpr double kDesignYears = 20;

// The English value that the design reads from an aircraft text: a metric value is divided by
// its factor and taken as its general number text, as the table conversion stores it.
double EnglishAircraftValue(const std::string& text, AircraftField field, UnitSystem units);

// Throws DesignStopped unless E, k and the slab length are greater than 0, which every design
// with aircraft in its mix needs.
void CheckDesignInputs(const DesignInputs& in);

// Reads the design's basis from a session: the inputs (ReadDesignInputs), layerMode refined from
// the bond option, and every aircraft of the mix. Throws DesignStopped for an aircraft value
// that is not a number, a thickness-free term outside its model's domain, or (with aircraft in
// the mix) an E, k or slab length that is not greater than 0.
DesignBasis ReadDesignBasis(const DesignModel& model);

// A trial slab and the terms of it that are the same for every aircraft: the radius of relative
// stiffness and the curling stress, each computed when the first aircraft needs it, so that a
// model outside its domain fails at the same point as it would for each aircraft alone.
struct TrialSlab
{
    float thickness = 0; // in
    std::optional<double> radiusOfStiffness;
    std::optional<float> curlingStress;
};

// The aircraft step on a trial slab. Where the fatigue law gives no number the step says so in
// its limit (unlimited coverages, a damage beyond the range of numbers, a design stress that is
// not positive). Throws DomainError when a model leaves its domain; `units` words the design
// stress of that message.
AircraftStep EvaluateAircraft(
    const DesignBasis& basis, const MixAircraft& aircraft, TrialSlab& slab, UnitSystem units);

// The damage of the whole mix at `thickness` (in): the sum over the mix, in mix order, of each
// damage ratio / 100, both the quotient and the sum rounded to 32 bits; +infinity (more than any
// number) when a ratio or the sum exceeds the 32-bit range or a design stress is not positive.
// `steps` receives one step per aircraft. A model outside its domain throws DesignStopped naming
// the aircraft and "at a <where> of <thickness>" in the session's units.
float MixDamage(const DesignBasis& basis, float thickness, UnitSystem units,
    std::vector<AircraftStep>& steps, const char* where = "trial thickness");

// The words that tables and messages use where the fatigue law gives no number: allowable
// coverages beyond the range of numbers, a damage beyond it, a design stress of zero or less.
inline constexpr const char* kUnlimitedText = "Unlimited";
inline constexpr const char* kBeyondAnyNumberText = "more than any number";
inline constexpr const char* kStressNotPositiveText = "design stress not positive";

// A total damage of a trial or a slab to `digits` significant digits, or the words for one that
// is more than any number.
std::string TotalDamageText(float totalDamage, int digits = 4);

// The words for a step's damage ratio where the fatigue law gives no number (a design stress not
// positive, a damage beyond the range of numbers); none for a number.
std::optional<std::string> DamageRatioWords(const AircraftStep& step);

// A step's damage ratio (%) under a display pattern ("0.00"), or the words of its limit.
std::string DamageRatioText(const AircraftStep& step, std::string_view pattern);

// A thickness in inches as the design's caption shows it in a unit system: "15.0" or "38.1";
// and as messages show it, with its unit: "15.0 in" or "38.1 cm".
std::string ThicknessCaption(float thickness, UnitSystem units);
std::string ThicknessText(float thickness, UnitSystem units);

} // namespace korvant
