// The damage curve samples the thickness evenly and adds every trial of the bisection, so that
// the trials lie on the curve; each point is one call of the design's mix damage. The shares are
// the damage ratios of the last trial over their sum.
#include "design/damage_chart.h"

#include <algorithm>
#include <cmath>

#include "basics/domain_error.h"
#include "design/slab_evaluation.h"
#include "design/thickness_design.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr float kThinnest = kMinimumThickness; // the thickness axis
constexpr float kThickest = kStartThickness;
constexpr double kLowestDamage = 1e-6; // the damage axis spans at most these decades
constexpr double kHighestDamage = 1e6;

bool OnAxis(float thickness)
{
    return thickness >= kThinnest && thickness <= kThickest;
}

} // namespace

DamageCurve DamageCurveOf(const DesignTrace& trace, UnitSystem units, int samples)
{
    DamageCurve chart;
    chart.unit = SlabThicknessUnit(units);
    chart.thicknessMin = ShownThickness(kThinnest, units);
    chart.thicknessMax = ShownThickness(kThickest, units);
    chart.thicknessStep = units == UnitSystem::Metric ? 10 : 2;
    chart.damageMin = 0.1;
    chart.damageMax = 10;
    if (trace.empty())
        return chart;

    std::vector<float> thicknesses;
    const int count = std::max(samples, 2);
    thicknesses.reserve(static_cast<std::size_t>(count) + trace.trials.size());
    for (int i = 0; i < count; ++i)
        thicknesses.push_back(f32(static_cast<double>(kThinnest)
            + static_cast<double>(kThickest - kThinnest) * i / (count - 1)));
    for (const DesignTrial& trial : trace.trials)
        if (OnAxis(trial.thickness))
            thicknesses.push_back(trial.thickness);
    std::sort(thicknesses.begin(), thicknesses.end());
    thicknesses.erase(std::unique(thicknesses.begin(), thicknesses.end()), thicknesses.end());

    int failed = 0;
    int zero = 0;
    int beyond = 0;
    std::string firstFailure;
    std::vector<AircraftStep> steps;
    for (const float thickness : thicknesses) {
        float damage = 0;
        try {
            damage = MixDamage(trace.basis, thickness, units, steps, "slab thickness");
        } catch (const DesignStopped& stopped) {
            if (failed++ == 0)
                firstFailure = stopped.what();
            continue;
        }
        if (std::isinf(damage))
            ++beyond;
        else if (damage > 0)
            chart.curve.push_back(
                { ShownThickness(thickness, units), static_cast<double>(damage) });
        else
            ++zero;
    }
    for (const DesignTrial& trial : trace.trials)
        if (OnAxis(trial.thickness) && trial.totalDamage > 0 && !std::isinf(trial.totalDamage))
            chart.trials.push_back(
                { ShownThickness(trial.thickness, units), static_cast<double>(trial.totalDamage) });
    const DesignTrial& last = trace.trials.back();
    if (OnAxis(last.thickness) && last.totalDamage > 0 && !std::isinf(last.totalDamage))
        chart.design = ChartPoint { ShownThickness(last.thickness, units),
            static_cast<double>(last.totalDamage) };

    if (failed > 0)
        chart.note = "The mix cannot be evaluated at " + std::to_string(failed)
            + (failed == 1 ? " thickness" : " thicknesses") + " of the curve: " + firstFailure;
    if (beyond > 0)
        chart.note += std::string(chart.note.empty() ? "" : " ") + "The total damage is "
            + kBeyondAnyNumberText + " at " + std::to_string(beyond)
            + (beyond == 1 ? " thickness" : " thicknesses")
            + ", where the slab fails at once; the chart cannot show it.";
    if (zero > 0)
        chart.note += std::string(chart.note.empty() ? "" : " ") + "A total damage of 0 at "
            + std::to_string(zero) + (zero == 1 ? " thickness" : " thicknesses")
            + " cannot be shown on the logarithmic axis.";

    double lowest = 0;
    double highest = 0;
    for (const auto* points : { &chart.curve, &chart.trials })
        for (const ChartPoint& point : *points) {
            lowest = lowest == 0 ? point.damage : std::min(lowest, point.damage);
            highest = std::max(highest, point.damage);
        }
    if (highest > 0) {
        chart.damageMin = std::pow(10.0, std::floor(std::log10(lowest)));
        chart.damageMax = std::pow(10.0, std::ceil(std::log10(highest)));
        if (chart.damageMax > kLowestDamage)
            chart.damageMin = std::max(chart.damageMin, kLowestDamage);
        if (chart.damageMin < kHighestDamage)
            chart.damageMax = std::min(chart.damageMax, kHighestDamage);
        if (chart.damageMax <= chart.damageMin) {
            chart.damageMin /= 10;
            chart.damageMax *= 10;
        }
    }
    return chart;
}

DamageCurve DamageCurveOf(const DesignResult& result, UnitSystem units)
{
    DamageCurve chart = DamageCurveOf(result.trace, units);
    for (const std::string& note : DesignNotes(result, units))
        chart.note = note + (chart.note.empty() ? "" : " ") + chart.note;
    return chart;
}

std::vector<DamageShare> DamageSharesOf(const DesignTrace& trace)
{
    std::vector<DamageShare> shares;
    double total = 0;
    for (const AircraftStep& step : trace.steps)
        total += static_cast<double>(step.damageRatio);
    std::size_t governing = 0;
    for (std::size_t i = 0; i < trace.steps.size() && i < trace.basis.mix.size(); ++i) {
        const float ratio = trace.steps[i].damageRatio;
        const double share = total > 0 ? static_cast<double>(ratio) / total * 100 : 0.0;
        shares.push_back(
            { trace.basis.mix[i].label, ratio, share, std::round(share * 10) / 10, false });
        if (ratio > shares[governing].damageRatio)
            governing = i;
    }
    if (!shares.empty())
        shares[governing].governing = true;
    return shares;
}

std::string DamageCurveTitle(const DesignTrace& trace, UnitSystem units)
{
    if (trace.empty())
        return {};
    return "Total damage of the mix over the slab thickness, design "
        + ThicknessText(trace.trials.back().thickness, units);
}

std::string DamageSharesTitle(const DesignTrace& trace, UnitSystem units)
{
    if (trace.empty())
        return {};
    std::string title
        = "Share of the damage at " + ThicknessText(trace.trials.back().thickness, units);
    for (const DamageShare& share : DamageSharesOf(trace))
        if (share.governing && share.damageRatio > 0)
            title
                += ": " + share.aircraft + " governs (" + FormatNumber(share.share, "0.0") + " %)";
    return title;
}

} // namespace korvant
