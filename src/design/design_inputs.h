// The inputs of a design in English units as the design reads them from a session's field
// texts, and the failure that stops a design.
#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include "basics/input_fields.h"
#include "basics/unit_system.h"
#include "design/design_data.h"
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

} // namespace korvant
