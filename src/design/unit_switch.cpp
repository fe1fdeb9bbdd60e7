// Unit switching of a session: every conversion runs left to right in double precision with the
// factors of the two systems; temperature, precipitation, wind speed and the thickness are shown
// with one decimal, everything else as its general number text.
#include "design/unit_switch.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "basics/program_info.h"
#include "basics/unit_factors.h"
#include "design/slab_evaluation.h"
#include "io/number_text.h"
#include "io/quoted_text.h"

namespace korvant {
namespace {

enum class Shown { General, OneDecimal };

struct FieldConversion
{
    InputField field;
    double (*toMetric)(double);
    double (*toEnglish)(double);
    Shown shown;
};

const FieldConversion kFieldConversions[] = {
    { InputField::E, [](double x) { return x * kKilopascalPerPsi; },
        [](double x) { return x / kKilopascalPerPsi; }, Shown::General },
    { InputField::Sc, [](double x) { return x * kKilopascalPerPsi; },
        [](double x) { return x / kKilopascalPerPsi; }, Shown::General },
    { InputField::k, [](double x) { return x * kKilopascalPerMmPerPci; },
        [](double x) { return x / kKilopascalPerMmPerPci; }, Shown::General },
    { InputField::E2, [](double x) { return x * kKilopascalPerPsi; },
        [](double x) { return x / kKilopascalPerPsi; }, Shown::General },
    { InputField::h2, [](double x) { return x * kCentimetrePerInch; },
        [](double x) { return x / kCentimetrePerInch; }, Shown::General },
    { InputField::SlabLength,
        [](double x) { return x * kInchesPerFoot * kCentimetrePerInch / kCentimetrePerMetre; },
        [](double x) { return x * kCentimetrePerMetre / kInchesPerFoot / kCentimetrePerInch; },
        Shown::General },
    { InputField::SlabWidth,
        [](double x) { return x * kInchesPerFoot * kCentimetrePerInch / kCentimetrePerMetre; },
        [](double x) { return x * kCentimetrePerMetre / kInchesPerFoot / kCentimetrePerInch; },
        Shown::General },
    { InputField::Precipitation, [](double x) { return x * kMillimetrePerInch; },
        [](double x) { return x / kMillimetrePerInch; }, Shown::OneDecimal },
    { InputField::Temperature, [](double x) { return (x - 32) * 5 / 9; },
        [](double x) { return x * 9 / 5 + 32; }, Shown::OneDecimal },
    { InputField::WindSpeed, [](double x) { return x * kMetrePerSecondPerMph; },
        [](double x) { return x / kMetrePerSecondPerMph; }, Shown::OneDecimal },
};

// The caption of an input field, with that field's units.
UnitCaption FieldCaption(const char* objectName, InputField field)
{
    const InputFieldInfo& info = InputFieldInfoOf(field);
    return { objectName, info.englishUnit, info.metricUnit };
}

// The conversion of the bottom layer's thickness, in and cm, which every thickness shares.
const FieldConversion& ThicknessConversion()
{
    return *std::find_if(std::begin(kFieldConversions), std::end(kFieldConversions),
        [](const FieldConversion& conversion) { return conversion.field == InputField::h2; });
}

// Why a value could not be converted: it was read as infinite, or its conversion overflowed.
std::string OutOfRange(double value)
{
    return std::isfinite(value) ? "is too large to be converted" : "is beyond the range of numbers";
}

std::string ShownText(double value, Shown shown)
{
    return shown == Shown::OneDecimal ? FormatNumber(value, "0.0") : GeneralNumberText(value);
}

} // namespace

const std::array<UnitCaption, 11>& UnitCaptions()
{
    static const std::array<UnitCaption, 11> captions = {
        FieldCaption("LbunitE", InputField::E),
        FieldCaption("LbunitSc", InputField::Sc),
        FieldCaption("Lbunitk", InputField::k),
        UnitCaption { "Lbunith", SlabThicknessUnit(UnitSystem::English),
            SlabThicknessUnit(UnitSystem::Metric) },
        FieldCaption("lbUnitE2", InputField::E2),
        FieldCaption("lbunith2", InputField::h2),
        FieldCaption("lbunitW", InputField::SlabWidth),
        FieldCaption("LbunitL", InputField::SlabLength),
        FieldCaption("lbunitprec", InputField::Precipitation),
        FieldCaption("lbunittemp", InputField::Temperature),
        FieldCaption("lbunitwind", InputField::WindSpeed),
    };
    return captions;
}

const char* CaptionText(const UnitCaption& caption, UnitSystem units)
{
    return units == UnitSystem::Metric ? caption.metric : caption.english;
}

std::string GridUnitCaption(AircraftField field, UnitSystem units)
{
    return UnitIn(AircraftFieldInfoOf(field), units);
}

double ConvertedAircraftValue(
    AircraftField field, std::string_view text, UnitSystem from, UnitSystem to)
{
    const double value = NumberOfText(text);
    const double factor = AircraftFieldInfoOf(field).metricFactor;
    if (from == to || factor == 0)
        return value;
    return to == UnitSystem::Metric ? value * factor : value / factor;
}

std::string ConvertedThicknessText(const std::string& text, UnitSystem from, UnitSystem to)
{
    if (from == to || !IsNumberText(text))
        return text;
    const double value = NumberOfText(text);
    const double converted = to == UnitSystem::Metric ? ThicknessConversion().toMetric(value)
                                                      : ThicknessConversion().toEnglish(value);
    return std::isfinite(converted) ? GeneralNumberText(converted) : text;
}

void ConvertAircraftTable(AircraftDatabase& database, UnitSystem from, UnitSystem to)
{
    if (from == to)
        return;
    // Converted into a copy, so that a refused value leaves every row as it was.
    AircraftDatabase converted = database;
    for (int row = 1; row <= AircraftDatabase::kMaxRecords; ++row)
        for (const AircraftFieldInfo& conversion : AircraftFields()) {
            if (conversion.metricFactor == 0)
                continue;
            std::string& text = converted.record(row).field(conversion.field);
            const double result = ConvertedAircraftValue(conversion.field, text, from, to);
            if (!std::isfinite(result))
                throw UnitSwitchRefused(std::string(conversion.word) + " " + QuotedText(text)
                    + " of aircraft record " + std::to_string(row) + " ("
                    + database.record(row).name + ") " + OutOfRange(NumberOfText(text)));
            text = GeneralNumberText(result);
        }
    database = std::move(converted);
}

std::array<std::string, kInputFieldCount> ConvertFields(
    const std::array<std::string, kInputFieldCount>& fields, UnitSystem from, UnitSystem to)
{
    if (from == to)
        return fields;
    const bool toMetric = to == UnitSystem::Metric;
    std::array<std::string, kInputFieldCount> converted;
    for (const FieldConversion& conversion : kFieldConversions) {
        const auto index = static_cast<std::size_t>(conversion.field);
        const std::string& text = fields[index];
        const std::string subject
            = std::string(InputFieldInfoOf(conversion.field).meaning) + " " + QuotedText(text);
        if (!IsNumberText(text))
            throw UnitSwitchRefused(subject + " is not a number");
        const double value = NumberOfText(text);
        const double result = toMetric ? conversion.toMetric(value) : conversion.toEnglish(value);
        if (!std::isfinite(result))
            throw UnitSwitchRefused(subject + " " + OutOfRange(value));
        converted[index] = ShownText(result, conversion.shown);
    }
    return converted;
}

void SwitchUnits(DesignModel& model, UnitSystem target)
{
    if (model.units == target)
        return;
    std::array<std::string, kInputFieldCount> fields
        = ConvertFields(model.fields, model.units, target);
    std::string lbh;
    if (!model.lbh.empty()) {
        const double thickness = NumberOfText(model.lbh);
        lbh = FormatNumber(target == UnitSystem::Metric ? thickness * kCentimetrePerInch
                                                        : thickness / kCentimetrePerInch,
            "0.0");
    }
    // The table is the last step that can refuse; it changes nothing when it does.
    ConvertAircraftTable(model.database, model.units, target);
    model.fields = std::move(fields);
    model.lbh = std::move(lbh);
    model.units = target;
}

bool ChooseUnitSystem(DesignModel& model, UnitSystem target, Prompter& prompter)
{
    if (model.units == target)
        return false;
    prompter.ask(
        { target == UnitSystem::Metric ? "Metric System Selected" : "English System Selected",
            kProgramName, Buttons::Ok, Icon::Information });
    try {
        SwitchUnits(model, target);
    } catch (const UnitSwitchRefused& refused) {
        prompter.ask({ refused.what(), kProgramName, Buttons::Ok, Icon::Warning });
        return false;
    }
    return true;
}

} // namespace korvant
