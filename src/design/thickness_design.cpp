// The thickness design procedure: bisection on the slab thickness, with every aircraft of the mix
// evaluated by the aircraft step at each trial, until the 20-year damage of the mix is 1 within
// 0.001 at 4 in or more, or 19 trials have run. Each trial is recorded in the design's trace.
// The design works on copies and commits them only when it has finished, so a failure leaves
// the model as it was.
#include "design/thickness_design.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "design/aircraft_step.h"
#include "engine/domain_error.h"
#include "io/number_text.h"
#include "io/quoted_text.h"
#include "io/units.h"

namespace korvant {
namespace {

constexpr double kPoissonRatio = 0.15;
constexpr float kStartThickness = 30.0f;
constexpr float kMinimumThickness = 4.0f;
constexpr double kDamageTolerance = 0.001;
constexpr int kPassLimit = 20;

constexpr double kKilopascalPerPsi = 6.89;
constexpr double kCentimetrePerInch = 2.54;

double FieldNumber(const FieldTexts& fields, InputField field)
{
    const std::string& text = fields[static_cast<std::size_t>(field)];
    double value = NumberOfText(text);
    if (!std::isfinite(value))
        throw DesignStopped("The " + std::string(InputFieldInfoOf(field).meaning) + " "
            + QuotedText(text) + " exceeds the range of numbers.");
    return value;
}

AircraftResult ResultOf(const AircraftStep& step)
{
    AircraftResult row;
    row.edgeStress = step.edgeStress;
    row.gearFactor = step.gearFactor;
    row.curlFactor = step.curlFactor;
    row.sizeLayerFactor = step.sizeLayerFactor;
    row.F3 = step.F3;
    row.passToCoverage = step.passToCoverage;
    row.allowableCoverages = step.allowableCoverages;
    row.damageRatio = step.damageRatio;
    row.fromLastDesign = true;
    return row;
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

DesignInputs ReadDesignInputs(const DesignModel& model)
{
    return ReadDesignInputs(model.fields, model.units);
}

DesignTrace BisectThickness(DesignBasis basis, UnitSystem units)
{
    DesignTrace trace;
    trace.basis = std::move(basis);
    trace.trials.reserve(kPassLimit);

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
        totalDamage = MixDamage(trace.basis, thickness, units, trace.steps);
        trace.trials.push_back({ pass, thickness, totalDamage, lower, upper });
    }
    trace.converged = !(thickness < kMinimumThickness
        || std::fabs(static_cast<double>(totalDamage) - 1) >= kDamageTolerance);
    return trace;
}

void RunDesign(DesignModel& model)
{
    DesignTrace trace = BisectThickness(ReadDesignBasis(model), model.units);
    const float thickness = trace.thickness();

    // Commit: nothing below can fail. Rows of aircraft outside the mix keep what an earlier
    // design left there, marked as not from this design.
    DesignResult& result = model.result;
    for (AircraftResult& row : result.aircraft)
        row.fromLastDesign = false;
    for (std::size_t i = 0; i < trace.steps.size(); ++i)
        result.aircraft[static_cast<std::size_t>(trace.basis.mix[i].record)]
            = ResultOf(trace.steps[i]);
    if (!trace.steps.empty())
        result.curlingStress = trace.steps.back().curlingStress;
    result.thickness = thickness;
    model.layerMode = trace.basis.layerMode;
    result.trace = std::move(trace);
    model.lbh = ThicknessCaption(thickness, model.units);
    // The unit-bearing fields of every row are stored as the general text of their own number,
    // so that an empty field reads "0" and repeated designs never make a value drift.
    for (int row = 1; row <= AircraftDatabase::kMaxRecords; ++row)
        for (const AircraftUnit& unit : AircraftUnits()) {
            std::string& text = model.database.record(row).field(unit.field);
            if (IsGeneralNumberText(text))
                continue;
            const double value = NumberOfText(text);
            if (std::isfinite(value))
                text = GeneralNumberText(value);
        }
}

} // namespace korvant
