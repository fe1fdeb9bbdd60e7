// The engineer's view of a design: the trace against the results the report prints, the trials
// of the bisection, the damage charts against the trace, the evaluation of a given slab against
// the design, and the exact numbers of the CSV and JSON texts.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <sstream>

#include "basics/program_info.h"
#include "design/damage_chart.h"
#include "design/design_json.h"
#include "design/design_trace.h"
#include "design/report.h"
#include "design/slab_evaluation.h"
#include "design/thickness_design.h"
#include "design/unit_switch.h"
#include "design_fixture.h"
#include "io/data_text.h"
#include "io/number_text.h"

namespace korvant {
namespace {

using testing::TestSession;

// The designs of the golden reports: English unbonded and Metric bonded, five aircraft.
DesignModel Designed(UnitSystem units)
{
    DesignModel model = TestSession({ 2, 3, 4, 1, 5 });
    if (units == UnitSystem::Metric)
        SwitchToMetric(model);
    model.layerMode = kTwoLayerBonded;
    model.bondNo = units == UnitSystem::English;
    RunDesign(model);
    return model;
}

// A design that holds, with an aircraft so light that thick slabs take it beyond the fatigue
// law's range: its allowable coverages at 30 in exceed the range of numbers.
DesignModel WithFeatherweight()
{
    DesignModel model = TestSession({ 4, 1 });
    AircraftRecord& light = model.database.record(1);
    light.grossWeight = "3000";
    light.tirePressure = "50";
    light.tireContactWidth = "4.09";
    model.database.record(4).annualDepartures = "3000";
    RunDesign(model);
    return model;
}

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// The report line of a fatigue table row whose cells start at "Pass/Year" (the line that holds
// the departures after the aircraft's name).
std::string ReportRow(const std::string& report, const std::string& name)
{
    std::size_t at = report.find("     " + name);
    if (name.size() > 19) // a long name pushes its cells to the next line
        at = report.find("\r\n", at) + 2;
    return report.substr(at, report.find("\r\n", at) - at);
}

double ReadBack(const std::string& text)
{
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    return value;
}

TEST(DesignTrace, HoldsTheValuesTheReportPrints)
{
    for (const UnitSystem units : { UnitSystem::English, UnitSystem::Metric }) {
        const DesignModel model = Designed(units);
        const DesignTrace& trace = model.result.trace;
        const std::string report = ReportText(model);
        ASSERT_EQ(trace.steps.size(), 5u);
        EXPECT_EQ(trace.trials.back().thickness, model.result.thickness);
        for (std::size_t i = 0; i < trace.steps.size(); ++i) {
            const MixAircraft& aircraft = trace.basis.mix[i];
            const AircraftStep& s = trace.steps[i];
            const AircraftResult& r
                = model.result.aircraft[static_cast<std::size_t>(aircraft.record)];
            // The report's results are the trace's values, bit for bit.
            EXPECT_EQ(s.edgeStress, r.edgeStress);
            EXPECT_EQ(s.gearFactor, r.gearFactor);
            EXPECT_EQ(s.curlFactor, r.curlFactor);
            EXPECT_EQ(s.sizeLayerFactor, r.sizeLayerFactor);
            EXPECT_EQ(s.F3, r.F3);
            EXPECT_EQ(s.passToCoverage, r.passToCoverage);
            EXPECT_EQ(s.allowableCoverages, r.allowableCoverages);
            EXPECT_EQ(s.damageRatio, r.damageRatio);
            EXPECT_EQ(s.curlingStress, model.result.curlingStress);
            EXPECT_EQ(s.relA, s.contactRadius / s.radiusOfStiffness);
            EXPECT_EQ(s.sizeLayerFactor,
                static_cast<float>(s.layerFactor * static_cast<double>(s.slabSizeFactor)));

            // ... and the cells of its row, formatted from the trace.
            double edge = s.edgeStress * s.gearFactor * static_cast<double>(s.sizeLayerFactor)
                + static_cast<double>(s.curlingStress) * static_cast<double>(s.curlFactor);
            EXPECT_EQ(s.designStress, static_cast<double>(s.F3) * 0.75 * edge);
            if (units == UnitSystem::Metric)
                edge *= 6.89;
            const std::vector<std::string> cells
                = { FormatNumber(edge, "000"), FormatSingle(s.passToCoverage, "0.00"),
                      FormatSingle(s.F3, "0.00"), FormatNumber(s.actualCoverages, "0.00E+00"),
                      s.allowableCoverages >= 1e8 ? "Unlimited"
                                                  : FormatNumber(s.allowableCoverages, "0.00E+00"),
                      FormatSingle(s.damageRatio, "0.00") };
            std::vector<std::string> words = Words(ReportRow(report, aircraft.label));
            words.erase(words.begin(), words.end() - 6);
            EXPECT_EQ(words, cells) << aircraft.label;
        }
    }
}

TEST(DesignTrace, RecordsEveryTrial)
{
    DesignModel heavy = TestSession({ 4 });
    heavy.database.record(4).annualDepartures = "1e20";
    struct Row
    {
        const char* what;
        DesignModel model;
        std::size_t trials;
        bool converged;
    };
    const Row rows[] = {
        { "empty mix", TestSession(), 19, false },
        { "too thin at 30 in", heavy, 19, false },
        { "converges", Designed(UnitSystem::English), 0, true },
    };
    for (Row row : rows) {
        RunDesign(row.model);
        const DesignTrace& trace = row.model.result.trace;
        if (row.trials != 0) {
            EXPECT_EQ(trace.trials.size(), row.trials) << row.what;
        }
        EXPECT_EQ(trace.converged(), row.converged) << row.what;
        EXPECT_EQ(trace.trials.front(),
            (DesignTrial { 1, 15.0f, trace.trials.front().totalDamage, 0, 30 }))
            << row.what;
        EXPECT_EQ(trace.trials.back().thickness, row.model.result.thickness) << row.what;
        for (std::size_t t = 0; t < trace.trials.size(); ++t) {
            const DesignTrial& trial = trace.trials[t];
            EXPECT_EQ(trial.pass, static_cast<int>(t) + 1) << row.what;
            // Every trial halves the bracket of the bounds it was chosen between.
            EXPECT_EQ(trial.thickness, static_cast<float>((trial.lower + trial.upper) / 2))
                << row.what << ", trial " << trial.pass;
        }
        if (row.converged) {
            EXPECT_NEAR(trace.trials.back().totalDamage, 1.0, 0.001) << row.what;
        }
    }
    // Before any design the trace has neither converged nor ended any other way.
    EXPECT_FALSE(DesignTrace {}.converged());
    EXPECT_EQ(DesignTrace {}.end, DesignEnd::NotConverged);
}

TEST(DamageChart, TheCurveRunsThroughTheTrialsAndTheDesignPoint)
{
    const DesignModel model = Designed(UnitSystem::English);
    const DesignTrace& trace = model.result.trace;
    for (const UnitSystem units : { UnitSystem::English, UnitSystem::Metric }) {
        const double scale = units == UnitSystem::Metric ? 2.54 : 1.0;
        const DamageCurve chart = DamageCurveOf(trace, units);
        EXPECT_EQ(chart.unit, units == UnitSystem::Metric ? "cm" : "in");
        EXPECT_EQ(chart.thicknessMin, 4 * scale);
        EXPECT_EQ(chart.thicknessMax, 30 * scale);
        EXPECT_EQ(chart.note, "");
        ASSERT_GE(chart.curve.size(), 105u);
        EXPECT_EQ(chart.curve.front().thickness, chart.thicknessMin);
        EXPECT_EQ(chart.curve.back().thickness, chart.thicknessMax);
        for (std::size_t i = 1; i < chart.curve.size(); ++i)
            EXPECT_LT(chart.curve[i - 1].thickness, chart.curve[i].thickness);
        // Thicker slabs carry more, though not everywhere: where a network input reaches the
        // end of its range, the damage can step up.
        EXPECT_GT(chart.curve.front().damage, 1e6 * chart.curve.back().damage);
        // The damage axis: whole decades, at most 1e-6 to 1e6, around the design point.
        EXPECT_EQ(std::log10(chart.damageMin), std::floor(std::log10(chart.damageMin)));
        EXPECT_EQ(chart.damageMin, 1e-6);
        EXPECT_EQ(chart.damageMax, 1e5); // the damage at 4 in lies below it
        EXPECT_LT(chart.curve.back().damage, chart.damageMin); // lies at the chart's edge

        // Every trial is marked where it ran and lies on the curve.
        ASSERT_EQ(chart.trials.size(), trace.trials.size());
        for (std::size_t t = 0; t < trace.trials.size(); ++t) {
            const ChartPoint expected { static_cast<double>(trace.trials[t].thickness) * scale,
                static_cast<double>(trace.trials[t].totalDamage) };
            EXPECT_EQ(chart.trials[t], expected);
            EXPECT_NE(
                std::find(chart.curve.begin(), chart.curve.end(), expected), chart.curve.end())
                << t;
        }
        ASSERT_TRUE(chart.design);
        EXPECT_EQ(*chart.design, chart.trials.back());
    }
}

TEST(DamageChart, SharesOfTheDamageAtTheDesignThickness)
{
    const DesignModel model = Designed(UnitSystem::Metric);
    const std::vector<DamageShare> shares = DamageSharesOf(model.result.trace);
    ASSERT_EQ(shares.size(), 5u);
    double sum = 0;
    float largest = 0;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        EXPECT_EQ(shares[i].aircraft, model.result.trace.basis.mix[i].label);
        EXPECT_EQ(shares[i].damageRatio, model.result.trace.steps[i].damageRatio);
        sum += shares[i].share;
        EXPECT_NEAR(shares[i].shownShare, shares[i].share, 0.05);
        EXPECT_EQ(shares[i].shownShare * 10, std::round(shares[i].shownShare * 10));
        largest = std::max(largest, shares[i].damageRatio);
    }
    EXPECT_NEAR(sum, 100, 1e-9);
    EXPECT_EQ(std::count_if(shares.begin(), shares.end(), [](auto& s) { return s.governing; }), 1);
    EXPECT_EQ(std::find_if(shares.begin(), shares.end(), [](auto& s) { return s.governing; })
                  ->damageRatio,
        largest);
}

TEST(DamageChart, PointsThatCannotBeShown)
{
    EXPECT_TRUE(DamageCurveOf(DesignTrace {}, UnitSystem::English).curve.empty());

    DesignModel empty = TestSession();
    RunDesign(empty);
    const DamageCurve none = DamageCurveOf(empty.result.trace, UnitSystem::English);
    EXPECT_TRUE(none.curve.empty() && none.trials.empty() && !none.design);
    EXPECT_NE(none.note.find("A total damage of 0 at 105 thicknesses"), std::string::npos);
    EXPECT_TRUE(DamageSharesOf(empty.result.trace).empty());

    // The light aircraft's coverages are unlimited in thick slabs: the curve runs to 30 in.
    const DamageCurve whole = DamageCurveOf(WithFeatherweight().result.trace, UnitSystem::English);
    EXPECT_EQ(whole.note, "");
    ASSERT_FALSE(whole.curve.empty());
    EXPECT_EQ(whole.curve.back().thickness, 30);
    EXPECT_TRUE(whole.design);

    // Thin slabs whose damage is more than any number are named, not drawn; the notes of the
    // design come first.
    DesignModel heavy = TestSession({ 4 });
    heavy.database.record(4).annualDepartures = "1e42";
    RunDesign(heavy);
    const DamageCurve beyond = DamageCurveOf(heavy.result, UnitSystem::English);
    EXPECT_EQ(beyond.note.rfind("The traffic needs more than the 30.0 in", 0), 0u) << beyond.note;
    EXPECT_NE(beyond.note.find("The total damage is more than any number at "), std::string::npos)
        << beyond.note;
    for (const ChartPoint& point : beyond.curve)
        EXPECT_TRUE(std::isfinite(point.damage));
}

TEST(SlabEvaluation, AtTheDesignThicknessItIsTheDesign)
{
    for (const UnitSystem units : { UnitSystem::English, UnitSystem::Metric }) {
        const DesignModel model = Designed(units);
        const DesignTrace& trace = model.result.trace;
        ASSERT_TRUE(trace.converged());
        const SlabEvaluation at = EvaluateSlab(trace.basis, model.result.thickness, units);
        EXPECT_EQ(at.totalDamage, trace.trials.back().totalDamage);
        EXPECT_NEAR(at.totalDamage, 1.0, 0.001);
        EXPECT_EQ(at.steps, trace.steps);
        EXPECT_EQ(*at.years, 20 / static_cast<double>(at.totalDamage));

        // An inch thinner carries the traffic for fewer years, an inch thicker for more.
        const SlabEvaluation thinner = EvaluateSlab(trace.basis, model.result.thickness - 1, units);
        const SlabEvaluation thicker = EvaluateSlab(trace.basis, model.result.thickness + 1, units);
        EXPECT_LT(*thinner.years, 20);
        EXPECT_GT(*thicker.years, 20);
    }
}

TEST(SlabEvaluation, TypedThicknesses)
{
    EXPECT_EQ(SlabThicknessOfText("16.25", UnitSystem::English), 16.25f);
    EXPECT_EQ(
        SlabThicknessOfText(" 41.275 ", UnitSystem::Metric), static_cast<float>(41.275 / 2.54));
    const DesignModel model = Designed(UnitSystem::Metric);
    const SlabEvaluation typed = EvaluateSlabText(model.result.trace.basis, "41.275", model.units);
    EXPECT_EQ(typed.thicknessText, "41.275 cm");
    EXPECT_EQ(EvaluationRows(model.result.trace.basis, typed).size(), 5u);

    const std::pair<const char*, const char*> refused[] = {
        { "", "The slab thickness \"\" is not a number." },
        { "thick", "The slab thickness \"thick\" is not a number." },
        { "14 in", "The slab thickness \"14 in\" is not a number." },
        { "0", "The slab thickness \"0\" must be greater than 0." },
        { "-3", "The slab thickness \"-3\" must be greater than 0." },
        { "1e400", "The slab thickness \"1e400\" exceeds the range of numbers." },
        { "1e-60", "The slab thickness \"1e-60\" is too small to be evaluated." },
    };
    for (const auto& [text, message] : refused) {
        try {
            SlabThicknessOfText(text, UnitSystem::English);
            ADD_FAILURE() << text << " was taken";
        } catch (const EvaluationRefused& error) {
            EXPECT_STREQ(error.what(), message);
        }
    }
}

TEST(SlabEvaluation, NoDamageAndModelsOutsideTheirDomain)
{
    DesignModel empty = TestSession();
    RunDesign(empty);
    const SlabEvaluation none = EvaluateSlab(empty.result.trace.basis, 10, empty.units);
    EXPECT_FALSE(none.years);
    EXPECT_EQ(
        EvaluationSummary(none), "No damage: the slab carries the traffic for unlimited years");
    EXPECT_NE(EvaluationText(empty.result.trace.basis, none).find("unlimited"), std::string::npos);

    const DesignModel light = WithFeatherweight();
    // Its wander offsets' coverages leave the range of numbers in thick slabs; they add nothing.
    const SlabEvaluation thick = EvaluateSlab(light.result.trace.basis, 30, light.units);
    EXPECT_EQ(EvaluationRows(light.result.trace.basis, thick)[1].damageRatio, "0.00");
    const SlabEvaluation thin = EvaluateSlab(light.result.trace.basis, 12, light.units);
    EXPECT_EQ(EvaluationSummary(thin),
        "Total damage " + SignificantText(static_cast<double>(thin.totalDamage), 4) + ", "
            + SignificantText(20 / static_cast<double>(thin.totalDamage), 4) + " years of traffic");
}

TEST(DesignTrace, CsvAndJsonHoldExactValues)
{
    DesignModel model = TestSession({ 2, 3 });
    SwitchToMetric(model);
    model.database.record(3).name = "Wide \"body\", \xe9t\xe9";
    RunDesign(model);
    const DesignTrace& trace = model.result.trace;
    const SlabEvaluation evaluation = EvaluateSlab(trace.basis, 15, model.units);

    // CSV: the aircraft table, the trials, the evaluation; every number reads back exactly.
    std::vector<std::vector<std::string>> lines;
    std::istringstream csv(TraceCsv(trace, &evaluation));
    for (std::string line; std::getline(csv, line);) {
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        std::vector<std::string>& cells = lines.emplace_back();
        std::string cell;
        bool quoted = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"')
                cell += line[++i];
            else if (line[i] == '"')
                quoted = !quoted;
            else if (line[i] == ',' && !quoted)
                cells.push_back(std::exchange(cell, {}));
            else
                cell += line[i];
        }
        cells.push_back(cell);
    }
    const std::size_t trials = trace.trials.size();
    ASSERT_EQ(lines.size(), 1 + 2 + 1 + 1 + trials + 1 + 2 + 1 + 1 + 2);
    EXPECT_EQ(lines[0].size(), 2 + TraceQuantities().size());
    EXPECT_EQ(lines[2][0], "Wide \"body\", \xe9t\xe9");
    for (std::size_t a = 0; a < 2; ++a)
        for (std::size_t q = 0; q < TraceQuantities().size(); ++q) {
            const TraceQuantity& quantity = TraceQuantities()[q];
            const double read = ReadBack(lines[1 + a][2 + q]);
            const double value = quantity.value(trace.steps[a]);
            if (quantity.single)
                EXPECT_EQ(static_cast<float>(read), static_cast<float>(value)) << quantity.key;
            else
                EXPECT_EQ(read, value) << quantity.key;
        }
    for (std::size_t t = 0; t < trials; ++t) {
        const std::vector<std::string>& row = lines[5 + t];
        EXPECT_EQ(static_cast<float>(ReadBack(row[1])), trace.trials[t].thickness);
        EXPECT_EQ(static_cast<float>(ReadBack(row[2])), trace.trials[t].totalDamage);
        EXPECT_EQ(ReadBack(row[3]), trace.trials[t].lower);
        EXPECT_EQ(ReadBack(row[4]), trace.trials[t].upper);
    }
    EXPECT_EQ(lines[7 + trials],
        (std::vector<std::string> {
            "15", ExactNumberText(evaluation.totalDamage), ExactNumberText(*evaluation.years) }));

