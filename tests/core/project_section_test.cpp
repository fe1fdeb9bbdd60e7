// The project section of input data files: every input comes back from a saved file in both
// unit systems; a reader that stops after the last aircraft, as earlier versions do, reads the
// same file as before; the section's syntax (empty lines, unknown keys, later sections); and
// damaged values and sections cut short that name their line and change nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "design/session_file.h"
#include "design/unit_switch.h"
#include "design_fixture.h"
#include "io/atomic_file.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;
using testing::TestSession;

const fs::path kCatalogue = fs::path(KORVANT_TEST_DATA_DIR) / "design" / "mix.dll";

// A session whose every input differs from the starting texts.
DesignModel ProjectSession(UnitSystem units)
{
    DesignModel model = TestSession({ 4, 2 });
    if (units == UnitSystem::Metric)
        SwitchToMetric(model);
    const char* texts[]
        = { "4100000", "690", "180", "350000", "6.5", "20", "18.5", "1024", "17.25", "4.4" };
    for (int f = 0; f < kInputFieldCount; ++f)
        model.field(static_cast<InputField>(f)) = texts[f];
    model.layerMode = kTwoLayerUnbonded;
    model.bondNo = true;
    model.database.record(4).annualDepartures = "750";
    return model;
}

// A session unlike it to read into: English or Metric, one-layer, bonded answer, its own texts.
DesignModel Reader(UnitSystem units)
{
    DesignModel model = TestSession({ 3 });
    if (units == UnitSystem::Metric)
        SwitchToMetric(model);
    model.field(InputField::Precipitation) = "12";
    model.bondNo = false;
    return model;
}

// The text of a file with one aircraft and no project section: 18 lines.
std::string AircraftOnly()
{
    InputFileData data = InputFileDataOf(TestSession({ 2 }));
    data.project.reset();
    return InputFileText(data);
}

