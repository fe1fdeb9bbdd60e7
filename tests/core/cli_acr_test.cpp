// korvant-cli --acr: the table is the core's, a metric run is the English run converted, a
// changed weight moves only its aircraft, a light aircraft keeps empty fields with a note, and
// refused gears, values and usages give their exit status with a message naming the aircraft.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "basics/unit_factors.h"
#include "cli/command_line.h"
#include "cli_runner.h"
#include "design/acr_table.h"
#include "io/number_text.h"

namespace korvant {
namespace {

using Row = std::vector<std::string>;

using testing::RunCli;

// The table's rows after its heading, each split into its cells (no name holds a comma).
std::vector<Row> Rows(const std::string& csv)
{
    std::vector<Row> rows;
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        EXPECT_EQ(line.back(), '\r');
        line.pop_back();
        Row cells;
        std::istringstream split(line + ',');
        std::string cell;
        while (std::getline(split, cell, ','))
            cells.push_back(cell);
        EXPECT_EQ(cells.size(), 15u) << line;
        rows.push_back(cells);
    }
    return rows;
}

// Cells 3..6 are the ACRs, 7..10 the slabs, 11..14 the DSWLs.
constexpr std::size_t kAcr = 3, kSlab = 7, kDswl = 11;

TEST(CommandLineAcr, TheTableIsTheCoresForTheWholeCatalogue)
{
    const testing::CliRun run = RunCli("--acr --threads 1");
    EXPECT_EQ(run.status, 0) << run.err;
    AircraftDatabase db;
    ReadAircraftData(KORVANT_TEST_DATA_DIR "/design/mix.dll", db);
    EXPECT_EQ(run.out, AcrCsv(ComputeCatalogueAcr(db), db, UnitSystem::English));
    EXPECT_EQ(run.out.substr(0, run.out.find('\r')),
        "Record,Aircraft,Gross weight (lb),ACR A,ACR B,ACR C,ACR D,Thickness A (in),"
        "Thickness B (in),Thickness C (in),Thickness D (in),DSWL A (kg),DSWL B (kg),DSWL C (kg),"
        "DSWL D (kg)");
    EXPECT_NE(run.err.find("not the manufacturers' published ACRs"), std::string::npos);
    EXPECT_EQ(RunCli("--acr --threads 2").out, run.out);

    // The records asked for, each once, in their order.
    const std::vector<Row> asked = Rows(RunCli("--acr=5,2,5").out);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], Rows(run.out)[4]);
    EXPECT_EQ(asked[1], Rows(run.out)[1]);
}

// The published dual tandem example set on record 4 in either unit system (400,000 lb = 1780 kN,
// 200 psi = 1378 kPa and 30 x 55 in. = 76.2 x 139.7 cm with the program's factors).
TEST(CommandLineAcr, MetricRunIsTheEnglishRunConverted)
{
    const std::string example = " --acr=4,2 --set 4:gearLoadPercent=47.5";
    const testing::CliRun english = RunCli(example
        + " --set 4:grossWeight=400000 --set 4:tirePressure=200 --set 4:dualSpacing=30"
          " --set 4:tandemSpacing=55");
    const testing::CliRun metric = RunCli("--units metric" + example
        + " --set 4:grossWeight=1780 --set 4:tirePressure=1378 --set 4:dualSpacing=76.2"
          " --set 4:tandemSpacing=139.7");
    ASSERT_EQ(english.status, 0) << english.err;
    ASSERT_EQ(metric.status, 0) << metric.err;
    EXPECT_NE(metric.out.find("Gross weight (kN)"), std::string::npos);
    EXPECT_NE(metric.out.find("Thickness A (cm)"), std::string::npos);

    const std::vector<Row> in = Rows(english.out);
    const std::vector<Row> cm = Rows(metric.out);
    ASSERT_EQ(in.size(), 2u);
    ASSERT_EQ(cm.size(), 2u);
    const double published[] = { 641.6, 744.0, 817.9, 894.7 };
    for (std::size_t row = 0; row < 2; ++row) {
        SCOPED_TRACE(in[row][1]);
        EXPECT_EQ(cm[row][0], in[row][0]);
        EXPECT_DOUBLE_EQ(NumberOfText(cm[row][2]), NumberOfText(in[row][2]) * kKilonewtonPerPound);
        for (std::size_t c = 0; c < 4; ++c) {
            EXPECT_EQ(cm[row][kAcr + c], in[row][kAcr + c]);
            EXPECT_EQ(cm[row][kDswl + c], in[row][kDswl + c]);
            EXPECT_NEAR(NumberOfText(cm[row][kSlab + c]),
                NumberOfText(in[row][kSlab + c]) * kCentimetrePerInch, 0.005 + 0.0127);
            if (row == 0) {
                EXPECT_NEAR(NumberOfText(in[row][kAcr + c]), published[c], 0.001 * published[c]);
            }
        }
    }
}

TEST(CommandLineAcr, ChangedWeightMovesOnlyThatAircraft)
{
    const std::vector<Row> english = Rows(RunCli("--acr").out);
    for (const char* units : { "", "--units metric " }) {
        SCOPED_TRACE(units);
        const std::vector<Row> before = Rows(RunCli(std::string(units) + "--acr").out);
        // Twice the catalogue's 174,700 lb (777.415 kN).
        const std::string weight = *units ? "1554.83" : "349400";
        const testing::CliRun run
            = RunCli(std::string(units) + "--acr --set 2:grossWeight=" + weight);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<Row> after = Rows(run.out);
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t row = 0; row < after.size(); ++row) {
            if (row != 1) {
                EXPECT_EQ(after[row], before[row]);
                continue;
            }
            EXPECT_EQ(after[row][2], weight);
            for (std::size_t c = 0; c < 4; ++c) {
                // The ACR grows faster than the load: the slab thickens with it.
                const double ratio
                    = NumberOfText(after[row][kAcr + c]) / NumberOfText(before[row][kAcr + c]);
                EXPECT_GT(ratio, 2.0);
                EXPECT_LT(ratio, 2.5);
                // Held in either unit system, the aircraft rates the same.
                EXPECT_EQ(before[row][kAcr + c], english[row][kAcr + c]);
            }
        }
    }
}

