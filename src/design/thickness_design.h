// The thickness design: bisection on the slab thickness until the 20-year fatigue damage of the
// traffic mix adds up to 1, with the edge-load, gear, slab-size, two-layer, wander and curling
// models at every trial.
#pragma once

#include "design/design_inputs.h"
#include "design/design_model.h"

namespace korvant {

// The bisection on the slab thickness over a basis: trials from 30 in until the 20-year damage
// of the mix is 1 within 0.001 at 4 in or more, or 19 trials have run. Throws DesignStopped.
DesignTrace BisectThickness(DesignBasis basis, UnitSystem units);

// Runs the design on the model: on success writes the result with its trace, the thickness
// caption `lbh`, `layerMode` (refined from the bond option) and the normalised aircraft texts.
// On failure throws DesignStopped and leaves the model exactly as it was.
void RunDesign(DesignModel& model);

} // namespace korvant