    // JSON: the program, the units, the inputs as typed, escaped names, the same numbers.
    const std::string json = TraceJson(model, &evaluation, { 0, "designed" });
    for (const std::string& part : {
             std::string("\"version\": \"") + kVersion + "\"",
             std::string("\"units\": \"Metric\""),
             std::string("\"TxtE\": \"27560000\""),
             std::string("\"name\": \"Wide \\\"body\\\", \\u00e9t\\u00e9\""),
             "\"thickness\": " + ExactNumberText(model.result.thickness),
             "\"edgeStress\": " + ExactNumberText(trace.steps[0].edgeStress),
             "\"years\": " + ExactNumberText(*evaluation.years),
         })
        EXPECT_NE(json.find(part), std::string::npos) << part;
    EXPECT_EQ(std::count(json.begin(), json.end(), '{'), std::count(json.begin(), json.end(), '}'));
    EXPECT_EQ(json.back(), '\n');
}

TEST(DataText, ExportForms)
{
    for (const double value : { 0.1, 16.25, 4e6, 1e21, 5.722046e-05, 1.0 / 3, -2.5e-300 })
        EXPECT_EQ(ReadBack(ExactNumberText(value)), value);
    EXPECT_EQ(ExactNumberText(4e6), "4000000");
    EXPECT_EQ(ExactNumberText(0.1f), "0.1");
    EXPECT_EQ(ExactNumberText(1e21), "1e+21");
    EXPECT_EQ(ExactNumberText(5e-8), "5e-08");

    const std::pair<std::string, std::string> csv[] = {
        { "B737-800", "B737-800" },
        { "A, B", "\"A, B\"" },
        { "say \"x\"", "\"say \"\"x\"\"\"" },
        { " padded", "\" padded\"" },
        { "", "" },
    };
    for (const auto& [text, field] : csv)
        EXPECT_EQ(CsvField(text), field);

    const std::pair<std::string, std::string> json[] = {
        { "a\"b\\c", "\"a\\\"b\\\\c\"" },
        { "tab\tline\n\x01", "\"tab\\tline\\n\\u0001\"" },
        { "Z\xc3\xbcrich \xe2\x82\xac", "\"Z\xc3\xbcrich \xe2\x82\xac\"" }, // UTF-8 stays
        { "\xe9t\xe9", "\"\\u00e9t\\u00e9\"" }, // Latin-1 bytes
        { "\xc0\xaf \xed\xa0\x80 \xf4\x90\x80\x80", // overlong, surrogate, beyond Unicode
            "\"\\u00c0\\u00af \\u00ed\\u00a0\\u0080 \\u00f4\\u0090\\u0080\\u0080\"" },
        { "cut \xe2\x82", "\"cut \\u00e2\\u0082\"" },
    };
    for (const auto& [text, quoted] : json)
        EXPECT_EQ(JsonString(text), quoted);

    EXPECT_EQ(Listed({}), "");
    EXPECT_EQ(Listed({ "A" }), "A");
    EXPECT_EQ(Listed({ "A", "B" }), "A and B");
    EXPECT_EQ(Listed({ "A", "B", "C" }), "A, B and C");
}

} // namespace
} // namespace korvant
