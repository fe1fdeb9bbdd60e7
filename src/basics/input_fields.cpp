// The table of the ten input fields.
#include "basics/input_fields.h"

namespace korvant {

const std::array<InputFieldInfo, kInputFieldCount>& InputFields()
{
    static const std::array<InputFieldInfo, kInputFieldCount> fields = { {
        { InputField::E, "TxtE", "elastic modulus of concrete", "4000000", "psi", "kPa" },
        { InputField::Sc, "TxtSc", "concrete flexural strength", "650", "psi", "kPa" },
        { InputField::k, "Txtk", "modulus of subgrade reaction", "200", "pci", "kPa/mm" },
        { InputField::E2, "TxtE2", "elastic modulus of the bottom layer", "50000", "psi", "kPa" },
        { InputField::h2, "txth2", "thickness of the bottom layer", "3", "in", "cm" },
        { InputField::SlabLength, "txtL", "slab length", "25", "ft", "m" },
        { InputField::SlabWidth, "txtW", "slab width", "25", "ft", "m" },
        { InputField::Precipitation, "TxtPrec", "annual mean precipitation", "38.7", "in", "mm" },
        { InputField::Temperature, "TxtTemp", "annual mean temperature", "52.3", "'F", "'C" },
        { InputField::WindSpeed, "TxtWind", "annual mean wind speed", "7.19", "mph", "m/sec" },
    } };
    return fields;
}

const InputFieldInfo& InputFieldInfoOf(InputField field)
{
    return InputFields()[static_cast<std::size_t>(field)];
}

} // namespace korvant
