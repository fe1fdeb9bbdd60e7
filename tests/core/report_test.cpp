// The design report against two golden files checked by hand (columns, number forms, the
// two-layer block, a name that wraps, "Unlimited"), and the report of entries without results.
#include <gtest/gtest.h>

#include <filesystem>

#include "design/report.h"
#include "design/thickness_design.h"
#include "design/unit_switch.h"
#include "design_fixture.h"
#include "io/atomic_file.h"

namespace korvant {
namespace {

using testing::TestSession;

std::string Golden(const char* name)
{
    return ReadWholeFile(std::string(KORVANT_TEST_DATA_DIR "/design/") + name);
}

TEST(Report, MatchesGoldenFiles)
{
    DesignModel english = TestSession({ 2, 3, 4, 1, 5 });
    english.layerMode = kTwoLayerBonded;
    RunDesign(english);
    EXPECT_EQ(ReportText(english), Golden("unbonded-english.txt"));

    DesignModel metric = TestSession({ 2, 3, 4, 1, 5 });
    SwitchToMetric(metric);
    metric.layerMode = kTwoLayerBonded;
    metric.bondNo = false;
    RunDesign(metric);
    EXPECT_EQ(ReportText(metric), Golden("bonded-metric.txt"));
}

TEST(Report, EntriesWithoutResultsAndFieldsChangedAfterTheDesign)
{
    DesignModel model = TestSession({ 2 });
    model.database.record(2).annualDepartures = "2000";
    const std::string before = ReportText(model);
    EXPECT_NE(before.find("Design Thickness :                    inches\r\n"), std::string::npos);
    RunDesign(model);
    model.mix.add(3);
    model.field(InputField::Temperature) = "61.5";
    const std::string report = ReportText(model);
    EXPECT_NE(
        report.find("     B777-300ER         3.00E+02  -            -      -     -             -"
                    "          -\r\n"),
        std::string::npos);
    EXPECT_NE(report.find("Annual Mean Temperature               61.5         'F\r\n"),
        std::string::npos);
    EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
}

TEST(Report, PrintToFileReplacesWholeFiles)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "korvant report";
    std::filesystem::create_directories(folder);
    DesignModel model = TestSession({ 2 });
    RunDesign(model);
    PrintToFile(model, folder / "out.txt");
    EXPECT_EQ(ReadWholeFile(folder / "out.txt"), ReportText(model));
    EXPECT_THROW(PrintToFile(model, folder), FileError);
    EXPECT_THROW(PrintToFile(model, folder / "out.txt" / "x"), FileError);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                  std::filesystem::directory_iterator()),
        1);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace korvant
