// The aircraft step: the models in their fixed order, the temperature differential
// 0.962 - 52.181 / h + 0.341 wind + 0.184 temperature - 0.00836 precipitation, the design stress
// F3 * 0.75 * (edge stress * gear factor * size-layer factor + curling stress * curl factor),
// the fatigue law Sc / sigma = 0.5569 + 0.2508 log10 C and the damage of 20 years of departures.
// All arithmetic is in 64 bits except where a value is rounded to 32 bits by name.
#include "design/aircraft_step.h"

#include <cmath>
#include <limits>

#include "basics/aircraft_fields.h"
#include "basics/unit_factors.h"

#include "basics/domain_error.h"
#include "engine/curl_factor_net.h"
#include "engine/curling_stress.h"
#include "engine/edge_stress.h"
#include "engine/gear_factor.h"
#include "engine/layer_factor.h"
#include "engine/pass_to_coverage.h"
#include "engine/slab_size_factor.h"
#include "engine/wander_factor.h"
#include "io/data_text.h"
#include "io/number_text.h"
#include "io/quoted_text.h"

namespace korvant {
namespace {

MixAircraft ReadMixAircraft(const DesignModel& model, int record)
{
    const AircraftRecord& source = model.database.record(record);
    MixAircraft aircraft;
    aircraft.record = record;
    aircraft.label = source.name.empty() ? "Aircraft " + std::to_string(record) : source.name;
    for (const AircraftFieldInfo& word : AircraftFields()) {
        if (word.field == AircraftField::name)
            continue;
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
        // These terms are independent of the slab thickness, so they are computed once.
        aircraft.contactRadius = ContactRadius(aircraft.grossWeight, aircraft.gearLoadPercent,
            aircraft.wheelCount, aircraft.tirePressure);
        aircraft.passToCoverage
            = CheckedF32(ComputePassToCoverage(aircraft.dualSpacing, aircraft.tireContactWidth),
                "the pass-to-coverage ratio");
        aircraft.wanderOffsets = WanderOffsetsOf(aircraft.tireContactWidth);
    } catch (const DomainError& error) {
        throw DesignStopped(aircraft.label + ": " + error.what());
    }
    return aircraft;
}

std::string StressText(double stress, UnitSystem units)
{
    if (units == UnitSystem::Metric)
        return FormatNumber(stress * kKilopascalPerPsi, "0.00") + " kPa";
    return FormatNumber(stress, "0.00") + " psi";
}

} // namespace

double EnglishAircraftValue(const std::string& text, AircraftField field, UnitSystem units)
{
    double value = NumberOfText(text);
    const double factor = AircraftFieldInfoOf(field).metricFactor;
    if (units == UnitSystem::Metric && factor != 0)
        value = value / factor;
    else if (IsGeneralNumberText(text))
        return value;
    return NumberOfText(GeneralNumberText(value));
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

DesignBasis ReadDesignBasis(const DesignModel& model)
{
    DesignBasis basis;
    basis.layerMode = model.layerMode == kOneLayer
        ? kOneLayer
        : (model.bondNo ? kTwoLayerUnbonded : kTwoLayerBonded);
    basis.inputs = ReadDesignInputs(model);
    for (int slot = 1; slot <= model.mix.count(); ++slot)
        basis.mix.push_back(ReadMixAircraft(model, model.mix.record(slot)));
    if (!basis.mix.empty())
        CheckDesignInputs(basis.inputs);
    return basis;
}

AircraftStep EvaluateAircraft(
    const DesignBasis& basis, const MixAircraft& aircraft, TrialSlab& slab, UnitSystem units)
{
    const DesignInputs& in = basis.inputs;
    AircraftStep out;
    const float thickness = slab.thickness;
    const double h = static_cast<double>(thickness);
    if (!slab.radiusOfStiffness)
        slab.radiusOfStiffness = RadiusOfStiffness(thickness, in.E, in.mu, in.k);
    const double l = *slab.radiusOfStiffness;
    const double a = aircraft.contactRadius;
    out.radiusOfStiffness = l;
    out.contactRadius = a;
    out.relA = a / l;
    out.relW = in.slabWidth / l;
    out.relL = in.slabLength / l;

    out.edgeStress = ComputeEdgeStress(
        thickness, l, a, in.E, in.mu, in.k, aircraft.grossWeight, aircraft.gearLoadPercent);
    out.gearFactor = ComputeGearFactor(
        a, l, aircraft.dualSpacing, aircraft.tandemSpacing, aircraft.wheelCount);
    out.slabSizeFactor = ComputeSlabSizeFactor(out.relA, out.relL, out.relW);
    out.layerFactor = ComputeLayerFactor(basis.layerMode, a, thickness, in.E, in.k, in.E2, in.h2);
    out.sizeLayerFactor = CheckedF32(out.layerFactor * static_cast<double>(out.slabSizeFactor),
        "the slab size and layer factor");
    // A wander beyond its fatigue relation, or a factor beyond the 32-bit range, means a stress
    // beyond the law: the slab fails at once. The rest of the step is still computed, so that a
    // model outside its domain stops the design as it would without it.
    bool beyondLaw = false;
    try {
        const double wanderFactor = ComputeWanderFactor(
            in.Sc, l, out.relA, out.edgeStress, aircraft.wanderOffsets, out.gearFactor);
        out.F3 = F32OrInfinity(wanderFactor);
        beyondLaw = out.F3 == std::numeric_limits<float>::infinity();
    } catch (const WanderBeyondFatigueLaw&) {
        beyondLaw = true;
        out.F3 = std::numeric_limits<float>::infinity();
    }
    out.passToCoverage = aircraft.passToCoverage;

    out.tempDifferential = 0.962 - 52.181 / h + 0.341 * in.windSpeed + 0.184 * in.temperature
        - 0.00836 * in.precipitation;
    const double tenToFive = std::pow(10.0, 5);
    const double loadTerm = ((aircraft.grossWeight * h) / in.k) / std::pow(l, 4) * tenToFive;
    const double weightTerm = ((0.087 * std::pow(h, 2)) / in.k) / std::pow(l, 2) * tenToFive;
    out.curlFactor = CurlFactorNet(
        out.relW, out.relL, 5.5 * out.tempDifferential, out.relA, loadTerm, weightTerm);
    if (!slab.curlingStress)
        slab.curlingStress = ComputeCurlingStress(in.E, 5.5 / std::pow(10.0, 6),
            out.tempDifferential, in.slabLength, thickness, in.k, in.mu);
    out.curlingStress = *slab.curlingStress;

    out.actualCoverages
        = aircraft.annualDepartures * kDesignYears / static_cast<double>(out.passToCoverage);
    if (beyondLaw) {
        out.designStress = std::numeric_limits<double>::infinity();
        out.allowableCoverages = 0;
        out.damageRatio = std::numeric_limits<float>::infinity();
        out.limit = StepLimit::DamageBeyondRange;
        return out;
    }
    out.designStress = static_cast<double>(out.F3) * 0.75
        * (out.edgeStress * out.gearFactor * static_cast<double>(out.sizeLayerFactor)
            + static_cast<double>(out.curlingStress) * static_cast<double>(out.curlFactor));
    const double exponent = (in.Sc / out.designStress - 0.5569) / 0.2508;
    out.allowableCoverages = std::pow(10.0, exponent);
    const bool lawGivesNumber = std::isfinite(out.allowableCoverages) && out.allowableCoverages > 0;
    const double damageRatio = out.actualCoverages / out.allowableCoverages * 100;
    const bool ratioInRange = FitsF32(damageRatio);
    if (!(out.designStress > 0) && !(lawGivesNumber && ratioInRange)) {
        // Outside the fatigue law, which gives a negative stress ever more damage: too thin.
        out.damageRatio = std::numeric_limits<float>::infinity();
        out.limit = StepLimit::StressNotPositive;
        return out;
    }
    if (out.allowableCoverages == std::numeric_limits<double>::infinity()) {
        // Coverages beyond the range of numbers at a positive stress: unlimited, no damage.
        out.damageRatio = f32(damageRatio);
        out.limit = StepLimit::UnlimitedCoverages;
        return out;
    }
    if (!lawGivesNumber)
        throw DomainError("the design stress is " + StressText(out.designStress, units)
            + ", so the allowable coverages exceed the range of numbers");
    if (!ratioInRange) {
        out.damageRatio = std::numeric_limits<float>::infinity();
        out.limit = StepLimit::DamageBeyondRange;
        return out;
    }
    out.damageRatio = f32(damageRatio);
    return out;
}

float MixDamage(const DesignBasis& basis, float thickness, UnitSystem units,
    std::vector<AircraftStep>& steps, const char* where)
{
    steps.resize(basis.mix.size());
    TrialSlab slab { thickness, {}, {} };
    float totalDamage = 0;
    for (std::size_t i = 0; i < basis.mix.size(); ++i) {
        const MixAircraft& aircraft = basis.mix[i];
        try {
            steps[i] = EvaluateAircraft(basis, aircraft, slab, units);
            // A sum beyond the 32-bit range, or not a number (infinities of both signs), is more
            // than any number, as a ratio beyond the range is.
            const double sum = static_cast<double>(totalDamage)
                + static_cast<double>(f32(static_cast<double>(steps[i].damageRatio) / 100));
            totalDamage = FitsF32(sum) ? f32(sum) : std::numeric_limits<float>::infinity();
        } catch (const DomainError& error) {
            throw DesignStopped(aircraft.label + " at a " + where + " of "
                + ThicknessText(thickness, units) + ": " + error.what());
        }
    }
    return totalDamage;
}

std::string TotalDamageText(float totalDamage, int digits)
{
    if (std::isinf(totalDamage))
        return kBeyondAnyNumberText;
    return SignificantText(static_cast<double>(totalDamage), digits);
}

std::optional<std::string> DamageRatioWords(const AircraftStep& step)
{
    if (step.limit == StepLimit::StressNotPositive)
        return kStressNotPositiveText;
    if (std::isinf(step.damageRatio))
        return kBeyondAnyNumberText;
    return std::nullopt;
}

std::string DamageRatioText(const AircraftStep& step, std::string_view pattern)
{
    if (std::optional<std::string> words = DamageRatioWords(step))
        return *words;
    return FormatSingle(step.damageRatio, pattern);
}

std::string ThicknessCaption(float thickness, UnitSystem units)
{
    if (units == UnitSystem::Metric)
        return FormatNumber(static_cast<double>(thickness) * kCentimetrePerInch, "0.0");
    return FormatSingle(thickness, "0.0");
}

std::string ThicknessText(float thickness, UnitSystem units)
{
    return ThicknessCaption(thickness, units) + (units == UnitSystem::Metric ? " cm" : " in");
}

} // namespace korvant
