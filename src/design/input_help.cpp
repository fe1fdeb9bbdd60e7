// Tooltip texts: the ranges Design Thickness questions come from the input check's table and are
// written as its messages write them; the other fields carry ranges usual at airfields, which
// nothing checks.
#include "design/input_help.h"

#include <array>

#include "basics/input_fields.h"
#include "design/input_check.h"
#include "design/slab_evaluation.h"
#include "io/number_text.h"

namespace korvant {
namespace {

enum class Check { Questioned, NumberOnly, None };

struct FieldHelp
{
    InputField field;
    const char* meaning; // the sentence's subject, with the symbol the window labels it with
    Check check;
    // The usual range of the fields that no check has a range for, English then Metric.
    std::array<const char*, 4> usual;
};

const std::array<FieldHelp, kInputFieldCount> kHelp = { {
    { InputField::E, "Elastic modulus of the concrete E", Check::Questioned, {} },
    { InputField::Sc, "Flexural strength of the concrete Sc (modulus of rupture)",
        Check::Questioned, {} },
    { InputField::k, "Modulus of subgrade reaction k on top of the subgrade", Check::Questioned,
        {} },
    { InputField::E2, "Elastic modulus of the bottom layer E", Check::NumberOnly, {} },
    { InputField::h2, "Thickness of the bottom layer h", Check::NumberOnly, {} },
    { InputField::SlabLength, "Slab length: the joint spacing along the traffic", Check::None,
        { "12.5", "25", "3.8", "7.6" } },
    { InputField::SlabWidth, "Slab width: the joint spacing across the traffic", Check::None,
        { "12.5", "25", "3.8", "7.6" } },
    { InputField::Precipitation, "Annual mean precipitation at the airfield", Check::None,
        { "5", "80", "130", "2000" } },
    { InputField::Temperature, "Annual mean air temperature at the airfield", Check::None,
        { "20", "80", "-7", "27" } },
    { InputField::WindSpeed, "Annual mean wind speed at the airfield", Check::None,
        { "3", "15", "1.3", "6.7" } },
} };

std::string Bound(float value)
{
    std::string text = SingleDisplayText(value);
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    return text;
}

} // namespace

std::string InputFieldTip(InputField field, UnitSystem units)
{
    const FieldHelp& help = kHelp[static_cast<std::size_t>(field)];
    const std::string unit = UnitIn(InputFieldInfoOf(field), units);
    const bool metric = units == UnitSystem::Metric;
    std::string tip = std::string(help.meaning) + ", in " + unit + ". ";
    if (help.check == Check::None) {
        const std::size_t first = metric ? 2 : 0;
        return tip + "Usually " + help.usual[first] + " to " + help.usual[first + 1] + " " + unit
            + "; no range is checked.";
    }
    const InputRange& range = InputRangeOf(field);
    tip += "Typical range " + Bound(metric ? range.metricMinimum : range.englishMinimum) + " to "
        + Bound(metric ? range.metricMaximum : range.englishMaximum) + " " + unit;
    return tip
        + (help.check == Check::Questioned
                ? "; Design Thickness questions a value outside it."
                : "; Design Thickness checks only that it is a number, not negative.");
}

std::string DesignThicknessTip(UnitSystem units)
{
    return std::string("Slab thickness found by Design Thickness, in ") + SlabThicknessUnit(units)
        + ": the thickness at which the fatigue damage of the mix over 20 years adds up to 1.";
}

std::string EvaluatedThicknessTip(UnitSystem units)
{
    return std::string("Slab thickness to evaluate, in ") + SlabThicknessUnit(units)
        + ". Evaluate designs first, then gives each aircraft's damage at this slab.";
}

std::string BondTip()
{
    return "Whether the slab is bonded to the bottom layer: bonded layers bend as one section, "
           "unbonded ones each on its own.";
}

} // namespace korvant
