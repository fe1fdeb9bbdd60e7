#include "design/window_studies.h"

#include <algorithm>
#include <cmath>

#include "design/aircraft_step.h"
#include "design/slab_evaluation.h"
#include "io/number_text.h"

namespace korvant {
namespace {

// The smallest half-width of the tornado chart's axis, so that a study in which no input moves
// the thickness still draws an axis.
constexpr double kSmallestReach = 0.1;

double PerInch(UnitSystem units)
{
    return units == UnitSystem::Metric ? 2.54 : 1;
}

std::string WithUnit(const std::string& heading, UnitSystem units)
{
    return heading + " (" + SlabThicknessUnit(units) + ")";
}

std::string OutcomeCell(const StudyOutcome& outcome, UnitSystem units)
{
    return outcome.ok() ? ThicknessCaption(outcome.thickness, units) : outcome.stopped;
}

double Change(const StudyOutcome& outcome, const StudyOutcome& base, UnitSystem units)
{
    return (static_cast<double>(outcome.thickness) - static_cast<double>(base.thickness))
        * PerInch(units);
}

} // namespace

TraceTable SensitivityTable(const SensitivityResult& result)
{
    const std::string percent = GeneralNumberText(result.percent) + " %";
    TraceTable table { { "Input", "Lowered by " + percent, "Raised by " + percent,
                           WithUnit("Thickness lowered", result.units),
                           WithUnit("Thickness raised", result.units),
                           WithUnit("Effect", result.units) },
        {} };
    for (const SensitivityRow& row : result.rows)
        table.rows.push_back({ StudyInputs()[static_cast<std::size_t>(row.input)].name,
            GeneralNumberText(row.low), GeneralNumberText(row.high),
            OutcomeCell(row.lowOutcome, result.units), OutcomeCell(row.highOutcome, result.units),
            row.hasEffect() ? FormatNumber(row.effect() * PerInch(result.units), "0.00") : "-" });
    return table;
}

std::string SensitivitySummary(const SensitivityResult& result)
{
    return "Base design " + ThicknessText(result.base.thickness, result.units)
        + "; each input lowered and raised by " + GeneralNumberText(result.percent) + " %.";
}

TornadoChart TornadoOf(const SensitivityResult& result)
{
    TornadoChart chart;
    chart.title = "Thickness change from the base design of "
        + ThicknessText(result.base.thickness, result.units);
    chart.axisTitle = WithUnit("Thickness change", result.units);
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

TraceTable QuantileTable(const ReliabilityResult& result)
{
    TraceTable table { { "Reliability (%)", WithUnit("Thickness", result.units) }, {} };
    for (std::size_t i = 0; i < kReliabilityLevels.size(); ++i) {
        const std::optional<float>& thickness = result.quantiles[i];
        table.rows.push_back({ std::to_string(kReliabilityLevels[i]),
            thickness ? ThicknessCaption(*thickness, result.units) : "-" });
    }
    return table;
}

std::string ReliabilitySummary(const ReliabilityResult& result)
{
    const std::size_t samples = result.samples.size();
    const double share = samples == 0 ? 0 : 100.0 * result.stopped / static_cast<double>(samples);
    return "Base design " + ThicknessText(result.base.thickness, result.units) + "; "
        + std::to_string(samples) + " samples, seed " + std::to_string(result.settings.seed) + "; "
        + std::to_string(result.stopped) + " (" + FormatNumber(share, "0.00")
        + " %) stopped outside a model's domain.";
}

ThicknessHistogramChart HistogramOf(const ReliabilityResult& result)
{
    const std::size_t designed = result.samples.size() - static_cast<std::size_t>(result.stopped);
    return { "Thickness of the " + std::to_string(designed) + " designed samples",
        WithUnit("Slab thickness", result.units),
        static_cast<double>(result.base.thickness) * PerInch(result.units),
        ThicknessHistogram(result) };
}

} // namespace korvant
