// The window's state without widgets: the view table, the traffic grid's texts and bookkeeping,
// the Change Data edit, the report request and the start-up catalogue.
#include "design/window_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "basics/program_info.h"
#include "design/report.h"
#include "design/window_texts.h"
#include "scripted_prompter.h"

namespace korvant {
namespace {

using testing::ScriptedPrompter;

WindowModel ThreeAircraft(const std::string& lbh = "")
{
    DesignModel design;
    design.lbh = lbh;
    AircraftDatabase& db = design.database;
    db.titles = { "", "Aircraft", "Gross Weight", "Annual Departures", "Gear Load %",
        "Tire Pressure", "Wheels", "Dual Spacing", "Tandem Spacing", "Contact Width" };
    db.rows[1] = { "Alpha", "2558.4", "1200", "47.5", "50", "1", "0", "0", "4.09" };
    db.rows[2] = { "Bravo", "174700", "1500", "46.78", "205.5", "2", "34", "0", "11.725" };
    db.rows[3] = { "Charlie", "n/a", "300", "46", "200", "4", "45", "56", "12.82" };
    db.recordCount = 3;
    return WindowModel(design);
}

TEST(WindowModel, ViewsSetLayerModeAndClearThickness)
{
    DesignModel design;
    design.lbh = "14.2";
    design.layerMode = kTwoLayerUnbonded;
    WindowModel window(design);
    const ViewLayout& aircraft = window.enterView(View::Aircraft);
    EXPECT_EQ(aircraft.picture, false);
    EXPECT_EQ(aircraft.aircraftControls, true);
    EXPECT_EQ(aircraft.slabGroup, std::nullopt);
    EXPECT_EQ(aircraft.aircraftMenu, false);
    EXPECT_EQ(window.design().lbh, "14.2");
    EXPECT_EQ(window.design().layerMode, kTwoLayerUnbonded);

    const ViewLayout& two = window.enterView(View::TwoLayer);
    EXPECT_EQ(two.bottomLayer, true);
    EXPECT_EQ(two.rowsLowered, true);
    EXPECT_EQ(two.structureMenu, false);
    EXPECT_EQ(window.design().layerMode, kTwoLayerBonded);
    EXPECT_EQ(window.design().lbh, "");

    const ViewLayout& one = window.enterView(View::OneLayer);
    EXPECT_EQ(one.bottomLayer, false);
    EXPECT_EQ(one.rowsLowered, false);
    EXPECT_EQ(window.design().layerMode, kOneLayer);

    const ViewLayout& title = window.enterView(View::Title);
    EXPECT_EQ(title.titleLines, true);
    EXPECT_EQ(title.designButtons, false);
    EXPECT_EQ(title.structureMenu, true);
    EXPECT_EQ(ReportShownLayout().picture, std::nullopt);
    EXPECT_EQ(ReportShownLayout().structureMenu, true);
}

TEST(WindowModel, GridShowsTitlesUnitsAndFormats)
{
    WindowModel window = ThreeAircraft();
    for (int p : { 1, 2, 0 })
        ASSERT_TRUE(window.addListAircraft(p));
    const auto rows = window.gridTexts();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0][2], "Annual Departures");
    EXPECT_EQ(
        rows[1], (std::vector<std::string> { "", "lb", "", "", "psi", "", "in.", "in.", "in." }));
    EXPECT_EQ(rows[2],
        (std::vector<std::string> {
            "Bravo", "174700", "1500", "46.78", "205.50", "2", "34.00", "0.00", "11.73" }));
    EXPECT_EQ(rows[3][1], "n/a");
    EXPECT_EQ(rows[4][1], "2558");
}

TEST(WindowModel, AddsAndRemovesAsTheButtonsDo)
{
    WindowModel window = ThreeAircraft();
    ScriptedPrompter prompter;
    EXPECT_FALSE(window.removeClicked(prompter)); // empty mix: silent
    EXPECT_FALSE(window.addListAircraft(-1));
    EXPECT_FALSE(window.addListAircraft(3));
    for (int p : { 0, 1, 2, 1 })
        window.addListAircraft(p);
    EXPECT_EQ(window.design().mix.count(), 3);
    EXPECT_TRUE(prompter.shown.empty());

    EXPECT_FALSE(window.removeClicked(prompter)); // nothing clicked yet
    window.clickCell(1, 3); // the unit row
    EXPECT_FALSE(window.removeClicked(prompter));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].text, "Please Select the aircarft that you want to delete!");
    EXPECT_EQ(prompter.shown[0].title, "KORVANT");

    window.clickCell(3, 0);
    EXPECT_TRUE(window.removeClicked(prompter));
    EXPECT_EQ(window.clickedRow(), 0);
    EXPECT_EQ(window.design().mix.record(1), 1);
    EXPECT_EQ(window.design().mix.record(2), 3);
    EXPECT_EQ(window.design().mix.entries[3], 0);

    // A click from before Remove ALL does not select a row of the new mix.
    window.clickCell(2, 0);
    window.removeAll();
    EXPECT_EQ(window.clickedRow(), 2);
    window.addListAircraft(0);
    EXPECT_FALSE(window.removeClicked(prompter));
    EXPECT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(window.design().mix.count(), 1);
}

