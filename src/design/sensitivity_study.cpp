#include "design/sensitivity_study.h"

#include <algorithm>
#include <cmath>

#include "design/aircraft_step.h"
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

std::string OutcomeText(const StudyOutcome& outcome, UnitSystem units)
{
    return outcome.ok() ? ThicknessCaption(outcome.thickness, units) : outcome.stopped;
}

} // namespace

double SensitivityRow::effect() const
{
    return std::fabs(
        static_cast<double>(highOutcome.thickness) - static_cast<double>(lowOutcome.thickness));
}

SensitivityResult RunSensitivityStudy(const DesignModel& model, double percent, int threads)
{
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
            return a.hasEffect() && a.effect() > b.effect();
        });
    return result;
}

std::string SensitivityCsv(const SensitivityResult& result)
{
    const char* unit = result.units == UnitSystem::Metric ? "cm" : "in";
    const double perInch = result.units == UnitSystem::Metric ? 2.54 : 1;
    std::string out = CsvLine({ "Input", "Lowered by " + GeneralNumberText(result.percent) + " %",
        "Raised by " + GeneralNumberText(result.percent) + " %",
        std::string("Thickness lowered (") + unit + ")",
        std::string("Thickness raised (") + unit + ")", std::string("Effect (") + unit + ")" });
    for (const SensitivityRow& row : result.rows) {
        const StudyInputInfo& info = StudyInputs()[static_cast<std::size_t>(row.input)];
        out += CsvLine({ info.name, GeneralNumberText(row.low), GeneralNumberText(row.high),
            OutcomeText(row.lowOutcome, result.units), OutcomeText(row.highOutcome, result.units),
            row.hasEffect() ? FormatNumber(row.effect() * perInch, "0.00") : "-" });
    }
    out += CsvLine({ "Base design", "", "", ThicknessCaption(result.base.thickness, result.units),
        ThicknessCaption(result.base.thickness, result.units), "" });
    return out;
}

} // namespace korvant
