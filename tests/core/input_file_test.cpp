// Input data files: the written bytes against approved files, save and read there and back in
// both unit systems, a file as an earlier version wrote it, damaged files and failed saves that
// change nothing, the window's read, save and close commands, and korvant-cli's --inp / --save.
#include "design/session_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <tuple>
#include <unistd.h>

#include "cli_runner.h"
#include "design/unit_switch.h"
#include "design_fixture.h"
#include "io/atomic_file.h"
#include "temp_folder.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompter;
using testing::TestSession;

const fs::path kData = KORVANT_TEST_DATA_DIR;
const fs::path kCatalogue = kData / "design" / "mix.dll";

const auto Slurp = ReadWholeFile;

void Spit(const fs::path& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

// A fresh folder per test, removed afterwards.
using InputFile = testing::TempFolderTest;

// The sessions whose files are tests/data/inp/english.inp and metric.inp.
DesignModel EnglishSession()
{
    DesignModel model = TestSession({ 2, 4, 1 });
    model.field(InputField::E) = "4200000";
    model.field(InputField::Sc) = "700";
    model.field(InputField::k) = "150";
    model.database.record(4).annualDepartures = "500";
    return model;
}
DesignModel MetricSession()
{
    DesignModel model = TestSession({ 5, 3 });
    SwitchToMetric(model);
    return model;
}

// A session unlike both, to read files into.
DesignModel OtherSession()
{
    DesignModel model = TestSession({ 3 });
    model.database.record(3).grossWeight = "1";
    model.lbh = "12.5";
    model.layerMode = kTwoLayerUnbonded;
    model.field(InputField::Temperature) = "70";
    return model;
}

// The project sections of the two sessions: the starting texts in their own units.
const std::string kEnglishSection = "***Project\r\nTxtE2=50000\r\ntxth2=3\r\ntxtL=25\r\ntxtW=25\r\n"
                                    "TxtPrec=38.7\r\nTxtTemp=52.3\r\nTxtWind=7.19\r\n"
                                    "layerMode=0\r\nbondno=1\r\n";
const std::string kMetricSection = "***Project\r\nTxtE2=344500\r\ntxth2=7.62\r\ntxtL=7.62\r\n"
                                   "txtW=7.62\r\nTxtPrec=983.0\r\nTxtTemp=11.3\r\nTxtWind=3.2\r\n"
                                   "layerMode=0\r\nbondno=1\r\n";

TEST_F(InputFile, SavedBytesAndRoundTripsInBothSystems)
{
    // Each file is the file that an earlier version wrote, followed by the project section.
    const std::tuple<DesignModel, const char*, std::string> cases[] = {
        { EnglishSession(), "english.inp", kEnglishSection },
        { MetricSession(), "metric.inp", kMetricSection },
    };
    for (const auto& [session, golden, section] : cases) {
        const fs::path saved = SaveInputFile(session, in(golden));
        EXPECT_EQ(saved, in(golden));
        EXPECT_EQ(Slurp(saved), Slurp(kData / "inp" / golden) + section) << golden;

        DesignModel reader = OtherSession();
        LoadInputFile(reader, saved, kCatalogue);
        EXPECT_EQ(reader.units, session.units);
        EXPECT_EQ(reader.mix, session.mix);
        SaveInputFile(reader, in("again.inp"));
        EXPECT_EQ(Slurp(in("again.inp")), Slurp(saved)) << golden;
    }
    // An empty mix: the count " 0 " ends the file, and reads back as an empty mix.
    const std::string empty = Slurp(SaveInputFile(TestSession(), in("empty")));
    EXPECT_EQ(empty.substr(empty.size() - 18 - kEnglishSection.size()),
        "***Aircraft\r\n 0 \r\n" + kEnglishSection);
    DesignModel reader = OtherSession();
    LoadInputFile(reader, in("empty.inp"), kCatalogue);
    EXPECT_EQ(reader.mix, TrafficMix {});
}

TEST_F(InputFile, ReadsAFileAsAnEarlierVersionWroteIt)
{
    // Its own title, integers without blanks or with a tab, a last empty line; then the same
    // with LF and with CR line ends.
    std::string lf = Slurp(kData / "inp" / "older.inp"), cr;
    std::erase(lf, '\r');
    std::replace_copy(lf.begin(), lf.end(), std::back_inserter(cr), '\n', '\r');
    for (const std::string& content : { Slurp(kData / "inp" / "older.inp"), lf, cr }) {
        Spit(in("older.inp"), content);
        DesignModel model = OtherSession();
        const InputFileLoaded loaded = LoadInputFile(model, in("older.inp"), kCatalogue);
        EXPECT_EQ(
            loaded.message, (Message { in("older.inp").string() + "  Loaded!", "korvant13" }));
        EXPECT_EQ(model.field(InputField::E), "4.5e6"); // texts stay as they were written
        EXPECT_EQ(model.field(InputField::Sc), "680 ");
        EXPECT_EQ(model.mix.count(), 2);
        EXPECT_EQ(model.mix.record(1), 12);
        EXPECT_EQ(model.mix.record(2), 3);
        // Record 12 is beyond the five of the catalogue: no name, the file's values.
        EXPECT_EQ(model.database.record(12),
            (AircraftRecord { "", "350000", "800", "47.5", "190", "4", "40", "50", "12.5" }));
    }
}

TEST_F(InputFile, ReadingResetsTheSessionAndTakesTheFileUnits)
{
    // An English session reads a Metric file: the fields the file does not hold are converted,
    // and so are the catalogue records that it does not name.
    DesignModel model = OtherSession();
    LoadInputFile(model, kData / "inp" / "metric.inp", kCatalogue);
    EXPECT_EQ(model.units, UnitSystem::Metric);
    EXPECT_EQ(model.field(InputField::Temperature), "21.1");
    EXPECT_EQ(model.field(InputField::SlabLength), "7.62");
    EXPECT_EQ(model.field(InputField::E), "27560000");
    EXPECT_EQ(model.database.record(2).grossWeight, "777.415"); // 174700 lb, not in the file
    EXPECT_EQ(model.database.record(3).grossWeight, "3457.65"); // the file's value
    EXPECT_EQ(model.lbh, "");
    EXPECT_EQ(model.result, DesignResult {});
    EXPECT_EQ(model.layerMode, kTwoLayerUnbonded); // the structure is not in the file

    // The other way round, and the edit of a catalogue value is gone with the reset.
    DesignModel metric = MetricSession();
    metric.database.record(1).grossWeight = "1";
    LoadInputFile(metric, kData / "inp" / "english.inp", kCatalogue);
    EXPECT_EQ(metric.units, UnitSystem::English);
    EXPECT_EQ(metric.field(InputField::Temperature), "52.3");
    EXPECT_EQ(metric.database.record(1).grossWeight, "8750");
    EXPECT_EQ(metric.database, EnglishSession().database);

    // Fields the file replaces need no number; the others must have one to be converted.
    DesignModel bad = OtherSession();
    bad.field(InputField::E) = "stiff";
    LoadInputFile(bad, kData / "inp" / "metric.inp", kCatalogue);
    bad = OtherSession();
    bad.field(InputField::WindSpeed) = "calm";
    const DesignModel before = bad;
    EXPECT_THROW(LoadInputFile(bad, kData / "inp" / "metric.inp", kCatalogue), UnitSwitchRefused);
    EXPECT_TRUE(bad == before);
    // An English file needs no conversion.
    LoadInputFile(bad, kData / "inp" / "english.inp", kCatalogue);
    EXPECT_EQ(bad.field(InputField::WindSpeed), "calm");
}

// Replaces line `n` (1-based) of a CR LF text; an empty replacement with `drop` removes it.
std::string WithLine(const std::string& text, int n, const std::string& line, bool drop = false)
{
    std::string out;
    std::size_t begin = 0;
    for (int i = 1; begin < text.size(); ++i) {
        const std::size_t end = text.find("\r\n", begin) + 2;
        if (i != n)
            out += text.substr(begin, end - begin);
        else if (!drop)
            out += line + "\r\n";
        begin = end;
    }
    return out;
}

TEST_F(InputFile, DamagedFilesChangeNothing)
{
    const std::string good = Slurp(kData / "inp" / "english.inp");
    struct Row
    {
        std::string content;
        int line;
        const char* says;
    };
    const Row rows[] = {
        { WithLine(good, 8, "***aircraft"), 8, "Incorrect Input File!" },
        { WithLine(good, 8, "***Aircraft "), 8, "Incorrect Input File!" },
        { WithLine(good, 2, "****SI***"), 2, "unit marker \"****SI***\" is neither" },
        { WithLine(good, 9, " three "), 9, "count \" three \" is not a number" },
        { WithLine(good, 9, ""), 9, "count \"\" is not a number" },
        { WithLine(good, 9, " 2.5 "), 9, "count \" 2.5 \" is not a whole number" },
        { WithLine(good, 9, "-1 "), 9, "count \"-1 \" is negative" },
        { WithLine(good, 9, " 66 "), 9, "count \" 66 \" is more than the 65" },
        { WithLine(good, 10, " 2x "), 10, "record number of aircraft 1 of 3 \" 2x \" is not a" },
        { WithLine(good, 19, " 0 "), 19, "record number \" 0 \" of aircraft 2 of 3 is outside" },
        { WithLine(good, 28, " 66 "), 28, "record number \" 66 \" of aircraft 3 of 3 is outside" },
        { WithLine(good, 28, " 2 "), 28, "aircraft 3 names record 2, which aircraft 1" },
        { WithLine(good, 9, " 4 "), 37, "ends before this line, which should hold the record" },
        { WithLine(good, 36, "", true), 36, "the tire contact width of aircraft 3 of 3" },
        { good.substr(0, good.find("****ENG****\r\n") + 13), 3, "ends before this line" },
        { "", 1, "which should hold the title line" },
        // The count must agree with the aircraft that follow.
        { WithLine(good, 9, " 2 "), 28, "the line \" 1 \" follows the last of the 2 aircraft" },
        { WithLine(good, 9, " 0 "), 10, "the line \" 2 \" follows the last of the 0 aircraft" },
        { WithLine(good, 9, "-0"), 10, "the line \" 2 \" follows the last of the 0 aircraft" },
        // Whole number texts only, and no value cut at the end of the file.
        { WithLine(good, 9, " 3. "), 9, "count \" 3. \" is not a whole number" },
        { WithLine(good, 9, "3e0"), 9, "count \"3e0\" is not a whole number" },
        { WithLine(good, 19, " 4.0 "), 19,
            "record number of aircraft 2 of 3 \" 4.0 \" is not a "
            "whole number" },
        { good.substr(0, good.size() - 3), 36,
            "the file ends within the line \"6.1\", without its line end, so the line may have "
            "been cut short" },
        { WithLine(good, 13,
              std::string("46.7\0"
                          "8",
                  6)),
            13, "the line holds a NUL byte, which no input data file holds" },
    };
    for (const Row& row : rows) {
        const fs::path path = in("damaged.inp");
        Spit(path, row.content);
        DesignModel model = MetricSession();
        model.lbh = "35.6";
        const DesignModel before = model;
        try {
            LoadInputFile(model, path, kCatalogue);
            ADD_FAILURE() << row.says << ": the file was read";
        } catch (const InputFileError& error) {
            const std::string message = error.what();
            EXPECT_EQ(error.line(), row.line) << message;
            EXPECT_NE(message.find(row.says), std::string::npos) << message;
            if (row.line == 8)
                EXPECT_EQ(message, "Incorrect Input File!");
            else
                EXPECT_EQ(
                    message.rfind(path.string() + ", line " + std::to_string(row.line), 0), 0u)
                    << message;
        }
        EXPECT_TRUE(model == before) << row.says;
    }

    // Unreadable files and an unreadable catalogue change nothing either.
    DesignModel model = MetricSession();
    const DesignModel before = model;
    EXPECT_THROW(LoadInputFile(model, in("missing.inp"), kCatalogue), InputFileError);
    EXPECT_THROW(LoadInputFile(model, dir_, kCatalogue), InputFileError);
    EXPECT_THROW(
        LoadInputFile(model, kData / "inp" / "english.inp", in("fly.dll")), CatalogueError);
    EXPECT_TRUE(model == before);
}

// Makes every write of this process fail after `bytes` bytes, as a full disk would.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { bytes, old.rlim_max };
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old); }
    rlimit old {};
};

