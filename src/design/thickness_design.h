// The thickness design: bisection on the slab thickness until the 20-year fatigue damage of the
// traffic mix adds up to 1, with the edge-load, gear, slab-size, two-layer, wander and curling
// models at every trial.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "design/design_inputs.h"
#include "design/design_model.h"

namespace korvant {

// The procedure's search: its first trial and thickest slab, the thinnest slab at which it
// converges, and how near 1 the damage of a converged design lies.
inline constexpr float kStartThickness = 30.0f; // in
inline constexpr float kMinimumThickness = 4.0f; // in
inline constexpr double kDamageTolerance = 0.001;

// "30 in" or "76.2 cm": the thickest slab the design searches, in the session's unit.
std::string SearchLimitText(UnitSystem units);

// "4 in" or "10.16 cm": the thinnest slab at which the design converges, in the session's unit.
std::string MinimumThicknessText(UnitSystem units);

// "> 30 in" or "> 76.2 cm": a thickness beyond the search.
std::string BeyondSearchText(UnitSystem units);

// The bisection on the slab thickness over a basis: trials from 30 in until the 20-year damage
// of the mix is 1 within 0.001 at 4 in or more, or 19 trials have run. A trial whose damage is
// more than any number counts as too thin. The trace says how the trials ended. Throws
// DesignStopped for a model outside its domain, and when trials met a design stress of zero or
// less and the trials ended without a thickness (the message says where the method applies).
DesignTrace BisectThickness(DesignBasis basis, UnitSystem units);

// The thickest slab from the trace's thickness up to 30 in, every 0.05 in, whose total damage
// exceeds 1.001; none when there is none.
std::optional<float> ThickerFailingSlab(const DesignTrace& trace, UnitSystem units);

// What the engineer must know beside a design's thickness, in the session's units: that it lies
// below the 4 in where the procedure converges and its models were fitted, that the traffic
// needs more than the 30 in it searches, or that a thicker slab fails. Empty for a sound design.
std::vector<std::string> DesignNotes(const DesignResult& result, UnitSystem units);

// Runs the design on the model: on success writes the result with its trace, the thickness
// caption `lbh`, `layerMode` (refined from the bond option) and the normalised aircraft texts.
// On failure throws DesignStopped and leaves the model exactly as it was.
void RunDesign(DesignModel& model);

} // namespace korvant
