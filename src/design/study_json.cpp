// The studies' documents. A design is an object with its thickness (in, exact) and caption (in
// the session's units), or a null thickness with the message of the design that stopped.
#include "design/study_json.h"

#include <cmath>

#include "design/slab_evaluation.h"
#include "design/thickness_design.h"
#include "io/data_text.h"

namespace korvant {
namespace {

void ThicknessUnits(JsonWriter& json, UnitSystem units, bool effect)
{
    const char* slab = SlabThicknessUnit(units);
    if (effect)
        ValueUnits(
            json, { { "thickness", "in" }, { "thicknessCaption", slab }, { "effect", slab } });
    else
        ValueUnits(json, { { "thickness", "in" }, { "thicknessCaption", slab } });
}

void Outcome(JsonWriter& json, std::string_view key, const StudyOutcome& outcome, UnitSystem units)
{
    json.begin('{', key);
    json.value("thickness",
        outcome.ok() ? std::nullopt : std::optional<std::string>(outcome.stopped),
        [&] { return ExactNumberText(outcome.thickness); });
    if (outcome.ok()) {
        json.text("thicknessCaption", StudyThicknessText(outcome, units));
        json.boolean("converged", outcome.converged);
        json.boolean("beyondSearch", outcome.beyondSearch);
    }
    json.end('}');
}

const char* SpreadName(Spread spread)
{
    switch (spread) {
    case Spread::LogNormal:
        return "lognormal";
    case Spread::Uniform:
        return "uniform";
    case Spread::Normal:
        break;
    }
    return "normal";
}

void SpreadMember(JsonWriter& json, std::string_view key, const InputSpread& spread)
{
    json.begin('{', key);
    json.text("distribution", SpreadName(spread.spread));
    json.number("coefficientOfVariation", spread.variation);
    json.end('}');
}

} // namespace

std::string SensitivityJson(const SensitivityResult& result, const DocumentStatus& status)
{
    JsonWriter json;
    BeginDocument(json, "sensitivity", status, result.units);
    ThicknessUnits(json, result.units, true);
    json.number("percent", result.percent);
    Outcome(json, "base", result.base, result.units);
    json.begin('[', "inputs");
    for (const SensitivityRow& row : result.rows) {
        const StudyInputInfo& info = StudyInputs()[static_cast<std::size_t>(row.input)];
        json.begin('{');
        json.text("input", info.name);
        if (info.field) {
            json.text("unit", UnitIn(InputFieldInfoOf(*info.field), result.units));
        } else {
            json.text("unit", "factor on every aircraft's annual departures");
        }
        json.number("lowered", row.low);
        json.number("raised", row.high);
        Outcome(json, "loweredDesign", row.lowOutcome, result.units);
        Outcome(json, "raisedDesign", row.highOutcome, result.units);
        json.value("effect",
            row.hasEffect() ? std::nullopt
                            : std::optional<std::string>("a design stopped or lies beyond the "
                                + SearchLimitText(UnitSystem::English) + " searched"),
            [&] { return ExactNumberText(row.effect(result.units)); });
        json.end('}');
    }
    json.end(']');
    json.end('}');
    return json.str();
}

std::string ReliabilityJson(const ReliabilityResult& result, const DocumentStatus& status)
{
    JsonWriter json;
    BeginDocument(json, "reliability", status, result.units);
    ThicknessUnits(json, result.units, false);
    json.integer("samples", static_cast<long long>(result.samples.size()));
    json.raw("seed", std::to_string(result.settings.seed));
    json.begin('{', "spreads");
    SpreadMember(json, "Sc", result.settings.Sc);
    SpreadMember(json, "k", result.settings.k);
    SpreadMember(json, "E", result.settings.E);
    SpreadMember(json, "departures", result.settings.departures);
    json.end('}');
    Outcome(json, "base", result.base, result.units);
    json.begin('[', "levels");
    const TraceTable table = QuantileTable(result);
    for (std::size_t i = 0; i < kReliabilityLevels.size(); ++i) {
        const std::optional<float>& thickness = result.quantiles[i];
        json.begin('{');
        json.integer("reliability", kReliabilityLevels[i]);
        const std::optional<std::string> none = !thickness
            ? std::optional<std::string>("no sample designed")
            : std::isinf(*thickness) ? std::optional<std::string>(
                  "beyond the " + SearchLimitText(UnitSystem::English) + " searched")
                                     : std::nullopt;
        json.value("thickness", none, [&] { return ExactNumberText(*thickness); });
        json.text("thicknessCaption", table.rows[i][1]);
        json.end('}');
    }
    json.end(']');
    json.integer("stopped", result.stopped);
    json.integer("beyondSearch", result.beyondSearch);
    json.end('}');
    return json.str();
}

} // namespace korvant
