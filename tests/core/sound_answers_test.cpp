// Designs where the fatigue law gives no number: unlimited coverages, damage beyond the range of
// numbers, design stresses that are not positive, the ends of the search and a damage curve that
// rises again; and the checks of every field a design reads.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "design/design_json.h"
#include "design/design_trace.h"
#include "design/input_check.h"
#include "design/report.h"
#include "design/slab_evaluation.h"
#include "design/study_design.h"
#include "design/thickness_design.h"
#include "design/window_model.h"
#include "design_fixture.h"

namespace korvant {
namespace {

using testing::ScriptedPrompter;
using testing::TestSession;

const TraceQuantity& Quantity(std::string_view key)
{
    for (const TraceQuantity& quantity : TraceQuantities())
        if (quantity.key == key)
            return quantity;
    throw std::out_of_range(std::string(key));
}

TEST(SoundAnswers, UnlimitedCoveragesAddNoDamage)
{
    // A 20 lb wheel beside a B747-400: in a 5 in slab its design stress is under 2 psi, and its
    // allowable coverages leave the range of numbers.
    DesignModel model = TestSession({ 4, 1 });
    model.database.record(1).grossWeight = "20";
    model.field(InputField::Temperature) = "40";
    ASSERT_NO_THROW(RunDesign(model));
    EXPECT_EQ(model.result.trace.end, DesignEnd::Converged);

    const SlabEvaluation thin = EvaluateSlab(model.result.trace.basis, 5, model.units);
    const AircraftStep& light = thin.steps[1];
    EXPECT_EQ(light.limit, StepLimit::UnlimitedCoverages);
    EXPECT_GT(light.designStress, 0);
    EXPECT_EQ(light.allowableCoverages, std::numeric_limits<double>::infinity());
    EXPECT_EQ(light.damageRatio, 0.0f);
    EXPECT_EQ(thin.totalDamage, thin.steps[0].damageRatio / 100);
    EXPECT_EQ(ExactText(Quantity("allowableCoverages"), light), "Unlimited");
    EXPECT_EQ(ExactText(Quantity("damageRatio"), light), "0");

    // JSON: the value is null with its words beside it; CSV and the window: the words.
    const std::string json = TraceJson(model, &thin, {});
    EXPECT_NE(json.find("\"allowableCoverages\": null,"), std::string::npos);
    EXPECT_NE(json.find("\"allowableCoveragesStatus\": \"Unlimited\""), std::string::npos);
    // The report writes allowable coverages from 10^8 up as "Unlimited".
    EXPECT_NE(ReportText(model).find("Unlimited"), std::string::npos);

    // In a 4 in slab the curling stress outweighs its load stress: the evaluation says so.
    const SlabEvaluation thinner = EvaluateSlab(model.result.trace.basis, 4, model.units);
    EXPECT_EQ(thinner.steps[1].limit, StepLimit::StressNotPositive);
    EXPECT_EQ(EvaluationRows(model.result.trace.basis, thinner)[1].damageRatio,
        "design stress not positive");
    EXPECT_EQ(
        EvaluationSummary(thinner), "Total damage more than any number: the slab fails at once");
}

TEST(SoundAnswers, DamageBeyondTheRangeOfNumbersMovesTheBisectionUp)
{
    DesignModel model = TestSession({ 4 });
    model.database.record(4).annualDepartures = "1e42";
    RunDesign(model);
    const std::vector<DesignTrial>& trials = model.result.trace.trials;
    ASSERT_GE(trials.size(), 2u);
    EXPECT_TRUE(std::isinf(trials[0].totalDamage));
    EXPECT_GT(trials[1].thickness, trials[0].thickness);
    EXPECT_EQ(TrialTraceTable(model.result.trace).rows[0][2], "more than any number");
    EXPECT_NE(TraceJson(model, nullptr, {}).find("\"totalDamageStatus\": \"more than any number\""),
        std::string::npos);
    // Every trial was too thin: the caption is the search's limit, and the notes say so.
    EXPECT_EQ(model.result.trace.end, DesignEnd::BeyondSearch);
    EXPECT_EQ(model.lbh, "30.0");
    const std::vector<std::string> notes = DesignNotes(model.result, model.units);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0],
        "The traffic needs more than the 30.0 in the procedure searches: even 30.0 in is too "
        "thin.");

    // The window shows them beside the thickness while it is shown.
    WindowModel window(model);
    window.enterView(View::OneLayer);
    ScriptedPrompter prompter;
    EXPECT_EQ(window.designThickness(prompter), DesignOutcome::Designed);
    EXPECT_EQ(window.designNotes(), notes);
    window.enterView(View::TwoLayer);
    EXPECT_TRUE(window.designNotes().empty());
}

