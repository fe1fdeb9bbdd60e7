// The thickness design procedure. Every aircraft of the mix is evaluated at each trial thickness
// in a fixed order of models; the design stress gives allowable coverages by the fatigue law
// Sc / sigma = 0.5569 + 0.2508 log10 C, and the damage of 20 years of departures is summed.
// The design works on copies and commits them only when it has finished, so a failure leaves
// the model as it was.
#include "design/thickness_design.h"

#include <cmath>
#include <string>
#include <vector>

#include "engine/curl_factor_net.h"
#include "engine/curling_stress.h"
#include "engine/domain_error.h"
#include "engine/edge_stress.h"
#include "engine/gear_factor.h"
#include "engine/layer_factor.h"
#include "engine/pass_to_coverage.h"
#include "engine/slab_size_factor.h"
#include "engine/wander_factor.h"
#include "io/number_text.h"
#include "io/quoted_text.h"

namespace korvant {
namespace {

constexpr double kPoissonRatio = 0.15;
constexpr float kStartThickness = 30.0f;
constexpr float kMinimumThickness = 4.0f;
constexpr double kDamageTolerance = 0.001;
constexpr int kPassLimit = 20;
constexpr double kDesignYears = 20;

// Unit factors of the metric aircraft fields (kN, kPa, cm).
constexpr double kKilonewtonPerPound = 0.00445;
constexpr double kKilopascalPerPsi = 6.89;
constexpr double kCentimetrePerInch = 2.54;

// The unit-bearing aircraft fields and their metric factors.
struct ConvertedField
{
    AircraftField field;
    double metricFactor;
};
constexpr ConvertedField kConvertedFields[] = {
    { AircraftField::grossWeight, kKilonewtonPerPound },
    { AircraftField::tirePressure, kKilopascalPerPsi },
    { AircraftField::dualSpacing, kCentimetrePerInch },
    { AircraftField::tandemSpacing, kCentimetrePerInch },
    { AircraftField::tireContactWidth, kCentimetrePerInch },
};

struct FieldWord
{
    AircraftField field;
    const char* word;
};
constexpr FieldWord kAircraftFieldWords[] = {
    { AircraftField::grossWeight, "gross weight" },
    { AircraftField::annualDepartures, "annual departures" },
    { AircraftField::gearLoadPercent, "gear load percent" },
    { AircraftField::tirePressure, "tire pressure" },
    { AircraftField::wheelCount, "wheel count" },
    { AircraftField::dualSpacing, "dual spacing" },
    { AircraftField::tandemSpacing, "tandem spacing" },
    { AircraftField::tireContactWidth, "tire contact width" },
};

// One aircraft of the mix with its values in English units and its thickness-free terms.
struct MixAircraft
{
    int record = 0;
    std::string label;
    double grossWeight = 0, annualDepartures = 0, gearLoadPercent = 0, tirePressure = 0;
    double wheelCount = 0, dualSpacing = 0, tandemSpacing = 0, tireContactWidth = 0;
    double contactRadius = 0;
    float passToCoverage = 0;
};

double MetricFactor(AircraftField field)
{
    for (const ConvertedField& converted : kConvertedFields)
        if (converted.field == field)
            return converted.metricFactor;
    return 0;
}

double FieldNumber(const DesignModel& model, InputField field)
{
    const std::string& text = model.field(field);
    double value = NumberOfText(text);
    if (!std::isfinite(value))
        throw DesignStopped("The " + std::string(InputFieldInfoOf(field).meaning) + " "
            + QuotedText(text) + " exceeds the range of numbers.");
    return value;
}

// The English value that the design reads from an aircraft text: a metric value is divided by
// its factor and taken as its general number text, as the table conversion stores it.
double EnglishAircraftValue(const std::string& text, AircraftField field, UnitSystem units)
{
    double value = NumberOfText(text);
    double factor = MetricFactor(field);
    if (units == UnitSystem::Metric && factor != 0)
        value = value / factor;
    return NumberOfText(GeneralNumberText(value));
}

MixAircraft ReadMixAircraft(const DesignModel& model, int record)
{
    const AircraftRecord& source = model.database.record(record);
    MixAircraft aircraft;
    aircraft.record = record;
    aircraft.label = source.name.empty() ? "Aircraft " + std::to_string(record) : source.name;
    for (const FieldWord& word : kAircraftFieldWords) {
        const std::string& text = source.field(word.field);
        if (!IsNumberText(text) || !std::isfinite(NumberOfText(text)))
            throw DesignStopped(aircraft.label + ": the " + word.word + " " + QuotedText(text)
                + " is not a number.");
    }
    auto value = [&](AircraftField field) {
        return EnglishAircraftValue(source.field(field), field, model.units);
    };
    aircraft.grossWeight = value(AircraftField::grossWeight);
    aircraft.annualDepartures = value(AircraftField::annualDepartures);
    aircraft.gearLoadPercent = value(AircraftField::gearLoadPercent);
    aircraft.tirePressure = value(AircraftField::tirePressure);
    aircraft.wheelCount = value(AircraftField::wheelCount);
    aircraft.dualSpacing = value(AircraftField::dualSpacing);
    aircraft.tandemSpacing = value(AircraftField::tandemSpacing);
    aircraft.tireContactWidth = value(AircraftField::tireContactWidth);
    try {
        // Both terms are independent of the slab thickness, so they are computed once.
        aircraft.contactRadius = ContactRadius(aircraft.grossWeight, aircraft.gearLoadPercent,
            aircraft.wheelCount, aircraft.tirePressure);
        aircraft.passToCoverage
            = CheckedF32(ComputePassToCoverage(aircraft.dualSpacing, aircraft.tireContactWidth),
                "the pass-to-coverage ratio");
    } catch (const DomainError& error) {
        throw DesignStopped(aircraft.label + ": " + error.what());
    }
    return aircraft;
}

void CheckDesignInputs(const DesignInputs& in)
{
    if (!(in.E > 0))
        throw DesignStopped("The elastic modulus of concrete E must be greater than 0.");
    if (!(in.k > 0))
        throw DesignStopped("The modulus of subgrade reaction k must be greater than 0.");
    if (!(in.slabLength > 0))
        throw DesignStopped("The slab length must be greater than 0.");
}

std::string ThicknessText(float thickness, UnitSystem units)
{
    if (units == UnitSystem::Metric)
        return FormatNumber(static_cast<double>(thickness) * kCentimetrePerInch, "0.0") + " cm";
    return FormatSingle(thickness, "0.0") + " in";
}

std::string StressText(double stress, UnitSystem units)
{
    if (units == UnitSystem::Metric)
        return FormatNumber(stress * kKilopascalPerPsi, "0.00") + " kPa";
    return FormatNumber(stress, "0.00") + " psi";
}

// One aircraft at one trial thickness; returns its damage ratio in percent.
float EvaluateAircraft(const DesignInputs& in, std::int16_t layerMode, const MixAircraft& aircraft,
    float thickness, UnitSystem units, AircraftResult& out, float& curlingStress)
{
    const double h = static_cast<double>(thickness);
    const double l = RadiusOfStiffness(thickness, in.E, in.mu, in.k);
    const double a = aircraft.contactRadius;
    const double relA = a / l;
    const double relW = in.slabWidth / l;
    const double relL = in.slabLength / l;

    out.edgeStress = ComputeEdgeStress(thickness, in.E, in.mu, in.k, aircraft.grossWeight,
        aircraft.gearLoadPercent, aircraft.tirePressure, aircraft.wheelCount);
    out.gearFactor = ComputeGearFactor(
        a, l, aircraft.dualSpacing, aircraft.tandemSpacing, aircraft.wheelCount);
    const float slabSizeFactor = ComputeSlabSizeFactor(relA, relL, relW);
    const double layerFactor
        = ComputeLayerFactor(layerMode, a, thickness, in.E, in.k, in.E2, in.h2);
    out.sizeLayerFactor = CheckedF32(
        layerFactor * static_cast<double>(slabSizeFactor), "the slab size and layer factor");
    out.F3 = CheckedF32(ComputeWanderFactor(in.Sc, l, relA, out.edgeStress,
                            aircraft.tireContactWidth, out.gearFactor),
        "the wander factor");
    out.passToCoverage = aircraft.passToCoverage;

    const double tempDifferential = 0.962 - 52.181 / h + 0.341 * in.windSpeed
        + 0.184 * in.temperature - 0.00836 * in.precipitation;
    const double tenToFive = std::pow(10.0, 5);
    const double loadTerm = ((aircraft.grossWeight * h) / in.k) / std::pow(l, 4) * tenToFive;
    const double weightTerm = ((0.087 * std::pow(h, 2)) / in.k) / std::pow(l, 2) * tenToFive;
    out.curlFactor = CurlFactorNet(relW, relL, 5.5 * tempDifferential, relA, loadTerm, weightTerm);
    curlingStress = ComputeCurlingStress(
        in.E, 5.5 / std::pow(10.0, 6), tempDifferential, in.slabLength, thickness, in.k, in.mu);

    const double stress = static_cast<double>(out.F3) * 0.75
        * (out.edgeStress * out.gearFactor * static_cast<double>(out.sizeLayerFactor)
            + static_cast<double>(curlingStress) * static_cast<double>(out.curlFactor));
    const double exponent = (in.Sc / stress - 0.5569) / 0.2508;
    out.allowableCoverages = std::pow(10.0, exponent);
    if (!std::isfinite(out.allowableCoverages) || !(out.allowableCoverages > 0))
        throw DomainError("the design stress is " + StressText(stress, units)
            + ", so the allowable coverages exceed the range of numbers");
    const double coverages
        = aircraft.annualDepartures * kDesignYears / static_cast<double>(out.passToCoverage);
    out.damageRatio = CheckedF32(coverages / out.allowableCoverages * 100, "the damage ratio");
    out.fromLastDesign = true;
    return out.damageRatio;
}

} // namespace

DesignInputs ReadDesignInputs(const DesignModel& model)
{
    DesignInputs in;
    const double E = FieldNumber(model, InputField::E);
    const double Sc = FieldNumber(model, InputField::Sc);
    const double k = FieldNumber(model, InputField::k);
    const double E2 = FieldNumber(model, InputField::E2);
    const double h2 = FieldNumber(model, InputField::h2);
    const double width = FieldNumber(model, InputField::SlabWidth);
    const double length = FieldNumber(model, InputField::SlabLength);
    const double wind = FieldNumber(model, InputField::WindSpeed);
    const double precipitation = FieldNumber(model, InputField::Precipitation);
    const double temperature = FieldNumber(model, InputField::Temperature);
    in.mu = kPoissonRatio;
    if (model.units == UnitSystem::English) {
        in.E = E;
        in.Sc = Sc;
        in.k = k;
        in.E2 = E2;
        in.h2 = h2;
        in.slabWidth = width * 12;
        in.slabLength = length * 12;
        in.windSpeed = wind;
        in.precipitation = precipitation;
        in.temperature = temperature;
    } else {
        in.E = E / kKilopascalPerPsi;
        in.Sc = Sc / kKilopascalPerPsi;
        in.k = k / 0.271;
        in.E2 = E2 / kKilopascalPerPsi;
        in.h2 = h2 / kCentimetrePerInch;
        in.slabWidth = width * 100 / kCentimetrePerInch;
        in.slabLength = length * 100 / kCentimetrePerInch;
        in.windSpeed = wind / 0.447;
        in.precipitation = precipitation / 10 / kCentimetrePerInch;
        in.temperature = temperature * 9 / 5 + 32;
    }
    return in;
}

void RunDesign(DesignModel& model)
{
    const std::int16_t layerMode = model.layerMode == kOneLayer
        ? kOneLayer
        : (model.bondNo ? kTwoLayerUnbonded : kTwoLayerBonded);
    const DesignInputs in = ReadDesignInputs(model);

    std::vector<MixAircraft> mix;
    for (int slot = 1; slot <= model.mix.count(); ++slot)
        mix.push_back(ReadMixAircraft(model, model.mix.record(slot)));
    if (!mix.empty())
        CheckDesignInputs(in);

    DesignResult result = model.result;
    for (AircraftResult& row : result.aircraft)
        row.fromLastDesign = false;

    float thickness = kStartThickness;
    float totalDamage = 0;
    double lower = 0;
    double upper = 0;
    int pass = 0;
    while (thickness < kMinimumThickness
        || std::fabs(static_cast<double>(totalDamage) - 1) >= kDamageTolerance) {
        if (++pass >= kPassLimit)
            break;
        if (totalDamage > 1) {
            lower = static_cast<double>(thickness);
            thickness = f32((upper + static_cast<double>(thickness)) / 2);
        } else if (totalDamage < 1) {
            upper = static_cast<double>(thickness);
            thickness = f32((lower + static_cast<double>(thickness)) / 2);
        }
        totalDamage = 0;
        for (const MixAircraft& aircraft : mix) {
            float damageRatio = 0;
            try {
                damageRatio = EvaluateAircraft(in, layerMode, aircraft, thickness, model.units,
                    result.aircraft[static_cast<std::size_t>(aircraft.record)],
                    result.curlingStress);
                totalDamage = CheckedF32(static_cast<double>(totalDamage)
                        + static_cast<double>(f32(static_cast<double>(damageRatio) / 100)),
                    "the total damage");
            } catch (const DomainError& error) {
                throw DesignStopped(aircraft.label + " at a trial thickness of "
                    + ThicknessText(thickness, model.units) + ": " + error.what());
            }
        }
    }
    result.thickness = thickness;

    // Commit: nothing below can fail.
    model.result = result;
    model.layerMode = layerMode;
    model.lbh = model.units == UnitSystem::Metric
        ? FormatNumber(static_cast<double>(thickness) * kCentimetrePerInch, "0.0")
        : FormatSingle(thickness, "0.0");
    // The unit-bearing fields of every row are stored as the general text of their own number,
    // so that an empty field reads "0" and repeated designs never make a value drift.
    for (int row = 1; row <= AircraftDatabase::kMaxRecords; ++row)
        for (const ConvertedField& converted : kConvertedFields) {
            std::string& text = model.database.record(row).field(converted.field);
            const double value = NumberOfText(text);
            if (std::isfinite(value))
                text = GeneralNumberText(value);
        }
}

} // namespace korvant
