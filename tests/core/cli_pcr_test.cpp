// korvant-cli --pcr: the code, the rounds and the aircraft are the core's for the same session,
// a given thickness and category are taken, and every case without a PCR prints its reason
// only, with status 3; usages that mix documents are refused.
#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"
#include "design/pcr.h"
#include "design/pcr_table.h"
#include "design/thickness_design.h"
#include "design_fixture.h"

namespace korvant {
namespace {

using testing::RunCli;

std::string PcrDocument(const PcrResult& result, const DesignBasis& basis, UnitSystem units)
{
    return PcrCode(result) + "\r\n\r\n" + PcrRoundsCsv(result, basis, units) + "\r\n"
        + PcrAircraftCsv(result, basis);
}

TEST(CommandLinePcr, TheDocumentIsTheCoresForTheSession)
{
    DesignModel model = testing::TestSession({ 2, 4 });
    RunDesign(model);
    const DesignTrace& trace = model.result.trace;
    const PcrResult designed = ComputePcr(trace.basis, trace.thickness(), model.units);
    const testing::CliRun run = RunCli("--mix 2,4 --pcr");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, PcrDocument(designed, trace.basis, model.units));
    EXPECT_EQ(
        run.out.rfind("PCR " + std::to_string(designed.pcr) + "/R/B/W/T\r\n\r\nRound,", 0), 0u);
    EXPECT_NE(run.err.find("Subgrade category B from k = 200 pci"), std::string::npos);

    // A given slab and category; in Metric the slab is in cm and the weights in kN.
    const PcrResult given = ComputePcr(trace.basis, 18, model.units, SubgradeCategory::C);
    EXPECT_EQ(RunCli("--mix 2,4 --pcr=18 --category C").out,
        PcrDocument(given, trace.basis, model.units));
    const testing::CliRun metric = RunCli("--units metric --mix 2,4 --pcr=45.72 --category C");
    EXPECT_EQ(metric.status, 0) << metric.err;
    EXPECT_EQ(metric.out.substr(0, metric.out.find("\r\n")), PcrCode(given));
    EXPECT_NE(metric.out.find("Allowable gross weight (kN)"), std::string::npos);
}

TEST(CommandLinePcr, NoPcrPrintsItsReasonOnly)
{
    const struct
    {
        const char* arguments;
        int status;
        const char* reason; // in standard error
    } runs[] = {
        { "--pcr=16", 3, "The traffic mix is empty" },
        { "--mix 2,4 --set 2:annualDepartures=0 --set 4:annualDepartures=0 --pcr=16", 3,
            "No aircraft of the mix has departures" },
        { "--mix 4 --pcr=3", 3, "below a tenth of its catalogue weight" },
        { "--mix 2 --set 2:wheelCount=3 --pcr=16", 3,
            "The ACR of an aircraft of the mix is refused" },
        { "--mix 4 --Sc 400 --k 20 --set 4:annualDepartures=40000 --pcr", 4, "no PCR" },
        { "--mix 2 --temperature x --pcr", 2, "Temperature is an invalid number" },
        { "--mix 2 --pcr=0", 2, "must be greater than 0" },
        { "--mix 2 --pcr 16", 2, "--pcr takes its thickness after an equals sign" },
        { "--mix 2 --pcr --report", 2, "does not go with" },
        { "--mix 2 --pcr=16 --acr", 2, "does not go with" },
        { "--mix 2 --category B", 2, "--category chooses the subgrade category of --pcr" },
        { "--mix 2 --pcr --category E", 2, "expected A, B, C or D" },
    };
    for (const auto& run : runs) {
        const testing::CliRun result = RunCli(run.arguments);
        EXPECT_EQ(result.status, run.status) << run.arguments << "\n" << result.err;
        EXPECT_NE(result.err.find(run.reason), std::string::npos) << run.arguments << "\n"
                                                                  << result.err;
        if (run.status == 3) {
            EXPECT_EQ(result.out, "") << run.arguments;
        }
    }
}

} // namespace
} // namespace korvant
