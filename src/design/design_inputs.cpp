// The design's inputs in English units from the ten field texts: each text's leading number,
// converted from Metric with the factors of the unit switch.
#include "design/design_inputs.h"

#include <cmath>

#include "basics/unit_factors.h"
#include "io/number_text.h"
#include "io/quoted_text.h"

namespace korvant {
namespace {

constexpr double kPoissonRatio = 0.15;

double FieldNumber(const FieldTexts& fields, InputField field)
{
    const std::string& text = fields[static_cast<std::size_t>(field)];
    double value = NumberOfText(text);
    if (!std::isfinite(value))
        throw DesignStopped("The " + std::string(InputFieldInfoOf(field).meaning) + " "
            + QuotedText(text) + " exceeds the range of numbers.");
    return value;
}

} // namespace

DesignInputs ReadDesignInputs(const FieldTexts& fields, UnitSystem units)
{
    DesignInputs in;
    const double E = FieldNumber(fields, InputField::E);
    const double Sc = FieldNumber(fields, InputField::Sc);
    const double k = FieldNumber(fields, InputField::k);
    const double E2 = FieldNumber(fields, InputField::E2);
    const double h2 = FieldNumber(fields, InputField::h2);
    const double width = FieldNumber(fields, InputField::SlabWidth);
    const double length = FieldNumber(fields, InputField::SlabLength);
    const double wind = FieldNumber(fields, InputField::WindSpeed);
    const double precipitation = FieldNumber(fields, InputField::Precipitation);
    const double temperature = FieldNumber(fields, InputField::Temperature);
    in.mu = kPoissonRatio;
    if (units == UnitSystem::English) {
        in.E = E;
        in.Sc = Sc;
        in.k = k;
        in.E2 = E2;
        in.h2 = h2;
        in.slabWidth = width * kInchesPerFoot;
        in.slabLength = length * kInchesPerFoot;
        in.windSpeed = wind;
        in.precipitation = precipitation;
        in.temperature = temperature;
    } else {
        in.E = E / kKilopascalPerPsi;
        in.Sc = Sc / kKilopascalPerPsi;
        in.k = k / kKilopascalPerMmPerPci;
        in.E2 = E2 / kKilopascalPerPsi;
        in.h2 = h2 / kCentimetrePerInch;
        in.slabWidth = width * kCentimetrePerMetre / kCentimetrePerInch;
        in.slabLength = length * kCentimetrePerMetre / kCentimetrePerInch;
        in.windSpeed = wind / kMetrePerSecondPerMph;
        in.precipitation = precipitation / kMillimetrePerCentimetre / kCentimetrePerInch;
        in.temperature = temperature * 9 / 5 + 32;
    }
    return in;
}

DesignInputs ReadDesignInputs(const DesignModel& model)
{
    return ReadDesignInputs(model.fields, model.units);
}

} // namespace korvant
