// Tables and documents of the calculation trace. Exported numbers (CSV, JSON) are exact: the
// shortest text that reads back to the value the design computed; the window's sheet rounds to
// six significant digits.
#include "design/design_trace.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "basics/program_info.h"
#include "design/thickness_design.h"
#include "io/data_text.h"

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

const char* EndKey(DesignEnd end)
{
    switch (end) {
    case DesignEnd::Converged:
        return "converged";
    case DesignEnd::BelowMinimum:
        return "below 4 in";
    case DesignEnd::BeyondSearch:
        return "beyond 30 in";
    case DesignEnd::NotConverged:
        break;
    }
    return "not converged";
}

const TraceQuantity& DamageRatioQuantity()
{
    return TraceQuantities().back();
}

// A JSON document written member by member, one a line, indented by two blanks a level.
class JsonWriter
{
public:
    void begin(char bracket, std::string_view key = {})
    {
        member(key);
        out_ += bracket;
        first_.push_back(true);
    }
    void end(char bracket)
    {
        const bool empty = first_.back();
        first_.pop_back();
        if (!empty) {
            out_ += '\n';
            indent();
        }
        out_ += bracket;
    }
    // A member (or an array element without a key) whose value is JSON text already.
    void raw(std::string_view key, const std::string& json)
    {
        member(key);
        out_ += json;
    }
    void text(std::string_view key, std::string_view value) { raw(key, JsonString(value)); }
    void number(std::string_view key, double value) { raw(key, ExactNumberText(value)); }
    void number(std::string_view key, float value) { raw(key, ExactNumberText(value)); }
    void integer(std::string_view key, long long value) { raw(key, std::to_string(value)); }
    void boolean(std::string_view key, bool value) { raw(key, value ? "true" : "false"); }
    // A value that may not be a number: null, with its words in "<key>Status" beside it.
    template <class Text>
    void value(std::string_view key, const std::optional<std::string>& words, Text numberText)
    {
        if (!words) {
            raw(key, numberText());
            return;
        }
        raw(key, "null");
        text(std::string(key) + "Status", *words);
    }
    void damage(std::string_view key, float totalDamage)
    {
        value(key,
            std::isinf(totalDamage) ? std::optional<std::string>(kBeyondAnyNumberText)
                                    : std::nullopt,
            [&] { return ExactNumberText(totalDamage); });
    }
    std::string str() const { return out_ + '\n'; }

private:
    void member(std::string_view key)
    {
        if (!first_.empty()) {
            if (!first_.back())
                out_ += ',';
            first_.back() = false;
            out_ += '\n';
            indent();
        }
        if (!key.empty())
            out_ += JsonString(key) + ": ";
    }
    void indent() { out_.append(2 * first_.size(), ' '); }

    std::string out_;
    std::vector<bool> first_;
};

void AircraftSteps(JsonWriter& json, std::string_view key, const DesignBasis& basis,
    const std::vector<AircraftStep>& steps)
{
    json.begin('[', key);
    for (std::size_t i = 0; i < steps.size() && i < basis.mix.size(); ++i) {
        json.begin('{');
        json.integer("record", basis.mix[i].record);
        json.text("name", basis.mix[i].label);
        for (const TraceQuantity& quantity : TraceQuantities())
            json.value(quantity.key, LimitWords(quantity, steps[i]),
                [&] { return ExactText(quantity, steps[i]); });
        json.end('}');
    }
    json.end(']');
}

void Inputs(JsonWriter& json, const DesignModel& model, const DesignBasis& basis)
{
    json.begin('{', "inputs");
    json.begin('{', "fields");
    for (const InputFieldInfo& info : InputFields())
        json.text(info.objectName, model.field(info.field));
    json.end('}');
    json.integer("layerMode", basis.layerMode);
    json.boolean("bondno", model.bondNo);
    const DesignInputs& in = basis.inputs;
    json.begin('{', "design");
    json.number("E", in.E);
    json.number("Sc", in.Sc);
    json.number("k", in.k);
    json.number("mu", in.mu);
    json.number("E2", in.E2);
    json.number("h2", in.h2);
    json.number("slabWidth", in.slabWidth);
    json.number("slabLength", in.slabLength);
    json.number("windSpeed", in.windSpeed);
    json.number("precipitation", in.precipitation);
    json.number("temperature", in.temperature);
    json.end('}');
    json.end('}');
}

