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

#include "basics/aircraft_fields.h"
#include "basics/domain_error.h"
#include "design/aircraft_step.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr float kStartThickness = 30.0f;
constexpr float kMinimumThickness = 4.0f;
constexpr double kDamageTolerance = 0.001;
constexpr int kPassLimit = 20;

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
        for (const AircraftFieldInfo& unit : AircraftFields()) {
            if (unit.metricFactor == 0)
                continue;
            std::string& text = model.database.record(row).field(unit.field);
            if (IsGeneralNumberText(text))
                continue;
            const double value = NumberOfText(text);
            if (std::isfinite(value))
                text = GeneralNumberText(value);
        }
}

} // namespace korvant
