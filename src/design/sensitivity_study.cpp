// The sensitivity study: each input lowered and raised by the percentage, the designs on several
// threads, the rows sorted by effect, and its table and CSV.
#include "design/sensitivity_study.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "design/aircraft_step.h"
#include "design/slab_evaluation.h"
#include "design/study_runner.h"
#include "io/data_text.h"
#include "io/number_text.h"

namespace korvant {
namespace {

Variation VariationOf(const StudyBase& base, const StudyInputInfo& info, double factor)
{
    Variation variation;
    if (info.field)
        variation.field(*info.field) = base.fieldValue(*info.field) * factor;
    else
        variation.departuresFactor = factor;
    return variation;
}

double VariedValue(const StudyBase& base, const StudyInputInfo& info, double factor)
{
    return info.field ? base.fieldValue(*info.field) * factor : factor;
}

std::string OutcomeCell(const StudyOutcome& outcome, UnitSystem units)
{
    return outcome.ok() ? StudyThicknessText(outcome, units) : outcome.stopped;
}

} // namespace

double SensitivityRow::effect(UnitSystem units) const
{
    return std::fabs(
        ShownThickness(highOutcome.thickness, units) - ShownThickness(lowOutcome.thickness, units));
}

SensitivityResult RunSensitivityStudy(const DesignModel& model, double percent, int threads)
{
    if (!(percent >= 0 && percent <= kMostSensitivityPercent))
        throw std::invalid_argument("The percentage of a sensitivity study must lie between 0 and "
            + GeneralNumberText(kMostSensitivityPercent) + " %.");
    const StudyBase base(model);
    if (!base.base().ok())
        throw DesignStopped(base.base().stopped);
    SensitivityResult result;
    result.percent = percent;
    result.units = base.units();
    result.base = base.base();
    const double lowFactor = 1 - percent / 100;
    const double highFactor = 1 + percent / 100;
    for (const StudyInputInfo& info : StudyInputs())
        result.rows.push_back({ info.input, VariedValue(base, info, lowFactor),
            VariedValue(base, info, highFactor), {}, {} });

    RunParallel(2 * kStudyInputCount, threads, [&](int i) {
        const std::size_t row = static_cast<std::size_t>(i / 2);
        const bool high = i % 2 == 1;
        const StudyOutcome outcome
            = base.design(VariationOf(base, StudyInputs()[row], high ? highFactor : lowFactor));
        (high ? result.rows[row].highOutcome : result.rows[row].lowOutcome) = outcome;
    });
    std::stable_sort(result.rows.begin(), result.rows.end(),
        [](const SensitivityRow& a, const SensitivityRow& b) {
            if (a.hasEffect() != b.hasEffect())
                return a.hasEffect();
            return a.hasEffect() && a.effect(UnitSystem::English) > b.effect(UnitSystem::English);
        });
    return result;
}

TraceTable SensitivityTable(const SensitivityResult& result)
{
    const std::string percent = GeneralNumberText(result.percent) + " %";
    TraceTable table { { "Input", "Lowered by " + percent, "Raised by " + percent,
                           WithThicknessUnit("Thickness lowered", result.units),
                           WithThicknessUnit("Thickness raised", result.units),
                           WithThicknessUnit("Effect", result.units) },
        {} };
    for (const SensitivityRow& row : result.rows)
        table.rows.push_back({ StudyInputs()[static_cast<std::size_t>(row.input)].name,
            GeneralNumberText(row.low), GeneralNumberText(row.high),
            OutcomeCell(row.lowOutcome, result.units), OutcomeCell(row.highOutcome, result.units),
            row.hasEffect() ? FormatNumber(row.effect(result.units), "0.00") : "-" });
    return table;
}

std::string SensitivityCsv(const SensitivityResult& result)
{
    const TraceTable table = SensitivityTable(result);
    std::string out = CsvTable(table.headings, table.rows);
    const std::string base = StudyThicknessText(result.base, result.units);
    out += CsvLine({ "Base design", "", "", base, base, "" });
    return out;
}

} // namespace korvant
