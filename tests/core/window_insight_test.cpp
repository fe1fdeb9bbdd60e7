// The window's state around a design without widgets: when the damage charts and the
// calculation trace are shown, the evaluation of a typed slab beside the design result, and the
// view a file with a project section returns to.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "design/session_file.h"
#include "design/window_model.h"
#include "design_fixture.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompter;

WindowModel Session()
{
    return WindowModel(testing::TestSession({ 2, 4 }), KORVANT_TEST_DATA_DIR "/design/mix.dll");
}

TEST(WindowInsight, TheTraceOutlivesTheShownThickness)
{
    WindowModel window = Session();
    window.enterView(View::OneLayer);
    ScriptedPrompter prompter;
    EXPECT_FALSE(window.traceAvailable());
    window.designThickness(prompter);
    EXPECT_TRUE(window.chartsShown());
    // Another view clears the thickness, so its charts go; the trace of the design stays.
    window.enterView(View::TwoLayer);
    EXPECT_FALSE(window.chartsShown());
    EXPECT_TRUE(window.traceAvailable());
    EXPECT_EQ(TraceShownLayout().report, false);
    EXPECT_EQ(ReportShownLayout().trace, false);
    for (const View view : { View::Title, View::Aircraft, View::OneLayer, View::TwoLayer })
        EXPECT_EQ(ViewLayoutOf(view).trace, false);
}

TEST(WindowInsight, EvaluationBesideTheDesign)
{
    WindowModel window = Session();
    window.enterView(View::TwoLayer);
    ScriptedPrompter prompter;

    // A text that is no thickness is refused before anything runs.
    window.setSlabText("thick");
    EXPECT_FALSE(window.evaluateSlab(prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "The slab thickness \"thick\" is not a number.");
    EXPECT_EQ(prompter.shown[0].title, "KORVANT");
    EXPECT_TRUE(window.design().lbh.empty());

    // Evaluate designs first, then evaluates with the design's inputs.
    window.setSlabText("14");
    EXPECT_TRUE(window.evaluateSlab(prompter));
    ASSERT_TRUE(window.evaluation());
    EXPECT_FALSE(window.design().lbh.empty());
    const DesignBasis& basis = window.design().result.trace.basis;
    EXPECT_EQ(window.evaluation()->steps, EvaluateSlab(basis, 14, window.design().units).steps);

    // A new design evaluates the typed slab again; a text that no longer is one drops it.
    window.setField(InputField::k, "150");
    window.designThickness(prompter);
    EXPECT_EQ(window.evaluation()->totalDamage,
        EvaluateSlab(window.design().result.trace.basis, 14, window.design().units).totalDamage);
    window.setSlabText("x");
    window.designThickness(prompter);
    EXPECT_FALSE(window.evaluation());
    EXPECT_EQ(prompter.shown.size(), 1u);

    // A view or a unit switch drops the evaluation; the switch the typed text too.
    window.setSlabText("14");
    window.evaluateSlab(prompter);
    window.enterView(View::OneLayer);
    EXPECT_FALSE(window.evaluation());
    window.evaluateSlab(prompter);
    EXPECT_TRUE(window.chooseUnits(UnitSystem::Metric, prompter));
    EXPECT_FALSE(window.evaluation());
    EXPECT_EQ(window.slabText(), "");
}

TEST(WindowInsight, AFileWithItsStructureOpensItsView)
{
    const fs::path folder = fs::temp_directory_path() / "korvant-window-insight";
    fs::create_directories(folder);
    DesignModel saved = testing::TestSession({ 2, 4 });
    saved.layerMode = kTwoLayerUnbonded;
    const fs::path withSection = SaveInputFile(saved, folder / "two");
    InputFileData old = InputFileDataOf(saved);
    old.project.reset();
    const fs::path withoutSection = folder / "old.inp";
    std::ofstream(withoutSection, std::ios::binary) << InputFileText(old);

    ScriptedPrompter prompter;
    WindowModel window = Session();
    window.enterView(View::Aircraft);
    window.setSlabText("12");
    ASSERT_TRUE(window.readInputData(withSection, prompter));
    EXPECT_EQ(window.view(), View::TwoLayer);
    EXPECT_TRUE(window.design().bondNo);
    EXPECT_EQ(window.slabText(), "");
    ASSERT_TRUE(window.readInputData(withoutSection, prompter));
    EXPECT_EQ(window.view(), View::Title);
    fs::remove_all(folder);
}

} // namespace
} // namespace korvant