TEST(SoundAnswers, ABondedLayerInCompressionEndsWithoutAThickness)
{
    DesignModel model = TestSession({ 2, 4 });
    model.layerMode = kTwoLayerBonded;
    model.bondNo = false;
    model.field(InputField::E2) = "3000000";
    model.field(InputField::h2) = "8";
    const DesignModel before = model;
    try {
        RunDesign(model);
        FAIL() << "designed " << model.lbh;
    } catch (const DesignStopped& stopped) {
        const std::string message = stopped.what();
        EXPECT_EQ(message.rfind("The design found no thickness: at a trial thickness of ", 0), 0u)
            << message;
        EXPECT_NE(message.find("the design stress of B737-800 is not positive, because the bonded "
                               "bottom layer puts the bottom of the slab in compression"),
            std::string::npos)
            << message;
        EXPECT_NE(message.find("The thinnest trial above it at which every design stress was "
                               "positive, "),
            std::string::npos)
            << message;
    }
    EXPECT_EQ(model, before);
}

TEST(SoundAnswers, BelowFourInchesAndAThickerSlabThatFailsAreNoted)
{
    DesignModel light = TestSession({ 2 });
    light.field(InputField::k) = "1000";
    light.field(InputField::Sc) = "2000";
    light.database.record(2).annualDepartures = "1";
    RunDesign(light);
    EXPECT_EQ(light.result.trace.end, DesignEnd::BelowMinimum);
    EXPECT_EQ(DesignNotes(light.result, light.units),
        std::vector<std::string> { "The thickness is below 4.0 in, where the procedure does not "
                                   "converge and its slab models were not fitted." });

    // The damage of this B747-400 rises again above the design thickness.
    DesignModel model = TestSession({ 4 });
    model.field(InputField::k) = "455";
    model.field(InputField::Sc) = "817";
    model.field(InputField::Temperature) = "44";
    RunDesign(model);
    EXPECT_EQ(model.result.trace.end, DesignEnd::Converged);
    ASSERT_TRUE(model.result.thickerFailing);
    const float failing = *model.result.thickerFailing;
    EXPECT_GT(failing, model.result.thickness);
    EXPECT_GT(EvaluateSlab(model.result.trace.basis, failing, model.units).totalDamage, 1.001f);
    EXPECT_LT(failing + 0.05f, 30.0f);
    for (float above = failing + 0.05f; above <= 30; above += 0.05f)
        EXPECT_LE(EvaluateSlab(model.result.trace.basis, above, model.units).totalDamage, 1.001f)
            << above;
    EXPECT_EQ(
        DesignNotes(model.result, model.units).at(0).rfind("A thicker slab fails: at ", 0), 0u);
}

TEST(SoundAnswers, EveryFieldTheDesignReadsMustHoldANumber)
{
    struct Row
    {
        InputField field;
        const char* text;
        const char* message; // "" when the text is taken
    };
    const Row rows[] = {
        { InputField::Temperature, "", "Temperature is an invalid number; please try again!" },
        { InputField::Temperature, "-12.5", "" },
        { InputField::Precipitation, "abc",
            "Precipitation is an invalid number; please try again!" },
        { InputField::Precipitation, "-1",
            "Precipitation is an invalid number; please try again!" },
        { InputField::WindSpeed, "1e999", "Wind Speed is an invalid number; please try again!" },
        { InputField::SlabLength, "0",
            "Slab Length must be a number greater than 0; please try again!" },
        { InputField::SlabWidth, "20,5",
            "Slab Width must be a number greater than 0; please try again!" },
        { InputField::E2, "x", "" }, // the bottom layer is read in two-layer designs only
    };
    for (const Row& row : rows) {
        DesignModel model = TestSession({ 2 });
        model.field(row.field) = row.text;
        ScriptedPrompter prompter;
        const DesignOutcome outcome = DesignThickness(model, prompter);
        if (*row.message == '\0') {
            EXPECT_EQ(outcome, DesignOutcome::Designed) << row.text;
            continue;
        }
        EXPECT_EQ(outcome, DesignOutcome::InvalidInput) << row.text;
        EXPECT_EQ(prompter.texts(), std::vector<std::string> { row.message });
        EXPECT_TRUE(model.lbh.empty());
    }

    // Several at once come in the window's order, after the concrete and subgrade; a study
    // refuses the session as the button does.
    DesignModel model = TestSession({ 2 });
    model.layerMode = kTwoLayerBonded;
    model.field(InputField::k) = "soft";
    model.field(InputField::WindSpeed) = "";
    model.field(InputField::h2) = "";
    ScriptedPrompter prompter;
    EXPECT_EQ(DesignThickness(model, prompter), DesignOutcome::InvalidInput);
    EXPECT_EQ(prompter.texts(),
        (std::vector<std::string> { "k is an invalid number; please try again!",
            "h2 is an invalid number; please try again!",
            "Wind Speed is an invalid number; please try again!" }));
    model.field(InputField::k) = "200";
    EXPECT_THROW(StudyBase { model }, DesignStopped);
}

} // namespace
} // namespace korvant
