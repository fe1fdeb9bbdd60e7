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
#include "design/slab_evaluation.h"
#include "io/data_text.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr int kPassLimit = 20;
constexpr double kScanStep = 0.05; // in, along the damage curve above a design

// Records the first aircraft whose design stress was not positive at a trial, and why.
void NoteStressNotPositive(DesignTrial& trial, const std::vector<AircraftStep>& steps)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const AircraftStep& step = steps[i];
        if (step.limit != StepLimit::StressNotPositive)
            continue;
        trial.stressNotPositive = static_cast<int>(i);
        trial.loadStressNotPositive
            = !(step.edgeStress * step.gearFactor * static_cast<double>(step.sizeLayerFactor) > 0);
        return;
    }
}

// How trials that did not converge ended; `anyNotPositive` tells whether some trial met a design
// stress of zero or less.
DesignEnd EndOf(const DesignTrace& trace, bool anyNotPositive)
{
    bool allTooThin = !trace.trials.empty();
    for (const DesignTrial& trial : trace.trials)
        allTooThin = allTooThin && trial.totalDamage > 1;
    if (allTooThin && trace.trials.back().stressNotPositive < 0)
        return DesignEnd::BeyondSearch;
    if (trace.thickness() < kMinimumThickness && !anyNotPositive)
        return DesignEnd::BelowMinimum;
    return DesignEnd::NotConverged;
}

// Two thicknesses (in) with their unit, written as the caption writes them or, where that does
// not tell them apart, to as many significant digits as it takes (up to 9).
std::pair<std::string, std::string> DistinctThicknessTexts(float a, float b, UnitSystem units)
{
    const std::string unit = std::string(" ") + SlabThicknessUnit(units);
    std::pair<std::string, std::string> texts { ThicknessText(a, units), ThicknessText(b, units) };
    for (int digits = 3; texts.first == texts.second && digits <= 9; ++digits)
        texts = { SignificantText(ShownThickness(a, units), digits) + unit,
            SignificantText(ShownThickness(b, units), digits) + unit };
    return texts;
}

// Why a design that met a design stress of zero or less found no thickness, and where the method
// still applies: the thickest such trial, and the thinnest trial above it with every design
// stress positive.
std::string StressNotPositiveMessage(const DesignTrace& trace, UnitSystem units)
{
    const DesignTrial* worst = nullptr;
    for (const DesignTrial& trial : trace.trials)
        if (trial.stressNotPositive >= 0 && (!worst || trial.thickness > worst->thickness))
            worst = &trial;
    const DesignTrial* applies = nullptr;
    for (const DesignTrial& trial : trace.trials)
        if (trial.stressNotPositive < 0 && trial.thickness > worst->thickness
            && (!applies || trial.thickness < applies->thickness))
            applies = &trial;
    const std::string& aircraft
        = trace.basis.mix[static_cast<std::size_t>(worst->stressNotPositive)].label;
    const auto [worstText, appliesText] = applies
        ? DistinctThicknessTexts(worst->thickness, applies->thickness, units)
        : std::pair(ThicknessText(worst->thickness, units), std::string());
    std::string message = "The design found no thickness: at a trial thickness of " + worstText
        + " the design stress of " + aircraft + " is not positive, because "
        + (worst->loadStressNotPositive
                ? "the bonded bottom layer puts the bottom of the slab in compression"
                : "the curling stress outweighs the load stress")
        + ", and the fatigue law holds for positive stresses only. ";
    if (applies)
        message += "The thinnest trial above it at which every design stress was positive, "
            + appliesText + ", has a total damage of " + TotalDamageText(applies->totalDamage)
            + ": the method applies from there up, where slabs can be evaluated.";
    else
        message += "No thicker trial had every design stress positive.";
    return message;
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

namespace {

std::string ShortThicknessText(float inches, UnitSystem units)
{
    return GeneralNumberText(ShownThickness(inches, units)) + " " + SlabThicknessUnit(units);
}

} // namespace

std::string SearchLimitText(UnitSystem units)
{
    return ShortThicknessText(kStartThickness, units);
}

std::string MinimumThicknessText(UnitSystem units)
{
    return ShortThicknessText(kMinimumThickness, units);
}

std::string BeyondSearchText(UnitSystem units)
{
    return "> " + SearchLimitText(units);
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
    bool anyNotPositive = false;
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
        DesignTrial& trial = trace.trials.emplace_back(
            DesignTrial { pass, thickness, totalDamage, lower, upper, -1, false });
        NoteStressNotPositive(trial, trace.steps);
        anyNotPositive = anyNotPositive || trial.stressNotPositive >= 0;
    }
    const bool converged = !(thickness < kMinimumThickness
        || std::fabs(static_cast<double>(totalDamage) - 1) >= kDamageTolerance);
    trace.end = converged ? DesignEnd::Converged : EndOf(trace, anyNotPositive);
    if (trace.end == DesignEnd::NotConverged && anyNotPositive)
        throw DesignStopped(StressNotPositiveMessage(trace, units));
    return trace;
}

std::optional<float> ThickerFailingSlab(const DesignTrace& trace, UnitSystem units)
{
    std::optional<float> failing;
    if (trace.empty())
        return failing;
    const double design = static_cast<double>(trace.thickness());
    std::vector<AircraftStep> steps;
    for (int i = 1;; ++i) {
        const double next = design + kScanStep * i;
        const float thickness
            = next < static_cast<double>(kStartThickness) ? f32(next) : kStartThickness;
        try {
            if (static_cast<double>(
                    MixDamage(trace.basis, thickness, units, steps, "slab thickness"))
                > 1 + kDamageTolerance)
                failing = thickness;
        } catch (const DesignStopped&) {
            // A thickness outside a model's domain says nothing about the damage there.
        }
        if (thickness >= kStartThickness)
            return failing;
    }
}

std::vector<std::string> DesignNotes(const DesignResult& result, UnitSystem units)
{
    std::vector<std::string> notes;
    const DesignTrace& trace = result.trace;
    if (trace.empty())
        return notes;
    if (trace.end == DesignEnd::BelowMinimum)
        notes.push_back("The thickness is below " + ThicknessText(kMinimumThickness, units)
            + ", where the procedure does not converge and its slab models were not fitted.");
    if (trace.end == DesignEnd::BeyondSearch)
        notes.push_back("The traffic needs more than the " + ThicknessText(kStartThickness, units)
            + " the procedure searches: even " + ThicknessText(kStartThickness, units)
            + " is too thin.");
    if (result.thickerFailing)
        notes.push_back("A thicker slab fails: at " + ThicknessText(*result.thickerFailing, units)
            + " the total damage is above 1, so this thickness is not the safe one.");
    return notes;
}

void RunDesign(DesignModel& model)
{
    DesignTrace trace = BisectThickness(ReadDesignBasis(model), model.units);
    const float thickness = trace.thickness();
    const std::optional<float> thickerFailing = trace.end == DesignEnd::BeyondSearch
        ? std::nullopt
        : ThickerFailingSlab(trace, model.units);

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
    result.thickerFailing = thickerFailing;
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
