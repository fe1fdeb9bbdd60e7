// The ten input fields of a design session: their order, the object names the window and the
// input data files use for them, the words messages use, the English texts a session starts
// with and their units.
#pragma once

#include <array>

#include "basics/unit_system.h"

namespace korvant {

// The input fields in the order of their object names TxtE, TxtSc, Txtk, TxtE2, txth2, txtL,
// txtW, TxtPrec, TxtTemp, TxtWind.
enum class InputField : int {
    E,
    Sc,
    k,
    E2,
    h2,
    SlabLength,
    SlabWidth,
    Precipitation,
    Temperature,
    WindSpeed,
};
inline constexpr int kInputFieldCount = 10;

struct InputFieldInfo
{
    InputField field;
    const char* objectName; // the widget's name
    const char* meaning; // spoken by screen readers and used in messages
    const char* startText; // English text the window opens with
    const char* englishUnit; // as the window's unit captions write it
    const char* metricUnit;
};
const std::array<InputFieldInfo, kInputFieldCount>& InputFields();
const InputFieldInfo& InputFieldInfoOf(InputField field);

// The field's unit in a unit system ("psi" or "kPa").
inline const char* UnitIn(const InputFieldInfo& info, UnitSystem units)
{
    return units == UnitSystem::Metric ? info.metricUnit : info.englishUnit;
}

} // namespace korvant