void Mix(JsonWriter& json, const DesignBasis& basis)
{
    json.begin('[', "mix");
    for (const MixAircraft& aircraft : basis.mix) {
        json.begin('{');
        json.integer("record", aircraft.record);
        json.text("name", aircraft.label);
        json.number("grossWeight", aircraft.grossWeight);
        json.number("annualDepartures", aircraft.annualDepartures);
        json.number("gearLoadPercent", aircraft.gearLoadPercent);
        json.number("tirePressure", aircraft.tirePressure);
        json.number("wheelCount", aircraft.wheelCount);
        json.number("dualSpacing", aircraft.dualSpacing);
        json.number("tandemSpacing", aircraft.tandemSpacing);
        json.number("tireContactWidth", aircraft.tireContactWidth);
        json.number("contactRadius", aircraft.contactRadius);
        json.number("passToCoverage", aircraft.passToCoverage);
        json.end('}');
    }
    json.end(']');
}

} // namespace

std::optional<std::string> LimitWords(const TraceQuantity& quantity, const AircraftStep& step)
{
    const std::string_view key = quantity.key;
    const bool fatigue = key == "allowableCoverages" || key == "damageRatio";
    if (fatigue && step.limit == StepLimit::StressNotPositive)
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
    std::string ending;
    switch (trace.end) {
    case DesignEnd::Converged:
        ending = ", converged.";
        break;
    case DesignEnd::BelowMinimum:
        ending = ", not converged: every trial was too thick, and the procedure does not converge "
                 "below 4 in.";
        break;
    case DesignEnd::BeyondSearch:
        ending = ", not converged: every trial was too thin, up to the 30 in the procedure "
                 "searches.";
        break;
    case DesignEnd::NotConverged:
        ending = ", not converged within 0.001 at 4 in or more.";
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

std::string TraceJson(const DesignModel& model, const SlabEvaluation* evaluation)
{
    const DesignTrace& trace = model.result.trace;
    JsonWriter json;
    json.begin('{');
    json.text("program", kProgramName);
    json.text("version", kVersion);
    json.text("units", model.units == UnitSystem::Metric ? "Metric" : "English");
    json.begin('{', "valueUnits");
    json.text("length", "in");
    json.text("force", "lb");
    json.text("stress", "psi");
    json.text("subgradeModulus", "pci");
    json.text("temperature", "'F");
    json.text("windSpeed", "mph");
    json.text("damageRatio", "%");
    json.end('}');
    Inputs(json, model, trace.basis);
    Mix(json, trace.basis);

    json.begin('{', "design");
    if (!trace.empty())
        json.number("thickness", trace.trials.back().thickness);
    json.text("thicknessCaption", model.lbh);
    json.boolean("converged", trace.converged);
    json.text("end", EndKey(trace.end));
    json.begin('[', "notes");
    for (const std::string& note : DesignNotes(model.result, model.units))
        json.text({}, note);
    json.end(']');
    json.begin('[', "trials");
    for (const DesignTrial& trial : trace.trials) {
        json.begin('{');
        json.integer("pass", trial.pass);
        json.number("thickness", trial.thickness);
        json.damage("totalDamage", trial.totalDamage);
        json.number("lower", trial.lower);
        json.number("upper", trial.upper);
        json.end('}');
    }
    json.end(']');
    json.end('}');
    AircraftSteps(json, "aircraft", trace.basis, trace.steps);

    if (evaluation) {
        json.begin('{', "evaluation");
        json.number("thickness", evaluation->thickness);
        json.text("thicknessText", evaluation->thicknessText);
        json.damage("totalDamage", evaluation->totalDamage);
        if (evaluation->years)
            json.number("years", *evaluation->years);
        else
            json.raw("years", "null");
        AircraftSteps(json, "aircraft", trace.basis, evaluation->steps);
        json.end('}');
    }
    json.end('}');
    return json.str();
}

} // namespace korvant
