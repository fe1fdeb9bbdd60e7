// The window's session as a document without widgets: unsaved changes as "saving would write
// another text", the title, where dialogs start, the recent files, the Metric start, the
// questions before the work is left, and the desktop program's arguments.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "design/desktop_arguments.h"
#include "design/recent_files.h"
#include "design/session_file.h"
#include "design/window_model.h"
#include "design_fixture.h"
#include "io/input_file.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompter;

class WindowDocument : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A folder of each test's own: ctest runs the tests side by side.
        folder = fs::temp_directory_path()
            / ("korvant-document-"
                + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    WindowModel Session()
    {
        return WindowModel(testing::TestSession({ 2, 4 }), KORVANT_TEST_DATA_DIR "/design/mix.dll");
    }

    fs::path folder;
    ScriptedPrompter prompter;
};

TEST_F(WindowDocument, ModifiedMeansSavingWouldWriteAnotherText)
{
    WindowModel window = Session();
    EXPECT_FALSE(window.modified());
    EXPECT_EQ(window.windowTitle(), "KORVANT[*]");
    window.setField(InputField::Sc, "700");
    EXPECT_TRUE(window.modified());
    window.setField(InputField::Sc, "650"); // the start state's text again
    EXPECT_FALSE(window.modified());
    window.setSlabText("14"); // not part of the file
    window.enterView(View::OneLayer);
    EXPECT_FALSE(window.modified());

    window.addListAircraft(0);
    ASSERT_TRUE(window.saveInputData(folder / "apron", prompter));
    EXPECT_FALSE(window.modified());
    EXPECT_EQ(window.windowTitle(), "apron.inp[*] \u2014 KORVANT");
    EXPECT_EQ(window.recentFiles(), std::vector<fs::path> { folder / "apron.inp" });
    EXPECT_EQ(window.lastFolder(), folder);
    EXPECT_TRUE(window.chooseUnits(UnitSystem::Metric, prompter));
    EXPECT_TRUE(window.modified());

    // A file read is compared with its own bytes: one without the project section, as earlier
    // versions wrote, would gain it on saving.
    InputFileData old = InputFileDataOf(testing::TestSession({ 2 }));
    old.project.reset();
    std::ofstream(folder / "old.inp", std::ios::binary) << InputFileText(old);
    ASSERT_TRUE(window.readInputData(folder / "apron.inp", prompter));
    EXPECT_FALSE(window.modified());
    ASSERT_TRUE(window.readInputData(folder / "old.inp", prompter));
    EXPECT_TRUE(window.modified());
    EXPECT_EQ(
        window.recentFiles(), (std::vector<fs::path> { folder / "old.inp", folder / "apron.inp" }));
}

// A two-layer structure's view sets layerMode 1 until a design takes 2 from the bond option "No":
// a file saved after an unbonded design holds the same structure when it is read back.
TEST_F(WindowDocument, AnUnbondedDesignReadBackIsUnchanged)
{
    WindowModel window = Session();
    window.enterView(View::TwoLayer);
    ASSERT_EQ(window.designThickness(prompter), DesignOutcome::Designed);
    EXPECT_EQ(window.design().layerMode, kTwoLayerUnbonded);
    EXPECT_TRUE(window.modified()); // another structure than the start's
    ASSERT_TRUE(window.saveInputData(folder / "unbonded", prompter));
    ASSERT_TRUE(window.readInputData(folder / "unbonded.inp", prompter));
    EXPECT_EQ(window.design().layerMode, kTwoLayerBonded);
    EXPECT_FALSE(window.modified());
    window.setBondNo(false); // now bonded: another structure
    EXPECT_TRUE(window.modified());
}

TEST_F(WindowDocument, DialogsStartAtTheFileOrInTheLastFolder)
{
    WindowModel window = Session();
    EXPECT_EQ(window.proposedPath("design.inp", true), fs::path("design.inp"));
    window.setLastFolder(folder);
    EXPECT_EQ(window.proposedPath("report.pdf", false), folder / "report.pdf");
    ASSERT_TRUE(window.saveInputData(folder / "sub.inp", prompter));
    EXPECT_EQ(window.proposedPath("design.inp", true), folder / "sub.inp");
    window.noteExport("report", (folder / "out" / "report.pdf").string(), true);
    EXPECT_EQ(window.proposedPath("trace.csv", false), folder / "out" / "trace.csv");
    window.noteExport("report", "/nowhere/report.pdf", false);
    EXPECT_EQ(window.lastFolder(), folder / "out");

    // A file that is gone leaves the recent files; one that cannot be read stays.
    fs::remove(folder / "sub.inp");
    EXPECT_FALSE(window.readInputData(folder / "sub.inp", prompter));
    EXPECT_TRUE(window.recentFiles().empty());
    EXPECT_EQ(window.currentFile(), folder / "sub.inp");
}