TEST_F(InputFile, FailedSaveLeavesTheOldFile)
{
    const DesignModel model = EnglishSession();
    const std::string old = "the old file\r\n";
    Spit(in("keep.inp"), old);
    Spit(in("plain"), old);
    fs::create_directory(in("folder.inp"));

    EXPECT_THROW(SaveInputFile(model, in("plain") / "design.inp"), FileError);
    EXPECT_THROW(SaveInputFile(model, in("folder.inp")), FileError);
    {
        const FileSizeLimit full(100); // the file is 242 bytes
        EXPECT_THROW(SaveInputFile(model, in("keep.inp")), FileError);
    }
    DesignModel broken = model; // a text that this line format cannot hold
    broken.database.record(4).tirePressure = "200\r\n";
    EXPECT_THROW(SaveInputFile(broken, in("keep.inp")), InputFileError);

    EXPECT_EQ(Slurp(in("keep.inp")), old);
    EXPECT_EQ(Slurp(in("plain")), old);
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator(dir_))
        left.push_back(entry.path().filename());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<fs::path> { "folder.inp", "keep.inp", "plain" }));
    EXPECT_TRUE(fs::is_empty(in("folder.inp")));
}

TEST(InputFileName, ExtensionAddedOnlyWhenMissing)
{
    const std::pair<const char*, const char*> rows[] = {
        { "design", "design.inp" },
        { "design.", "design.inp" },
        { "design.inp", "design.inp" },
        { "design.INP", "design.INP" },
        { "design.txt", "design.txt" },
        { "/work/v1.2/design", "/work/v1.2/design.inp" },
    };
    for (const auto& [typed, saved] : rows)
        EXPECT_EQ(WithInputFileExtension(typed), fs::path(saved)) << typed;
}

