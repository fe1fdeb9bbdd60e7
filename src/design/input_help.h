// The tooltips of the design view's inputs: what each field means, its unit and its typical range
// in the session's units, as Design Thickness checks it where it does.
#pragma once

#include <string>

#include "basics/input_fields.h"
#include "basics/unit_system.h"

namespace korvant {

// "Elastic modulus of concrete E, in psi. Typical range 500000 to 8000000 psi; Design Thickness
// questions a value outside it."
std::string InputFieldTip(InputField field, UnitSystem units);

// The slab thickness found by the design, and the thickness typed for an evaluation.
std::string DesignThicknessTip(UnitSystem units);
std::string EvaluatedThicknessTip(UnitSystem units);

// The bond option of a two-layer structure.
std::string BondTip();

} // namespace korvant
