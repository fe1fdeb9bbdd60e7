// The thickness design: bisection on the slab thickness until the 20-year fatigue damage of the
// traffic mix adds up to 1, with the edge-load, gear, slab-size, two-layer, wander and curling
// models at every trial.
#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include "design/design_model.h"

namespace korvant {

// A design stopped outside a model's domain; the message names the aircraft, the trial
// thickness where one applies, and what was wrong.
class DesignStopped : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The design's inputs in English units, from the ten field texts in a unit system (the model's
// own for the second form). Throws DesignStopped for a value beyond the range of numbers.
using FieldTexts = std::array<std::string, kInputFieldCount>;
DesignInputs ReadDesignInputs(const FieldTexts& fields, UnitSystem units);
DesignInputs ReadDesignInputs(const DesignModel& model);

// The bisection on the slab thickness over a basis: trials from 30 in until the 20-year damage
// of the mix is 1 within 0.001 at 4 in or more, or 19 trials have run. Throws DesignStopped.
DesignTrace BisectThickness(DesignBasis basis, UnitSystem units);

// Runs the design on the model: on success writes the result with its trace, the thickness
// caption `lbh`, `layerMode` (refined from the bond option) and the normalised aircraft texts.
// On failure throws DesignStopped and leaves the model exactly as it was.
void RunDesign(DesignModel& model);

} // namespace korvant