TEST_F(InputFile, WindowCommandsReportOnce)
{
    ScriptedPrompter prompter;
    DesignModel model = OtherSession();
    EXPECT_TRUE(ReadDataFromFile(model, kData / "inp" / "english.inp", kCatalogue, prompter));
    const Message loaded { (kData / "inp" / "english.inp").string() + "  Loaded!", "korvant13" };
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0], loaded);

    Spit(in("bad.inp"), WithLine(Slurp(kData / "inp" / "english.inp"), 8, "***"));
    const DesignModel before = model;
    EXPECT_FALSE(ReadDataFromFile(model, in("bad.inp"), kCatalogue, prompter));
    EXPECT_TRUE(model == before);
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[1], (Message { "Incorrect Input File!", "korvant13" }));

    EXPECT_EQ(SaveInputData(model, in("saved"), prompter), in("saved.inp"));
    EXPECT_EQ(prompter.shown.size(), 2u); // silent on success
    fs::create_directory(in("folder.inp"));
    EXPECT_EQ(SaveInputData(model, in("folder.inp"), prompter), std::nullopt);
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_NE(prompter.shown[2].text.find(in("folder.inp").string()), std::string::npos);
}

TEST(ClosePrompt, FourAnswers)
{
    const Message question { "Save Input Data before closi ng?", "Save Dialog",
        Buttons::YesNoCancel, Icon::Question };
    struct Row
    {
        Answer answer;
        bool saved; // what the window's save returns
        int saves;
        bool closes;
    } const rows[] = {
        { Answer::Yes, true, 1, true },
        { Answer::Yes, false, 1, false }, // save cancelled or failed: nothing is lost
        { Answer::No, true, 0, true },
        { Answer::Cancel, true, 0, false },
    };
    for (const Row& row : rows) {
        ScriptedPrompter prompter({ row.answer });
        int saves = 0;
        EXPECT_EQ(
            ConfirmLeave(SaveBeforeClosingQuestion(), prompter, [&] { return ++saves, row.saved; }),
            row.closes);
        EXPECT_EQ(saves, row.saves);
        EXPECT_EQ(prompter.shown, std::vector<Message> { question });
    }
}