TEST_F(WindowDocument, AMetricStartIsTheSwitchedStartState)
{
    WindowModel window = Session();
    window.startIn(UnitSystem::Metric);
    DesignModel switched = testing::TestSession({ 2, 4 });
    SwitchToMetric(switched);
    EXPECT_EQ(window.design(), switched);
    EXPECT_EQ(window.design().field(InputField::E), "27560000");
    EXPECT_FALSE(window.modified());
}

TEST_F(WindowDocument, QuestionsOnlyOverUnsavedChanges)
{
    WindowModel window = Session();
    int saves = 0;
    const auto save = [&saves] { return ++saves, true; };
    EXPECT_TRUE(window.confirmLeave(WindowModel::Leaving::Closing, prompter, save));
    EXPECT_TRUE(prompter.shown.empty());
    window.setField(InputField::k, "150");
    prompter.answers = { Answer::Cancel, Answer::Yes };
    EXPECT_FALSE(window.confirmLeave(WindowModel::Leaving::ReadingAnother, prompter, save));
    EXPECT_TRUE(window.confirmLeave(WindowModel::Leaving::Closing, prompter, save));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0], SaveBeforeReadingQuestion());
    EXPECT_EQ(prompter.shown[0].text, "Save Input Data before reading another file?");
    EXPECT_EQ(prompter.shown[1], SaveBeforeClosingQuestion());
    EXPECT_EQ(saves, 1);
}

TEST(RecentFiles, NewestFirstOnceEachAtMostEight)
{
    std::vector<fs::path> list;
    for (int i = 0; i < 10; ++i)
        list = WithRecentFile(list, "f" + std::to_string(i) + ".inp");
    ASSERT_EQ(list.size(), kRecentFileCount);
    EXPECT_EQ(list.front(), fs::path("f9.inp"));
    EXPECT_EQ(list.back(), fs::path("f2.inp"));
    list = WithRecentFile(list, "f5.inp");
    EXPECT_EQ(list[0], fs::path("f5.inp"));
    EXPECT_EQ(std::count(list.begin(), list.end(), fs::path("f5.inp")), 1);
    EXPECT_EQ(WithRecentFile(list, "").size(), kRecentFileCount);
    EXPECT_EQ(WithoutRecentFile(list, "f5.inp").size(), kRecentFileCount - 1);
    EXPECT_EQ(RecentFileEntry(0, "/home/eng/apron 2.inp"), "&1 apron 2.inp");
    EXPECT_EQ(RecentFileEntry(9, "/x/y.inp"), "y.inp");
    EXPECT_TRUE(HasInputFileExtension("/x/Apron.INP"));
    EXPECT_FALSE(HasInputFileExtension("/x/apron.inp.txt"));
    EXPECT_FALSE(HasInputFileExtension("/x/.inp"));
}

TEST(DesktopArguments, FileHelpVersionAndMistakes)
{
    struct Row
    {
        std::vector<std::string> arguments;
        bool help, version, quit;
        std::optional<std::string> file;
        std::string error;
    } const rows[] = {
        { {}, false, false, false, std::nullopt, "" },
        { { "apron.inp" }, false, false, false, "apron.inp", "" },
        { { "--help" }, true, false, false, std::nullopt, "" },
        { { "-h", "apron.inp" }, true, false, false, "apron.inp", "" },
        { { "--version" }, false, true, false, std::nullopt, "" },
        { { "--quit-after-start", "a.inp" }, false, false, true, "a.inp", "" },
        { { "--", "-odd.inp" }, false, false, false, "-odd.inp", "" },
        { { "-" }, false, false, false, "-", "" },
        { { "--frobnicate" }, false, false, false, std::nullopt, "unknown option --frobnicate" },
        { { "a.inp", "b.inp" }, false, false, false, "a.inp",
            "only one input data file can be opened, not a.inp and b.inp" },
    };
    for (const Row& row : rows) {
        const DesktopArguments parsed = ParseDesktopArguments(row.arguments);
        EXPECT_EQ(parsed.help, row.help);
        EXPECT_EQ(parsed.version, row.version);
        EXPECT_EQ(parsed.quitAfterStart, row.quit);
        EXPECT_EQ(parsed.file, row.file);
        EXPECT_EQ(parsed.error, row.error);
    }
    EXPECT_TRUE(AnswersWithoutWindow({ "x.inp", "--version" }));
    EXPECT_FALSE(AnswersWithoutWindow({ "--", "--help" }));
    EXPECT_EQ(DesktopUsage().rfind("Usage: korvant [OPTION] [FILE.inp]\n", 0), 0u);
}

} // namespace
} // namespace korvant
