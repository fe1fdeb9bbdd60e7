// The window's saves and commands against what the file system and the memory allow: a
// write-protected file is replaced only after the user answers Yes (and stays write-protected),
// a failed export names the reason once, a command that runs out of memory says so in one
// message and leaves the session and the file as they were, and a FIFO as the catalogue is
// refused at start.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

#include "design/export_file.h"
#include "design/session_file.h"
#include "design/window_model.h"
#include "design_fixture.h"
#include "io/atomic_file.h"
#include "temp_folder.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompter;

// A prompter whose first question fails as an allocation would, then records as the scripted one.
class OutOfMemoryOnce : public ScriptedPrompter
{
public:
    Answer ask(const Message& message) override
    {
        if (!thrown_ && message.buttons != Buttons::Ok) {
            thrown_ = true;
            throw std::bad_alloc();
        }
        return ScriptedPrompter::ask(message);
    }

private:
    bool thrown_ = false;
};

class WindowSaves : public testing::TempFolderTest
{
protected:
    // A read-only file holding "old".
    fs::path locked(const std::string& name) const
    {
        std::ofstream(dir_ / name) << "old";
        fs::permissions(dir_ / name, fs::perms::owner_read | fs::perms::group_read);
        return dir_ / name;
    }
};

TEST_F(WindowSaves, WriteProtectedFilesAreReplacedOnlyOnYes)
{
    const DesignModel model = testing::TestSession({ 2 });
    const fs::path path = locked("design.inp");
    const Message question { path.string()
            + ": the file is read-only.\n\nReplace it all the same? The new file keeps its "
              "permissions.",
        "KORVANT", Buttons::YesNo, Icon::Warning };

    ScriptedPrompter no({ Answer::No });
    EXPECT_EQ(SaveInputData(model, dir_ / "design", no), std::nullopt);
    EXPECT_EQ(no.shown, std::vector<Message> { question });
    EXPECT_EQ(ReadWholeFile(path), "old");

    ScriptedPrompter yes({ Answer::Yes });
    EXPECT_EQ(SaveInputData(model, dir_ / "design", yes), path);
    EXPECT_EQ(yes.shown, std::vector<Message> { question });
    EXPECT_EQ(ReadInputFile(path).aircraft.size(), 1u);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::group_read);

    // Exports ask the same question; a failure gives its reason once.
    const fs::path report = locked("report.pdf");
    ScriptedPrompter exportNo({ Answer::No });
    EXPECT_FALSE(SaveExport(report, "report.pdf", "%PDF", "report", exportNo));
    EXPECT_EQ(ReadWholeFile(report), "old");
    ScriptedPrompter exportYes({ Answer::Yes });
    EXPECT_TRUE(SaveExport(report, "report.pdf", "%PDF", "report", exportYes));
    EXPECT_EQ(ReadWholeFile(report), "%PDF");
    ScriptedPrompter failed;
    EXPECT_FALSE(SaveExport(dir_, "the folder", "%PDF", "report", failed));
    EXPECT_EQ(failed.texts(),
        std::vector<std::string> { "Cannot write the report to the folder: it is a folder, not a "
                                   "file" });
}

TEST_F(WindowSaves, CommandsThatRunOutOfMemorySaySoAndChangeNothing)
{
    // The design: Sc beyond its usual range is questioned, and the question fails.
    DesignModel design = testing::TestSession({ 2 });
    design.field(InputField::Sc) = "2000";
    WindowModel window(design);
    OutOfMemoryOnce designing;
    EXPECT_EQ(window.designThickness(designing), DesignOutcome::Stopped);
    const Message outOfMemory { "Design Thickness: out of memory.", "KORVANT", Buttons::Ok,
        Icon::Critical };
    EXPECT_EQ(designing.shown, std::vector<Message> { outOfMemory });
    EXPECT_TRUE(window.design() == design);

    // An evaluation whose design fails so: the status line no longer gives the design before.
    WindowModel evaluating(testing::TestSession({ 2 }));
    evaluating.enterView(View::OneLayer);
    ScriptedPrompter quiet;
    ASSERT_EQ(evaluating.designThickness(quiet), DesignOutcome::Designed);
    evaluating.setSlabText("14");
    evaluating.setField(InputField::Sc, "2000");
    OutOfMemoryOnce evaluate;
    EXPECT_FALSE(evaluating.evaluateSlab(evaluate));
    EXPECT_EQ(evaluate.texts(), std::vector<std::string> { "Evaluate: out of memory." });
    EXPECT_EQ(evaluating.statusText(), "Evaluation stopped: Evaluate: out of memory.");

    // A save that fails while it asks leaves the old file.
    const fs::path path = locked("design.inp");
    OutOfMemoryOnce saving;
    EXPECT_EQ(window.saveInputData(path, saving), std::nullopt);
    EXPECT_EQ(saving.texts(), std::vector<std::string> { "Save Input Data: out of memory." });
    EXPECT_EQ(ReadWholeFile(path), "old");
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator(dir_))
        left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<fs::path> { "design.inp" });
}

TEST_F(WindowSaves, AFifoAsTheCatalogueIsRefusedAtOnce)
{
    // Beside the program as fly.dll, with no other catalogue to read: the window's start is told
    // why instead of waiting for ever for a writer.
    ASSERT_EQ(::mkfifo((dir_ / "fly.dll").c_str(), 0644), 0);
    DesignModel model;
    std::string note;
    try {
        LoadStartCatalogue(model, { dir_ / "fly.dll", dir_ / "none" / "fly.dll" }, note);
        ADD_FAILURE() << "a FIFO was read";
    } catch (const CatalogueError& error) {
        EXPECT_EQ(std::string(error.what()),
            "Cannot read the aircraft catalogue " + (dir_ / "fly.dll").string()
                + ": it is a named pipe (FIFO), not a regular file");
    }
}

} // namespace
} // namespace korvant
