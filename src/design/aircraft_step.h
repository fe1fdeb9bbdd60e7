// The aircraft step of the thickness design: every model of one aircraft at one slab thickness,
// combined into the design stress, the allowable coverages of the fatigue law and the damage of
// 20 years of departures; and the damage of the whole mix at one thickness. The design's
// bisection, its trace, the damage curve and the evaluation of a given slab all go through these
// functions, so that they cannot disagree by a single bit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "design/design_data.h"
#include "design/design_model.h"
#include "design/thickness_design.h"

namespace korvant {

// The years of departures the design counts.
inline constexpr double kDesignYears = 20;

// Reads the design's basis from a session: the inputs (ReadDesignInputs), layerMode refined from
// the bond option, and every aircraft of the mix. Throws DesignStopped for an aircraft value
// that is not a number, a thickness-free term outside its model's domain, or (with aircraft in
// the mix) an E, k or slab length that is not greater than 0.
DesignBasis ReadDesignBasis(const DesignModel& model);

// The aircraft step at `thickness` (in). Throws DomainError when a model leaves its domain;
// `units` words the design stress of that message.
AircraftStep EvaluateAircraft(
    const DesignBasis& basis, const MixAircraft& aircraft, float thickness, UnitSystem units);

// The damage of the whole mix at `thickness` (in): the sum over the mix, in mix order, of each
// damage ratio / 100, both the quotient and the sum rounded to 32 bits. `steps` receives one
// step per aircraft. A model outside its domain throws DesignStopped naming the aircraft and
// "at a <where> of <thickness>" in the session's units.
float MixDamage(const DesignBasis& basis, float thickness, UnitSystem units,
    std::vector<AircraftStep>& steps, const char* where = "trial thickness");

// A thickness in inches as messages show it in a unit system: "15.0 in" or "38.1 cm".
std::string ThicknessText(float thickness, UnitSystem units);

} // namespace korvant
