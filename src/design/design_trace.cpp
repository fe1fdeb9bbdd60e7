// Tables of the calculation trace. Exported numbers (CSV) are exact: the shortest text that reads
// back to the value the design computed; the window's sheet rounds to six significant digits.
#include "design/design_trace.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "design/thickness_design.h"
#include "io/data_text.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr int kSheetDigits = 6;
constexpr const char* kCsvLineEnd = "\r\n";

double Of(float value)
{
    return static_cast<double>(value);
}

// A total damage exactly, or the words for one that is more than any number.
std::string ExactDamageText(float totalDamage)
{
    return std::isinf(totalDamage) ? std::string(kBeyondAnyNumberText)
                                   : ExactNumberText(totalDamage);
}

} // namespace

std::optional<std::string> LimitWords(const TraceQuantity& quantity, const AircraftStep& step)
{
    const std::string_view key = quantity.key;
    if (key == DamageRatioQuantity().key)
        return DamageRatioWords(step);
    if (key == "allowableCoverages" && step.limit == StepLimit::StressNotPositive)
        return kStressNotPositiveText;
    const double value = quantity.value(step);
    if (std::isinf(value))
        return key == "allowableCoverages" ? kUnlimitedText : kBeyondAnyNumberText;
    return std::nullopt;
}

std::string ExactText(const TraceQuantity& quantity, const AircraftStep& step)
{
    if (const std::optional<std::string> words = LimitWords(quantity, step))
        return *words;
    const double value = quantity.value(step);
    return quantity.single ? ExactNumberText(static_cast<float>(value)) : ExactNumberText(value);
}

const std::vector<TraceQuantity>& TraceQuantities()
{
    static const std::vector<TraceQuantity> quantities = {
        { "radiusOfStiffness", "Radius of relative stiffness l", "in",
            [](const AircraftStep& s) { return s.radiusOfStiffness; }, false },
        { "contactRadius", "Contact radius a", "in",
            [](const AircraftStep& s) { return s.contactRadius; }, false },
        { "relA", "a/l", "", [](const AircraftStep& s) { return s.relA; }, false },
        { "relW", "Slab width/l", "", [](const AircraftStep& s) { return s.relW; }, false },
        { "relL", "Slab length/l", "", [](const AircraftStep& s) { return s.relL; }, false },
        { "edgeStress", "Edge stress", "psi", [](const AircraftStep& s) { return s.edgeStress; },
            false },
        { "gearFactor", "Gear factor", "", [](const AircraftStep& s) { return s.gearFactor; },
            false },
        { "slabSizeFactor", "Slab-size factor", "",
            [](const AircraftStep& s) { return Of(s.slabSizeFactor); }, true },
        { "layerFactor", "Two-layer factor", "",
            [](const AircraftStep& s) { return s.layerFactor; }, false },
        { "sizeLayerFactor", "Size and layer factor", "",
            [](const AircraftStep& s) { return Of(s.sizeLayerFactor); }, true },
        { "F3", "Wander factor F3", "", [](const AircraftStep& s) { return Of(s.F3); }, true },
        { "passToCoverage", "Pass-to-coverage ratio P/C", "",
            [](const AircraftStep& s) { return Of(s.passToCoverage); }, true },
        { "tempDifferential", "Temperature differential", "'F",
            [](const AircraftStep& s) { return s.tempDifferential; }, false },
        { "curlingStress", "Curling stress", "psi",
            [](const AircraftStep& s) { return Of(s.curlingStress); }, true },
        { "curlFactor", "Curl factor", "", [](const AircraftStep& s) { return Of(s.curlFactor); },
            true },
        { "designStress", "Design stress", "psi",
            [](const AircraftStep& s) { return s.designStress; }, false },
        { "actualCoverages", "Actual coverages", "",
            [](const AircraftStep& s) { return s.actualCoverages; }, false },
        { "allowableCoverages", "Allowable coverages", "",
            [](const AircraftStep& s) { return s.allowableCoverages; }, false },
        { "damageRatio", "Damage ratio", "%",
            [](const AircraftStep& s) { return Of(s.damageRatio); }, true },
    };
    return quantities;
}

const TraceQuantity& DamageRatioQuantity()
{
    static const TraceQuantity& damageRatio = *std::find_if(
        TraceQuantities().begin(), TraceQuantities().end(), [](const TraceQuantity& quantity) {
            return std::string_view(quantity.key) == "damageRatio";
        });
    return damageRatio;
}

