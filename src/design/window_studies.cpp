// The Studies window's texts and chart data from a study's result, in its session's units.
#include "design/window_studies.h"

#include <algorithm>
#include <cmath>

#include "design/aircraft_step.h"
#include "design/slab_evaluation.h"
#include "design/thickness_design.h"
#include "io/number_text.h"

namespace korvant {
namespace {

// The smallest half-width of the tornado chart's axis, so that a study in which no input moves
// the thickness still draws an axis.
constexpr double kSmallestReach = 0.1;

double Change(const StudyOutcome& outcome, const StudyOutcome& base, UnitSystem units)
{
    return ShownThickness(outcome.thickness, units) - ShownThickness(base.thickness, units);
}

// The base design with its unit, or "> 30 in" beyond the search.
std::string BaseText(const StudyOutcome& base, UnitSystem units)
{
    return base.beyondSearch ? BeyondSearchText(units) : ThicknessText(base.thickness, units);
}

} // namespace

std::string SensitivitySummary(const SensitivityResult& result)
{
    return "Base design " + BaseText(result.base, result.units)
        + "; each input lowered and raised by " + GeneralNumberText(result.percent) + " %.";
}

TornadoChart TornadoOf(const SensitivityResult& result)
{
    TornadoChart chart;
    chart.title = "Thickness change from the base design of " + BaseText(result.base, result.units);
    chart.axisTitle = WithThicknessUnit("Thickness change", result.units);
    chart.reach = kSmallestReach;
    for (const SensitivityRow& row : result.rows) {
        if (!row.hasEffect())
            continue;
        const TornadoBar bar { StudyInputs()[static_cast<std::size_t>(row.input)].name,
            Change(row.lowOutcome, result.base, result.units),
            Change(row.highOutcome, result.base, result.units) };
        chart.reach = std::max({ chart.reach, std::fabs(bar.lowered), std::fabs(bar.raised) });
        chart.bars.push_back(bar);
    }
    return chart;
}

std::string ReliabilitySummary(const ReliabilityResult& result)
{
    const std::size_t samples = result.samples.size();
    const double share = samples == 0 ? 0 : 100.0 * result.stopped / static_cast<double>(samples);
    std::string summary = "Base design " + BaseText(result.base, result.units) + "; "
        + std::to_string(samples) + " samples, seed " + std::to_string(result.settings.seed) + "; "
        + std::to_string(result.stopped) + " (" + FormatNumber(share, "0.00")
        + " %) stopped outside a model's domain";
    if (result.beyondSearch > 0)
        summary += "; " + std::to_string(result.beyondSearch) + " need more than the "
            + ThicknessText(kStartThickness, result.units) + " searched";
    return summary + ".";
}

ThicknessHistogramChart HistogramOf(const ReliabilityResult& result)
{
    const std::size_t designed
        = result.samples.size() - static_cast<std::size_t>(result.stopped + result.beyondSearch);
    return { "Thickness of the " + std::to_string(designed) + " designed samples",
        WithThicknessUnit("Slab thickness", result.units),
        ShownThickness(result.base.thickness, result.units), ThicknessHistogram(result) };
}

} // namespace korvant
