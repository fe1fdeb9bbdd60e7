// The window's study state: a sensitivity result kept or refused as a whole, and the reliability
// study on a thread of its own over copies of the session and the settings, whose cancelled or
// failed runs leave the state as it was.
#include <gtest/gtest.h>

#include <thread>

#include "design/window_model.h"
#include "design_fixture.h"

namespace korvant {
namespace {

WindowModel Session()
{
    return WindowModel(testing::TestSession({ 2, 4 }));
}

void SetSamples(WindowModel& window, int samples)
{
    ReliabilitySettings settings = window.reliabilitySettings();
    settings.samples = samples;
    window.setReliabilitySettings(settings);
}

// An E of 100 psi takes the session's own design outside the fatigue law's range.
void StopTheDesign(WindowModel& window)
{
    window.setField(InputField::E, "100");
}

std::string StopMessage(const DesignModel& session)
{
    try {
        RunSensitivityStudy(session, 10);
    } catch (const DesignStopped& stopped) {
        return stopped.what();
    }
    return "";
}

TEST(WindowStudies, SensitivityKeptOrRefusedAsAWhole)
{
    WindowModel window = Session();
    window.setSensitivityPercent(20);
    testing::ScriptedPrompter prompter;
    ASSERT_TRUE(window.runSensitivity(prompter));
    const std::string kept = SensitivityCsv(*window.sensitivity());
    EXPECT_EQ(kept, SensitivityCsv(RunSensitivityStudy(window.design(), 20)));

    StopTheDesign(window);
    const DesignModel before = window.design();
    EXPECT_FALSE(window.runSensitivity(prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].title, "KORVANT");
    EXPECT_EQ(prompter.shown[0].text, StopMessage(before));
    EXPECT_FALSE(prompter.shown[0].text.empty());
    EXPECT_EQ(window.design(), before);
    EXPECT_EQ(window.sensitivityPercent(), 20);
    EXPECT_EQ(SensitivityCsv(*window.sensitivity()), kept);
}

TEST(WindowStudies, ReliabilityRunsOnCopiesOfTheSessionAndSettings)
{
    WindowModel window = Session();
    SetSamples(window, 40);
    const DesignModel session = window.design();
    const ReliabilitySettings settings = window.reliabilitySettings();
    const std::unique_ptr<ReliabilityRun> run = window.startReliability();
    window.setField(InputField::Sc, "900");
    SetSamples(window, 7);

    testing::ScriptedPrompter prompter;
    ASSERT_TRUE(window.finishReliability(*run, prompter));
    EXPECT_TRUE(run->finished());
    EXPECT_EQ(run->done(), 40);
    EXPECT_EQ(ReliabilitySamplesCsv(*window.reliability()),
        ReliabilitySamplesCsv(*RunReliabilityStudy(session, settings)));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(WindowStudies, CancelledOrFailedReliabilityKeepsTheLastResult)
{
    WindowModel window = Session();
    SetSamples(window, 20);
    testing::ScriptedPrompter prompter;
    ASSERT_TRUE(window.finishReliability(*window.startReliability(), prompter));
    const std::string kept = ReliabilitySamplesCsv(*window.reliability());

    SetSamples(window, 1000000);
    const std::unique_ptr<ReliabilityRun> cancelled = window.startReliability();
    cancelled->cancel();
    EXPECT_FALSE(window.finishReliability(*cancelled, prompter));
    EXPECT_LT(cancelled->done(), 1000000);
    {
        const auto dropped = window.startReliability(); // its destructor cancels and joins
    }

    // A cancel that comes after the last design still gives nothing.
    SetSamples(window, 3);
    const std::unique_ptr<ReliabilityRun> late = window.startReliability();
    while (!late->finished())
        std::this_thread::yield();
    late->cancel();
    EXPECT_FALSE(window.finishReliability(*late, prompter));
    EXPECT_TRUE(prompter.shown.empty());

    StopTheDesign(window);
    EXPECT_FALSE(window.finishReliability(*window.startReliability(), prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].title, "KORVANT");
    EXPECT_EQ(prompter.shown[0].text, StopMessage(window.design()));
    EXPECT_EQ(ReliabilitySamplesCsv(*window.reliability()), kept);
}

} // namespace
} // namespace korvant