TEST(WindowModel, ChangeDataChecksBeforeStoring)
{
    WindowModel window = ThreeAircraft();
    window.addListAircraft(1);
    EXPECT_FALSE(window.beginEdit(0, 1));
    EXPECT_FALSE(window.beginEdit(1, 1));
    EXPECT_FALSE(window.beginEdit(2, 0));
    EXPECT_FALSE(window.beginEdit(3, 1));

    const auto request = window.beginEdit(2, 4);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->prompt, "Please input the new Tire Pressure data of Bravo");
    EXPECT_EQ(request->value, "205.5");
    EXPECT_EQ(request->unit, "psi");
    EXPECT_EQ(window.editRow(), 1);
    EXPECT_EQ(window.editColumn(), 4);

    ScriptedPrompter prompter;
    EditResult result = window.confirmEdit("abc", prompter);
    EXPECT_EQ(result.outcome, EditOutcome::Rejected);
    EXPECT_EQ(result.text, "205.5");
    EXPECT_EQ(prompter.shown.at(0).text, "This is an invalid number; please try again!");

    prompter.answers = { Answer::Yes };
    result = window.confirmEdit("2e8", prompter);
    EXPECT_EQ(result.outcome, EditOutcome::Stored);
    EXPECT_EQ(result.text, "1E+08");
    EXPECT_EQ(window.design().database.record(2).tirePressure, "100000000");

    window.confirmEdit("180.250", prompter);
    EXPECT_EQ(window.design().database.record(2).tirePressure, "180.25");

    window.removeAll(); // the dialog stays open while the mix empties
    result = window.confirmEdit("190", prompter);
    EXPECT_EQ(result.outcome, EditOutcome::TargetGone);
    EXPECT_EQ(window.design().database.record(2).tirePressure, "180.25");
}

TEST(WindowModel, ReportNeedsADesignFirst)
{
    WindowModel window = ThreeAircraft();
    ScriptedPrompter prompter;
    EXPECT_FALSE(window.reportForView(prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Plesae click \"Design Thickness\" button, First !  ");
    EXPECT_EQ(prompter.shown[0].buttons, Buttons::CancelTryAgainContinue);

    window = ThreeAircraft("12.0");
    EXPECT_EQ(window.reportForView(prompter), ReportText(window.design()));

    const auto lines = ReportLines(window.design());
    std::string joined;
    for (const std::string& line : lines)
        joined += line + "\r\n";
    EXPECT_EQ(joined, ReportText(window.design()));
    const auto pages = PaginateLines(lines, 10);
    EXPECT_EQ(pages.size(), (lines.size() + 9) / 10);
    EXPECT_EQ(pages.back().back(), lines.back());
    EXPECT_EQ(PaginateLines({}, 10).size(), 1u);
}

TEST(WindowModel, ReportPagesComeFromOneReport)
{
    WindowModel window = ThreeAircraft();
    ScriptedPrompter prompter;
    EXPECT_FALSE(window.reportPages("2026-01-01", prompter));
    EXPECT_EQ(prompter.shown.size(), 1u);

    window = ThreeAircraft("12.0");
    const auto pages = window.reportPages("2026-01-01", prompter);
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->header, window.reportHeader("2026-01-01"));
    EXPECT_EQ(pages->lines, ReportLines(window.design()));
    EXPECT_EQ(pages->ratings, window.ratingsReportLines());
    EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST(WindowModel, AboutAndStartCatalogue)
{
    EXPECT_EQ(ProgramVersionLine(), "KORVANT 1.3");
    EXPECT_EQ(AboutCreditsText().rfind("KORVANT 1.3\r\nRigid Airfield Pavement Thickness Design\r\n"
                                       "\r\n",
                  0),
        0u);

    DesignModel model;
    std::string note = "x";
    const std::filesystem::path missing = "/nonexistent/korvant/fly.dll";
    const std::filesystem::path bundled = KORVANT_SOURCE_DIR "/data/fly.dll";
    EXPECT_EQ(LoadStartCatalogue(model, { missing, bundled }, note), bundled);
    EXPECT_EQ(note, "");
    EXPECT_GT(model.database.recordCount, 0);
    try {
        LoadStartCatalogue(model, { missing }, note);
        FAIL() << "a missing catalogue was read";
    } catch (const CatalogueError& error) {
        EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos);
        EXPECT_EQ(CatalogueFailureMessage(error).title, "KORVANT");
    }
}

} // namespace
} // namespace korvant
