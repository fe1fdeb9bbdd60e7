// The design's JSON documents. Numbers are exact: the shortest text that reads back to the value
// the design computed; a value that is not a number is null with its words beside it.
#include "design/design_json.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "design/design_trace.h"
#include "design/thickness_design.h"
#include "io/data_text.h"

namespace korvant {
namespace {

std::string EndKey(DesignEnd end)
{
    switch (end) {
    case DesignEnd::Converged:
        return "converged";
    case DesignEnd::BelowMinimum:
        return "below " + MinimumThicknessText(UnitSystem::English);
    case DesignEnd::BeyondSearch:
        return "beyond " + SearchLimitText(UnitSystem::English);
    case DesignEnd::NotConverged:
        break;
    }
    return "not converged";
}

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

void Damage(JsonWriter& json, std::string_view key, float totalDamage)
{
    json.value(key,
        std::isinf(totalDamage) ? std::optional<std::string>(kBeyondAnyNumberText) : std::nullopt,
        [&] { return ExactNumberText(totalDamage); });
}

// The design: its thickness, caption, end and notes, and with `trials` every bisection trial.
void DesignMember(JsonWriter& json, const DesignModel& model, bool trials)
{
    const DesignTrace& trace = model.result.trace;
    json.begin('{', "design");
    if (!trace.empty())
        json.number("thickness", trace.trials.back().thickness);
    json.text("thicknessCaption", model.lbh);
    json.boolean("converged", trace.converged());
    json.text("end", EndKey(trace.end));
    json.begin('[', "notes");
    for (const std::string& note : DesignNotes(model.result, model.units))
        json.text({}, note);
    json.end(']');
    if (trials) {
        json.begin('[', "trials");
        for (const DesignTrial& trial : trace.trials) {
            json.begin('{');
            json.integer("pass", trial.pass);
            json.number("thickness", trial.thickness);
            Damage(json, "totalDamage", trial.totalDamage);
            json.number("lower", trial.lower);
            json.number("upper", trial.upper);
            json.end('}');
        }
        json.end(']');
    }
    json.end('}');
}

// The evaluated slab: every value of each aircraft with `steps`, else its damage ratio only.
void EvaluationMember(
    JsonWriter& json, const DesignBasis& basis, const SlabEvaluation& evaluation, bool steps)
{
    json.begin('{', "evaluation");
    json.number("thickness", evaluation.thickness);
    json.text("thicknessText", evaluation.thicknessText);
    Damage(json, "totalDamage", evaluation.totalDamage);
    if (evaluation.years)
        json.number("years", *evaluation.years);
    else
        json.null("years");
    if (steps) {
        AircraftSteps(json, "aircraft", basis, evaluation.steps);
    } else {
        const TraceQuantity& damageRatio = DamageRatioQuantity();
        json.begin('[', "aircraft");
        for (std::size_t i = 0; i < evaluation.steps.size() && i < basis.mix.size(); ++i) {
            json.begin('{');
            json.integer("record", basis.mix[i].record);
            json.text("name", basis.mix[i].label);
            json.value(damageRatio.key, LimitWords(damageRatio, evaluation.steps[i]),
                [&] { return ExactText(damageRatio, evaluation.steps[i]); });
            json.end('}');
        }
        json.end(']');
    }
    json.end('}');
}

} // namespace

std::string DesignJson(
    const DesignModel& model, const SlabEvaluation* evaluation, const DocumentStatus& status)
{
    JsonWriter json;
    BeginDocument(json, "design", status, model.units);
    ValueUnits(json,
        { { "thickness", "in" }, { "thicknessCaption", SlabThicknessUnit(model.units) },
            { "damageRatio", "%" }, { "years", "years" } });
    DesignMember(json, model, false);
    if (evaluation)
        EvaluationMember(json, model.result.trace.basis, *evaluation, false);
    json.end('}');
    return json.str();
}

std::string TraceJson(
    const DesignModel& model, const SlabEvaluation* evaluation, const DocumentStatus& status)
{
    const DesignTrace& trace = model.result.trace;
    JsonWriter json;
    BeginDocument(json, "trace", status, model.units);
    // By kind: every value of the trace is in the units the design works in.
    ValueUnits(json,
        { { "length", "in" }, { "force", "lb" }, { "stress", "psi" }, { "subgradeModulus", "pci" },
            { "temperature", "'F" }, { "windSpeed", "mph" }, { "damageRatio", "%" } });
    Inputs(json, model, trace.basis);
    Mix(json, trace.basis);

    DesignMember(json, model, true);
    AircraftSteps(json, "aircraft", trace.basis, trace.steps);

    if (evaluation)
        EvaluationMember(json, trace.basis, *evaluation, true);
    json.end('}');
    return json.str();
}

} // namespace korvant
