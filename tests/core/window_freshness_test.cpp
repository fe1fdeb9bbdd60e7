// The window's words about its results without widgets: which shown results each change marks as
// out of date (and which changes do not), a design that stops, the studies, the notes and the
// report's page header, the status line, the input tooltips, and number texts that ignore the
// locale the window's toolkit sets.
#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <string>

#include "basics/program_info.h"
#include "design/input_help.h"
#include "design/window_model.h"
#include "design/window_status.h"
#include "design_fixture.h"
#include "io/data_text.h"

namespace korvant {
namespace {

using testing::ScriptedPrompter;

// A two-aircraft session in the one-layer view with a design and an evaluated 14 in slab.
WindowModel Designed(ScriptedPrompter& prompter)
{
    WindowModel window(testing::TestSession({ 2, 4 }));
    window.enterView(View::OneLayer);
    window.setSlabText("14");
    EXPECT_TRUE(window.evaluateSlab(prompter));
    EXPECT_EQ(window.designStaleness(), Staleness::Current);
    EXPECT_EQ(window.evaluationStaleness(), Staleness::Current);
    return window;
}

struct Change
{
    const char* what;
    std::function<void(WindowModel&, Prompter&)> apply;
    bool marksDesign; // the thickness, its charts, trace and report
    bool marksEvaluation;
};

TEST(WindowFreshness, WhatMarksTheShownResults)
{
    const Change changes[] = {
        { "an input typed", [](WindowModel& w, Prompter&) { w.setField(InputField::Sc, "700"); },
            true, true },
        { "a field set to its own text",
            [](WindowModel& w, Prompter&) { w.setField(InputField::Sc, "650"); }, false, false },
        { "the bond option", [](WindowModel& w, Prompter&) { w.setBondNo(false); }, true, true },
        { "the bond option as it was", [](WindowModel& w, Prompter&) { w.setBondNo(true); }, false,
            false },
        { "an aircraft added", [](WindowModel& w, Prompter&) { w.addListAircraft(0); }, true,
            true },
        { "an aircraft already in the mix", [](WindowModel& w, Prompter&) { w.addListAircraft(1); },
            false, false },
        { "an aircraft removed",
            [](WindowModel& w, Prompter& p) {
                w.clickCell(2, 0);
                w.removeClicked(p);
            },
            true, true },
        { "Remove ALL", [](WindowModel& w, Prompter&) { w.removeAll(); }, true, true },
        { "Change Data to a new value",
            [](WindowModel& w, Prompter& p) {
                w.beginEdit(2, 2);
                w.confirmEdit("9000", p);
            },
            true, true },
        { "Change Data to the same value",
            [](WindowModel& w, Prompter& p) {
                w.beginEdit(2, 2);
                w.confirmEdit(w.oldValue(), p);
            },
            false, false },
        { "the other structure", [](WindowModel& w, Prompter&) { w.enterView(View::TwoLayer); },
            true, false },
        { "a typed slab", [](WindowModel& w, Prompter&) { w.setSlabText("15"); }, false, true },
        { "a unit switch",
            [](WindowModel& w, Prompter& p) { w.chooseUnits(UnitSystem::Metric, p); }, false,
            false },
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        ScriptedPrompter prompter;
        WindowModel window = Designed(prompter);
        change.apply(window, prompter);
        EXPECT_EQ(window.designStaleness(),
            change.marksDesign ? Staleness::InputsChanged : Staleness::Current);
        // The structure view and the unit switch drop the evaluation: nothing is left to mark.
        if (window.evaluation()) {
            EXPECT_EQ(window.evaluationStaleness(),
                change.marksEvaluation ? Staleness::InputsChanged : Staleness::Current);
        }
    }
}

TEST(WindowFreshness, AStoppedDesignMarksWhatTheDesignBeforeLeft)
{
    ScriptedPrompter prompter;
    WindowModel window = Designed(prompter);
    const std::string shown = window.design().lbh;
    window.setField(InputField::E, "100"); // outside the fatigue law's range: the design stops
    prompter.answers = { Answer::No };
    EXPECT_EQ(window.designThickness(prompter), DesignOutcome::Stopped);
    EXPECT_EQ(window.design().lbh, shown);
    EXPECT_EQ(window.designStaleness(), Staleness::DesignStopped);
    EXPECT_EQ(window.evaluationStaleness(), Staleness::DesignStopped);
    EXPECT_EQ(window.statusText(), StoppedStatus("Design stopped", &prompter.shown.back()));
    EXPECT_EQ(OutOfDateNote(ShownResult::Thickness, window.designStaleness()),
        "out of date \u2014 the last design stopped");

    // An accepted bound is an input the check changed; the design then rests on it.
    prompter.answers = { Answer::Yes };
    EXPECT_EQ(window.designThickness(prompter), DesignOutcome::Designed);
    EXPECT_EQ(window.design().field(InputField::E), "500000");
    EXPECT_EQ(window.designStaleness(), Staleness::Current);
    EXPECT_EQ(window.evaluationStaleness(), Staleness::Current);
    EXPECT_EQ(window.statusText(), "Designed: slab thickness " + window.design().lbh + " in.");
}

TEST(WindowFreshness, StudiesRestOnTheInputsTheyRanOn)
{
    WindowModel window(testing::TestSession({ 2, 4 }));
    ScriptedPrompter prompter;
    ASSERT_TRUE(window.runSensitivity(prompter));
    EXPECT_EQ(window.sensitivityStaleness(), Staleness::Current);
    ReliabilitySettings settings = window.reliabilitySettings();
    settings.samples = 20;
    window.setReliabilitySettings(settings);
    // Inputs changed while the reliability study runs: its result is out of date at once.
    const auto run = window.startReliability();
    window.setField(InputField::k, "150");
    ASSERT_TRUE(window.finishReliability(*run, prompter));
    EXPECT_EQ(window.reliabilityStaleness(), Staleness::InputsChanged);
    EXPECT_EQ(window.sensitivityStaleness(), Staleness::InputsChanged);
    EXPECT_EQ(window.statusText(), "Reliability study done.");
    ASSERT_TRUE(window.runSensitivity(prompter));
    EXPECT_EQ(window.sensitivityStaleness(), Staleness::Current);
    ASSERT_TRUE(window.finishReliability(*window.startReliability(), prompter));
    EXPECT_EQ(window.reliabilityStaleness(), Staleness::Current);
}

TEST(WindowFreshness, NotesHeaderAndStatusTexts)
{
    for (const ShownResult result :
        { ShownResult::Thickness, ShownResult::Charts, ShownResult::Trace, ShownResult::Report,
            ShownResult::Evaluation, ShownResult::Study }) {
        EXPECT_EQ(OutOfDateNote(result, Staleness::Current), "");
        EXPECT_NE(OutOfDateNote(result, Staleness::InputsChanged),
            OutOfDateNote(result, Staleness::DesignStopped));
    }
    EXPECT_EQ(OutOfDateNote(ShownResult::Thickness, Staleness::InputsChanged),
        "out of date \u2014 press Design Thickness");

    using namespace std::chrono;
    EXPECT_EQ(DateText(year(2026) / March / 4), "2026-03-04");
    EXPECT_EQ(DateText(year(987) / December / 31), "0987-12-31");
    const std::string version = std::string("KORVANT ") + kVersion;
    EXPECT_EQ(ReportPageHeader("apron.inp", false, "2026-03-04", Staleness::Current),
        std::vector<std::string> { "Input file: apron.inp   Date: 2026-03-04   " + version });
    EXPECT_EQ(ReportPageHeader("apron.inp", true, "2026-03-04", Staleness::Current).at(0),
        "Input file: apron.inp (unsaved changes)   Date: 2026-03-04   " + version);
    const auto stale = ReportPageHeader("", true, "2026-03-04", Staleness::InputsChanged);
    ASSERT_EQ(stale.size(), 2u);
    EXPECT_EQ(
        stale[0], "Input file: none (the inputs were never saved)   Date: 2026-03-04   " + version);
    EXPECT_EQ(stale[1], OutOfDateNote(ShownResult::Report, Staleness::InputsChanged));

    EXPECT_EQ(FirstLine("  Cannot read x.inp: no such file  \r\nsecond line"),
        "Cannot read x.inp: no such file");
    const Message message { "E is an invalid number; please try again!", "", Buttons::Ok,
        Icon::Warning };
    EXPECT_EQ(StoppedStatus("Not designed", &message),
        "Not designed: E is an invalid number; please try again!");
    EXPECT_EQ(StoppedStatus("Not saved", nullptr), "Not saved.");
    EXPECT_EQ(DesignedStatus("35.6", UnitSystem::Metric), "Designed: slab thickness 35.6 cm.");
}

TEST(WindowFreshness, ReportHeaderNamesTheFileOfTheSession)
{
    ScriptedPrompter prompter;
    WindowModel window = Designed(prompter);
    EXPECT_EQ(window.reportHeader("2026-03-04").size(), 1u);
    const std::filesystem::path folder
        = std::filesystem::temp_directory_path() / "korvant-window-freshness";
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(window.saveInputData(folder / "apron", prompter));
    EXPECT_EQ(window.currentFile(), folder / "apron.inp");
    EXPECT_EQ(window.statusText(), "Saved " + (folder / "apron.inp").string() + ".");
    window.setField(InputField::k, "150");
    const auto header = window.reportHeader("2026-03-04");
    ASSERT_EQ(header.size(), 2u);
    EXPECT_EQ(header[0].rfind("Input file: apron.inp (unsaved changes)   Date: 2026-03-04", 0), 0u);
    EXPECT_FALSE(window.saveInputData(folder / "apron.inp" / "x", prompter));
    EXPECT_EQ(window.currentFile(), folder / "apron.inp");
    EXPECT_EQ(window.statusText().rfind("Not saved: ", 0), 0u);
    std::filesystem::remove_all(folder);
}

TEST(WindowFreshness, TooltipsGiveTheRangeInTheSessionsUnits)
{
    EXPECT_EQ(InputFieldTip(InputField::E, UnitSystem::English),
        "Elastic modulus of the concrete E, in psi. Typical range 500000 to 8000000 psi; Design "
        "Thickness questions a value outside it.");
    EXPECT_EQ(InputFieldTip(InputField::k, UnitSystem::Metric),
        "Modulus of subgrade reaction k on top of the subgrade, in kPa/mm. Typical range 13.55 to "
        "189.7 kPa/mm; Design Thickness questions a value outside it.");
    EXPECT_EQ(InputFieldTip(InputField::h2, UnitSystem::Metric),
        "Thickness of the bottom layer h, in cm. Typical range 5.08 to 25.4 cm; Design Thickness "
        "checks only that it is a number, not negative.");
    EXPECT_EQ(InputFieldTip(InputField::Temperature, UnitSystem::Metric),
        "Annual mean air temperature at the airfield, in 'C. Usually -7 to 27 'C; no range is "
        "checked.");
    EXPECT_NE(DesignThicknessTip(UnitSystem::Metric).find(", in cm:"), std::string::npos);
}

// The window's toolkit sets the user's locale for the C library; a German one writes "1,5".
TEST(WindowFreshness, TableNumbersIgnoreTheLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale (LOCPATH is set by the test fixture)";
    EXPECT_EQ(SignificantText(1.366e-12, 4), "1.366e-12");
    EXPECT_EQ(SignificantText(14.780273, 6), "14.7803");
    std::setlocale(LC_NUMERIC, before.c_str());
}

} // namespace
} // namespace korvant