// --- korvant-cli -----------------------------------------------------------------------------

TEST_F(InputFile, CommandLineReadsAndSaves)
{
    auto cli = [](const std::string& arguments) { return testing::RunCli(arguments); };
    auto quoted = [](const fs::path& p) { return "'" + p.string() + "'"; };
    const fs::path english = kData / "inp" / "english.inp";
    const fs::path metric = kData / "inp" / "metric.inp";

    // Read and written again unchanged, in both systems, with the project section of the session
    // after it; the design runs on the file.
    for (const auto& [file, section] :
        { std::pair(english, kEnglishSection), std::pair(metric, kMetricSection) }) {
        const testing::CliRun run = cli("--inp " + quoted(file) + " --save " + quoted(in("copy")));
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Slurp(in("copy.inp")), Slurp(file) + section) << file;
    }
    const testing::CliRun fromFile = cli("--inp " + quoted(english));
    const testing::CliRun same
        = cli("--E 4200000 --Sc 700 --k 150 --mix 2,4,1 --set 4:annualDepartures=500");
    EXPECT_EQ(fromFile.out, same.out);
    EXPECT_NE(fromFile.out, "");

    // Options after --inp override the file; before it, the file overrides them.
    EXPECT_EQ(cli("--inp " + quoted(english) + " --E 4100000 --mix 3 --save " + quoted(in("a.inp")))
                  .status,
        0);
    const InputFileData after = ReadInputFile(in("a.inp"));
    EXPECT_EQ(after.E, "4100000");
    ASSERT_EQ(after.aircraft.size(), 1u);
    EXPECT_EQ(after.aircraft[0].record, 3);
    cli("--E 4100000 --units metric --inp " + quoted(english) + " --save " + quoted(in("b.inp")));
    EXPECT_EQ(Slurp(in("b.inp")).substr(0, Slurp(english).size()), Slurp(english));

    // --units after --inp switches what was read, as the window's menu would.
    cli("--inp " + quoted(metric) + " --units english --save " + quoted(in("c.inp")));
    const InputFileData switched = ReadInputFile(in("c.inp"));
    EXPECT_EQ(switched.units, UnitSystem::English);
    EXPECT_EQ(switched.E, "4000000");
    EXPECT_EQ(switched.aircraft[1].values[0], "777000");

    // The file is written before the design, so an invalid input still leaves it.
    const testing::CliRun invalid
        = cli("--inp " + quoted(english) + " --Sc soft --save " + quoted(in("d")));
    EXPECT_EQ(invalid.status, 2);
    EXPECT_EQ(ReadInputFile(in("d.inp")).Sc, "soft");

    // Files that cannot be read or written exit 3 with their message; bad usage exits 2.
    Spit(in("bad.inp"), WithLine(Slurp(english), 9, " x "));
    const testing::CliRun damaged = cli("--inp " + quoted(in("bad.inp")));
    EXPECT_EQ(damaged.status, 3);
    EXPECT_NE(damaged.err.find(in("bad.inp").string() + ", line 9"), std::string::npos)
        << damaged.err;
    EXPECT_EQ(cli("--inp " + quoted(in("none.inp"))).status, 3);
    fs::create_directory(in("folder.inp"));
    EXPECT_EQ(cli("--save " + quoted(in("folder.inp"))).status, 3);
    EXPECT_EQ(cli("--inp").status, 2);
}

} // namespace
} // namespace korvant