std::string TraceHeading(const TraceQuantity& quantity)
{
    const std::string_view unit = quantity.unit;
    return unit.empty() ? std::string(quantity.heading)
                        : std::string(quantity.heading) + " (" + std::string(unit) + ")";
}

TraceTable AircraftTraceSheet(const DesignTrace& trace)
{
    TraceTable sheet;
    sheet.headings.emplace_back("Quantity");
    for (const MixAircraft& aircraft : trace.basis.mix)
        sheet.headings.push_back(aircraft.label);
    for (const TraceQuantity& quantity : TraceQuantities()) {
        std::vector<std::string>& row = sheet.rows.emplace_back();
        row.push_back(TraceHeading(quantity));
        for (const AircraftStep& step : trace.steps)
            row.push_back(LimitWords(quantity, step)
                              .value_or(SignificantText(quantity.value(step), kSheetDigits)));
    }
    return sheet;
}

TraceTable TrialTraceTable(const DesignTrace& trace)
{
    TraceTable table;
    table.headings
        = { "Trial", "Thickness (in)", "Total damage", "Lower bound (in)", "Upper bound (in)" };
    for (const DesignTrial& trial : trace.trials)
        table.rows.push_back(
            { std::to_string(trial.pass), SignificantText(Of(trial.thickness), kSheetDigits),
                TotalDamageText(trial.totalDamage, kSheetDigits),
                SignificantText(trial.lower, kSheetDigits),
                SignificantText(trial.upper, kSheetDigits) });
    return table;
}

std::string TraceSummary(const DesignTrace& trace, UnitSystem units)
{
    if (trace.empty())
        return "No design has run yet.";
    const DesignTrial& last = trace.trials.back();
    const std::size_t count = trace.trials.size();
    const std::string minimum = MinimumThicknessText(UnitSystem::English);
    std::string ending;
    switch (trace.end) {
    case DesignEnd::Converged:
        ending = ", converged.";
        break;
    case DesignEnd::BelowMinimum:
        ending = ", not converged: every trial was too thick, and the procedure does not converge "
                 "below "
            + minimum + ".";
        break;
    case DesignEnd::BeyondSearch:
        ending = ", not converged: every trial was too thin, up to the "
            + SearchLimitText(UnitSystem::English) + " the procedure searches.";
        break;
    case DesignEnd::NotConverged:
        ending = ", not converged within " + GeneralNumberText(kDamageTolerance) + " at " + minimum
            + " or more.";
        break;
    }
    return "Design thickness " + ThicknessText(last.thickness, units) + " ("
        + ExactNumberText(last.thickness) + " in): total damage "
        + TotalDamageText(last.totalDamage) + " after " + std::to_string(count)
        + (count == 1 ? " trial" : " trials") + ending;
}

std::string TraceCsv(const DesignTrace& trace, const SlabEvaluation* evaluation)
{
    std::vector<std::string> headings = { "Aircraft", "Record" };
    for (const TraceQuantity& quantity : TraceQuantities())
        headings.push_back(TraceHeading(quantity));
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < trace.steps.size() && i < trace.basis.mix.size(); ++i) {
        std::vector<std::string> cells
            = { trace.basis.mix[i].label, std::to_string(trace.basis.mix[i].record) };
        for (const TraceQuantity& quantity : TraceQuantities())
            cells.push_back(ExactText(quantity, trace.steps[i]));
        rows.push_back(std::move(cells));
    }
    std::string out = CsvTable(headings, rows);

    out += kCsvLineEnd;
    out += CsvLine(TrialTraceTable(trace).headings);
    for (const DesignTrial& trial : trace.trials)
        out += CsvLine({ std::to_string(trial.pass), ExactNumberText(trial.thickness),
            ExactDamageText(trial.totalDamage), ExactNumberText(trial.lower),
            ExactNumberText(trial.upper) });

    if (evaluation) {
        out += kCsvLineEnd;
        out += CsvLine({ "Evaluated slab (in)", "Total damage", "Years to a damage of 1" });
        out += CsvLine(
            { ExactNumberText(evaluation->thickness), ExactDamageText(evaluation->totalDamage),
                evaluation->years ? ExactNumberText(*evaluation->years) : std::string() });
        out += kCsvLineEnd;
        out += CsvLine({ "Aircraft", "Record", "Damage ratio at the evaluated slab (%)" });
        for (std::size_t i = 0; i < evaluation->steps.size() && i < trace.basis.mix.size(); ++i)
            out += CsvLine({ trace.basis.mix[i].label, std::to_string(trace.basis.mix[i].record),
                ExactText(DamageRatioQuantity(), evaluation->steps[i]) });
    }
    return out;
}

} // namespace korvant