class ProjectSection : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path()
            / ("korvant-project-"
                + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path write(const std::string& content) const
    {
        const fs::path path = dir_ / "project.inp";
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    fs::path dir_;
};

TEST_F(ProjectSection, EveryInputComesBackInBothSystems)
{
    for (const UnitSystem units : { UnitSystem::English, UnitSystem::Metric }) {
        const DesignModel saved = ProjectSession(units);
        const fs::path path = SaveInputFile(saved, dir_ / "design");
        for (const UnitSystem readerUnits : { UnitSystem::English, UnitSystem::Metric }) {
            DesignModel model = Reader(readerUnits);
            const InputFileLoaded loaded = LoadInputFile(model, path, kCatalogue);
            EXPECT_EQ(model.fields, saved.fields);
            EXPECT_EQ(model.units, units);
            EXPECT_EQ(model.layerMode, kTwoLayerUnbonded);
            EXPECT_TRUE(model.bondNo);
            EXPECT_EQ(model.mix, saved.mix);
            EXPECT_EQ(model.database.record(4), saved.database.record(4));
            EXPECT_EQ(loaded.layerMode, kTwoLayerUnbonded);
            // Saved again, byte for byte.
            EXPECT_EQ(InputFileText(InputFileDataOf(model)), ReadWholeFile(path));
        }
    }
}

TEST_F(ProjectSection, EarlierReadersReadTheFileAsBefore)
{
    const DesignModel saved = ProjectSession(UnitSystem::Metric);
    InputFileData withoutSection = InputFileDataOf(saved);
    withoutSection.project.reset();
    const std::string earlier = InputFileText(withoutSection);
    const std::string text = InputFileText(InputFileDataOf(saved));

    // The section only follows the last aircraft line: everything before it is unchanged.
    ASSERT_GT(text.size(), earlier.size());
    EXPECT_EQ(text.substr(0, earlier.size()), earlier);
    EXPECT_EQ(text.substr(earlier.size(), 12), "***Project\r\n");
    EXPECT_EQ(ParseInputFile(text, "x.inp", FileReach::UpToLastAircraft), withoutSection);
    EXPECT_EQ(ParseInputFile(earlier, "x.inp"), withoutSection);

    // Without the section the structure stays and the other fields are converted, as before.
    for (const std::string& content : { earlier, text }) {
        DesignModel model = Reader(UnitSystem::English);
        ApplyInputFile(
            model, ParseInputFile(content, "x.inp", FileReach::UpToLastAircraft), model.database);
        EXPECT_EQ(model.layerMode, kOneLayer);
        EXPECT_FALSE(model.bondNo);
        EXPECT_EQ(model.field(InputField::Precipitation), "304.8"); // 12 in in mm
        EXPECT_EQ(model.field(InputField::E), "4100000");
    }
}

// The keys of a whole section but TxtPrec and layerMode, which each row gives as it needs.
const std::string kOtherKeys
    = "TxtE2=1\r\ntxth2=2\r\ntxtL=3\r\ntxtW=4\r\nTxtTemp=5\r\nTxtWind=6\r\nbondno=0\r\n";

TEST_F(ProjectSection, SectionSyntax)
{
    const std::string aircraft = AircraftOnly();
    struct Row
    {
        const char* what;
        std::string after; // the lines after the last aircraft
        bool section;
        const char* precipitation; // TxtPrec of the section
        std::int16_t layerMode;
    };
    const Row rows[] = {
        { "none", "", false, nullptr, 0 },
        { "trailing empty lines", "\r\n \r\n", false, nullptr, 0 },
        { "empty lines first, LF ends", "\n\n***Project\nTxtPrec=40\nlayerMode= 1 \n" + kOtherKeys,
            true, "40", 1 },
        { "blanks around the key, = in the value",
            "***Project\r\n  TxtPrec\t= 4=5\r\nlayerMode=0\r\n" + kOtherKeys, true, " 4=5", 0 },
        { "unknown keys and empty lines",
            "***Project\r\ncolour=red\r\n\r\nTxtE=1\r\nTxtPrec=7\r\nlayerMode=2\r\n" + kOtherKeys
                + "\r\n",
            true, "7", 2 },
        { "a later section ends it, whatever it holds",
            "***Project\r\nTxtPrec=1\r\nlayerMode=2\r\n" + kOtherKeys
                + "***Later\r\nlayerMode=1\r\nno key\r\ncut",
            true, "1", 2 },
    };
    for (const Row& row : rows) {
        const InputFileData data = ParseInputFile(aircraft + row.after, "x.inp");
        ASSERT_EQ(data.project.has_value(), row.section) << row.what;
        EXPECT_EQ(data.aircraft.size(), 1u) << row.what;
        if (!row.section)
            continue;
        EXPECT_EQ(data.project->fields[static_cast<std::size_t>(InputField::Precipitation)],
            row.precipitation)
            << row.what;
        EXPECT_FALSE(data.project->fields[static_cast<std::size_t>(InputField::E)]) << row.what;
        EXPECT_EQ(data.project->layerMode, row.layerMode) << row.what;
    }
}

TEST_F(ProjectSection, DamagedValuesNameTheirLineAndChangeNothing)
{
    // Line 20 is the first line after the section marker of a file with one aircraft.
    const std::string aircraft = AircraftOnly();
    struct Row
    {
        std::string section;
        int line;
        const char* says;
    };
    const std::string upToWind = kOtherKeys.substr(0, kOtherKeys.find("TxtWind"));
    const Row rows[] = {
        { "layerMode=3\r\n", 20, "the structure layerMode \"3\" is not 0, 1 or 2" },
        { "txtL=20\r\nlayerMode=two\r\n", 21, "the structure layerMode \"two\" is not 0, 1 or 2" },
        { "bondno=yes\r\n", 20, "the bond option bondno \"yes\" is not 0 or 1" },
        { "bondno=0.5\r\n", 20, "the bond option bondno \"0.5\" is not 0 or 1" },
        { "\r\nwith no key\r\n", 21,
            "the line \"with no key\" of the project section is not key=value" },
        { "TxtPrec=1\r\nTxtPrec=2\r\n", 21,
            "the key TxtPrec is given again; line 20 gives it first" },
        { "layerMode=1.0\r\n", 20, "the structure layerMode \"1.0\" is not 0, 1 or 2" },
        { "bondno=\r\n", 20, "the bond option bondno \"\" is not 0 or 1" },
        // Cut short: keys missing, or the last line without its line end.
        { "", 19,
            "the project section that begins here lacks TxtE2, txth2, txtL, txtW, TxtPrec, "
            "TxtTemp, TxtWind, layerMode and bondno, which every saved file holds, so it was cut "
            "short" },
        { "TxtPrec=1\r\nlayerMode=0\r\n" + upToWind, 19,
            "the project section that begins here lacks TxtWind and bondno, which every saved "
            "file holds, so it was cut short" },
        { "TxtPrec=1\r\nlayerMode=0\r\nbondno=0\r\n" + upToWind + "TxtWind=7.1", 28,
            "the file ends within the line \"TxtWind=7.1\", without its line end, so the line may "
            "have been cut short" },
    };
    for (const Row& row : rows) {
        const fs::path path = write(aircraft + "***Project\r\n" + row.section);
        DesignModel model = Reader(UnitSystem::Metric);
        const DesignModel before = model;
        try {
            LoadInputFile(model, path, kCatalogue);
            ADD_FAILURE() << row.section << ": the file was read";
        } catch (const InputFileError& error) {
            EXPECT_EQ(error.what(),
                path.string() + ", line " + std::to_string(row.line) + ": " + row.says
                    + "; the file is damaged.");
            EXPECT_EQ(error.line(), row.line);
        }
        EXPECT_TRUE(model == before) << row.section;
    }
}

} // namespace
} // namespace korvant