// Record 1 given a Cessna 172's weight and tire pressure: its slab stress peaks below 2.75 MPa
// on subgrades A to C and just passes it on D; a lighter one stays below everywhere.
TEST(CommandLineAcr, LightAircraftKeepsItsRowWithEmptyFieldsAndANote)
{
    const testing::CliRun run
        = RunCli("--acr=1,2 --set 1:grossWeight=2558 --set 1:tirePressure=50");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<Row> rows = Rows(run.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(Row(rows[0].begin(), rows[0].begin() + 3), (Row { "1", "Cessna 208B", "2558" }));
    for (std::size_t c = 0; c < 3; ++c)
        for (std::size_t column : { kAcr, kSlab, kDswl })
            EXPECT_EQ(rows[0][column + c], "");
    EXPECT_EQ(rows[0][kAcr + 3], "2.5");
    EXPECT_NE(rows[1][kAcr], "");
    EXPECT_NE(run.err.find("aircraft record 1: Cessna 208B: no ACR on subgrades A, B and C: "),
        std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("peaks at 2.59, 2.65 and 2.71 MPa"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("below the smallest ratings"), std::string::npos) << run.err;

    const testing::CliRun lighter
        = RunCli("--units metric --acr=1 --set 1:grossWeight=8.9 --set 1:tirePressure=344.5");
    EXPECT_EQ(lighter.status, 0) << lighter.err;
    EXPECT_EQ(Rows(lighter.out)[0],
        (Row { "1", "Cessna 208B", "8.9", "", "", "", "", "", "", "", "", "", "", "", "" }));
    EXPECT_NE(lighter.err.find("no ACR on subgrades A, B, C and D"), std::string::npos);
    EXPECT_NE(lighter.err.find(" cm)"), std::string::npos) << lighter.err;
}

TEST(CommandLineAcr, RefusedGearsAndValuesExitThreeNamingTheAircraft)
{
    struct Case
    {
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        { "--acr=2,4 --set 2:wheelCount=3", "aircraft record 2: B737-800: a gear of \"3\" wheels" },
        { "--acr=2,4 --set 2:grossWeight=0",
            "aircraft record 2: B737-800: the gross weight \"0\" must be a positive number (lb)" },
        { "--units metric --acr=2,4 --set 2:tirePressure=0",
            "B737-800: the tire pressure \"0\" must be a positive number (kPa)" },
        { "--acr=2,4 --set 2:gearLoadPercent=0", "B737-800: the gear load percent \"0\"" },
    };
    const std::vector<Row> base = Rows(RunCli("--acr=2,4").out);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const testing::CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, 3);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        // The table is still printed whole, the refused row with its record and name only.
        const std::vector<Row> rows = Rows(run.out);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0][0], "2");
        EXPECT_EQ(rows[0][kAcr], "");
        EXPECT_EQ(rows[1][kAcr], base[1][kAcr]);
    }
}

TEST(CommandLineAcr, BadUsageExitsTwo)
{
    const char* const runs[] = {
        "--acr=6", // the test catalogue holds 5 aircraft
        "--acr=0", "--acr=2,x", "--acr=", "--acr 2", "--acr --report", "--acr --trace csv",
        "--acr --evaluate 14", "--acr --sensitivity 10", "--acr --reliability 10",
        "--acr=2 --set 2:grossWeight=-1", // refused as the Change Data dialog refuses it
    };
    for (const char* arguments : runs) {
        const testing::CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err, "") << arguments;
    }
    EXPECT_NE(
        RunCli("--acr=6").err.find("record 6 is not in the catalogue, which holds records 1 to 5"),
        std::string::npos);
}

// --mix, --set and --acr take only the records of the catalogue read, 1 to 5 in the test one; the
// record number itself runs from 1 to 65.
TEST(CommandLineRecords, OutsideTheCatalogueIsBadUsage)
{
    const std::pair<const char*, const char*> runs[] = {
        { "--mix 60", "--mix: record 60 is not in the catalogue, which holds records 1 to 5" },
        { "--mix 2,6 --inp -", "--mix: record 6 is not in the catalogue" },
        { "--mix 2 --set 60:grossWeight=5", "--set: record 60 is not in the catalogue" },
        { "--acr=2 --set 6:grossWeight=5", "--set: record 6 is not in the catalogue" },
        { "--acr=60", "--acr: record 60 is not in the catalogue" },
        { "--mix 66", "--mix: \"66\" is not a record number from 1 to 65" },
        { "--set 0:grossWeight=5", "--set: \"0\" is not a record number from 1 to 65" },
    };
    for (const auto& [arguments, message] : runs) {
        const testing::CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err.find(message), std::string::npos) << arguments << run.err;
        EXPECT_NE(run.err.find("Try 'korvant-cli --help'"), std::string::npos) << arguments;
    }
}

TEST(CommandLineAcr, TableThatCannotBeWrittenExitsThree)
{
    std::istringstream in;
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine(
                  { "--db", KORVANT_TEST_DATA_DIR "/design/mix.dll", "--acr=5" }, in, out, err),
        3);
}

} // namespace
} // namespace korvant
