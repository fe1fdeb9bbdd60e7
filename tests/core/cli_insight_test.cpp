// korvant-cli's trace, evaluation, structure from a file and studies: its
// output is the core's text for the same session, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/exit_status.h"
#include "cli_runner.h"
#include "design/design_json.h"
#include "design/design_trace.h"
#include "design/reliability_study.h"
#include "design/sensitivity_study.h"
#include "design/session_file.h"
#include "design/slab_evaluation.h"
#include "design/thickness_design.h"
#include "design/unit_switch.h"
#include "design_fixture.h"
#include "io/atomic_file.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;

using testing::RunCli;

DesignModel Designed(bool metric, std::int16_t layerMode)
{
    DesignModel model = testing::TestSession({ 2, 4 });
    if (metric)
        SwitchToMetric(model);
    model.layerMode = layerMode;
    RunDesign(model);
    return model;
}

TEST(CommandLineInsight, TraceAndEvaluationAreTheCoreTexts)
{
    const DesignModel english = Designed(false, kOneLayer);
    const DesignTrace& trace = english.result.trace;
    EXPECT_EQ(RunCli("--mix 2,4 --trace csv").out, TraceCsv(trace));
    const SlabEvaluation slab = EvaluateSlabText(trace.basis, "14", english.units);
    EXPECT_EQ(RunCli("--mix 2,4 --evaluate 14").out,
        english.lbh + "\n" + EvaluationText(trace.basis, slab));

    const DesignModel metric = Designed(true, kTwoLayerUnbonded);
    const SlabEvaluation cm = EvaluateSlabText(metric.result.trace.basis, "40", metric.units);
    const testing::CliRun json
        = RunCli("--units metric --mix 2,4 --structure unbonded --trace json --evaluate 40");
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out, TraceJson(metric, &cm, StatusOf(kExitDesigned)));
}

TEST(CommandLineInsight, RefusedOptionsAndSlabs)
{
    const std::pair<const char*, int> runs[] = {
        { "--mix 2 --trace xml", 2 },
        { "--mix 2 --report --trace csv", 2 },
        { "--mix 2 --evaluate 0", 2 },
        { "--mix 2 --evaluate", 2 },
        { "--mix 2 --sensitivity -5", 2 },
        { "--mix 2 --sensitivity 95", 2 },
        { "--mix 2 --sensitivity 10 --report", 2 },
        { "--mix 2 --sensitivity 10 --reliability 10", 2 },
        { "--mix 2 --reliability 0", 2 },
        { "--mix 2 --reliability 10 --spread Sc=beta:10", 2 },
        { "--mix 2 --reliability 10 --spread Sc=normal:150", 2 },
        { "--mix 2 --samples x.csv", 2 },
        { "--mix 2 --k 0 --sensitivity 10", 3 },
        // In thick slabs this light aircraft's coverages are unlimited: it takes no damage.
        { "--mix 4,1 --set 1:grossWeight=3000 --set 1:tirePressure=50 --set "
          "1:tireContactWidth=4.09 "
          "--set 4:annualDepartures=3000 --evaluate 30",
            0 },
        // Inputs that are not numbers stop before the design; so does a slab of width 0.
        { "--mix 2 --temperature ''", 2 },
        { "--mix 2 --precipitation abc", 2 },
        { "--mix 2 --slab-width 0", 2 },
        { "--mix 2 --structure bonded --h2 x", 2 },
        { "--mix 2 --h2 x", 0 },
        // Even 30 in is too thin for this traffic on this subgrade.
        { "--mix 4 --Sc 400 --k 20 --set 4:annualDepartures=40000", 4 },
        // A bonded layer puts the slab's bottom in compression: no thickness.
        { "--mix 2,4 --structure bonded --E2 3000000 --h2 8", 3 },
    };
    for (const auto& [arguments, status] : runs)
        EXPECT_EQ(RunCli(arguments).status, status) << arguments;
}

TEST(CommandLineInsight, TheFileGivesTheStructureUnlessTheOptionDoes)
{
    const fs::path file = fs::temp_directory_path() / "korvant-cli-structure.inp";
    DesignModel saved = testing::TestSession({ 2, 4 });
    saved.layerMode = kTwoLayerUnbonded;
    saved.field(InputField::h2) = "8";
    SaveInputFile(saved, file);
    const std::string inp = "--trace csv --inp '" + file.string() + "'";
    EXPECT_EQ(RunCli(inp).out, RunCli("--trace csv --mix 2,4 --h2 8 --structure unbonded").out);
    EXPECT_EQ(RunCli(inp + " --structure one").out, RunCli("--trace csv --mix 2,4").out);
    EXPECT_NE(RunCli(inp).out, RunCli("--trace csv --mix 2,4").out);
    fs::remove(file);
}

TEST(CommandLineInsight, StudiesAreTheCoresOnAnyNumberOfThreads)
{
    const DesignModel model = Designed(false, kOneLayer);
    EXPECT_EQ(
        RunCli("--mix 2,4 --sensitivity 7.5").out, SensitivityCsv(RunSensitivityStudy(model, 7.5)));

    ReliabilitySettings settings;
    settings.samples = 40;
    settings.seed = 5;
    settings.k = { Spread::Uniform, 0.3 };
    const std::optional<ReliabilityResult> study = RunReliabilityStudy(model, settings);
    const fs::path samples = fs::temp_directory_path() / "korvant cli samples.csv";
    const std::string run = "--mix 2,4 --reliability 40 --seed 5 --spread k=uniform:30 --samples '"
        + samples.string() + "' --threads ";
    EXPECT_EQ(RunCli(run + "1").out, ReliabilityCsv(*study));
    EXPECT_EQ(ReadWholeFile(samples), ReliabilitySamplesCsv(*study));
    EXPECT_EQ(RunCli(run + "2").out, ReliabilityCsv(*study));
    EXPECT_EQ(ReadWholeFile(samples), ReliabilitySamplesCsv(*study));
    fs::remove(samples);
    EXPECT_EQ(RunCli("--mix 2,4 --reliability 5 --samples /nonexistent/dir/s.csv").status, 3);
}

} // namespace
} // namespace korvant
