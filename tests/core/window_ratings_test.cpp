// The window's ACR view and PCR panel without widgets: rows rated off the window's thread equal
// the core's ratings, a what-if weight or a changed aircraft rates its row only and never
// touches the catalogue, the PCR follows the design and is marked like every other result, and
// the pages after the report carry the same numbers.
#include <gtest/gtest.h>

#include <algorithm>

#include "design/acr_table.h"
#include "design/pcr_table.h"
#include "design/ratings_report.h"
#include "design/thickness_design.h"
#include "design/window_model.h"
#include "design_fixture.h"

namespace korvant {
namespace {

using testing::ScriptedPrompter;

// Rates what is pending, as the window's timer does; returns the number of rows rated.
int RatePending(WindowModel& window)
{
    ScriptedPrompter prompter;
    const std::unique_ptr<AcrRun> run = window.startAcr();
    if (!run)
        return 0;
    EXPECT_TRUE(window.finishAcr(*run, prompter));
    EXPECT_TRUE(prompter.shown.empty());
    return run->count();
}

void ComputePcrNow(WindowModel& window)
{
    ASSERT_TRUE(window.pcrDue());
    if (const std::unique_ptr<PcrRun> run = window.startPcr())
        window.finishPcr(*run);
    EXPECT_FALSE(window.pcrDue());
    EXPECT_EQ(window.pcrStaleness(), Staleness::Current);
}

WindowModel Designed(std::initializer_list<int> mix = { 2, 4 })
{
    WindowModel window(testing::TestSession(mix));
    window.enterView(View::OneLayer);
    ScriptedPrompter prompter;
    EXPECT_EQ(window.designThickness(prompter), DesignOutcome::Designed);
    return window;
}

TEST(WindowAcr, RowsEqualTheCoreRatingsAndOnlyChangedRowsAreRatedAgain)
{
    WindowModel window(testing::TestSession({ 4, 2 }));
    const DesignModel& design = window.design();
    EXPECT_EQ(window.acrView().records(design), (std::vector<int> { 1, 2, 3, 4, 5 }));
    EXPECT_FALSE(window.acrView().csv(design));
    EXPECT_EQ(RatePending(window), 5);
    const std::vector<AcrResult> catalogue
        = ComputeRecordsAcr(design.database, { 1, 2, 3, 4, 5 }, design.units);
    EXPECT_EQ(*window.acrView().csv(design), AcrCsv(catalogue, design.database, design.units));
    const TraceTable table = AcrTable(catalogue, design.database, design.units);
    const std::vector<AcrViewRow> rows = window.acrView().rows(design);
    ASSERT_EQ(rows.size(), table.rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].state, AcrRowState::Current);
        EXPECT_EQ(rows[i].cells, table.rows[i]);
    }
    EXPECT_EQ(window.acrView().headings(design.units), table.headings);
    EXPECT_EQ(RatePending(window), 0);

    // The mix's aircraft only, in mix order, from the ratings already kept.
    window.setAcrScope(AcrScope::Mix);
    EXPECT_EQ(window.acrView().records(design), (std::vector<int> { 4, 2 }));
    EXPECT_EQ(RatePending(window), 0);

    // Change Data of an aircraft rates its row again; its old rating is shown meanwhile.
    ScriptedPrompter prompter;
    window.beginEdit(2, 1);
    ASSERT_EQ(window.confirmEdit("900000", prompter).outcome, EditOutcome::Stored);
    EXPECT_EQ(window.acrView().rows(design)[0].state, AcrRowState::Outdated);
    EXPECT_EQ(window.acrView().rows(design)[1].state, AcrRowState::Current);
    EXPECT_EQ(RatePending(window), 1);
    EXPECT_EQ(window.acrView().rows(design)[0].cells,
        AcrTable({ ComputeRecordsAcr(design.database, { 4 }, design.units) }, design.database,
            design.units)
            .rows[0]);
    // The report's table of the mix takes the kept ratings and computes the same.
    const std::vector<AcrResult> mix = window.mixAcr();
    EXPECT_EQ(AcrCsv(mix, design.database, design.units),
        AcrCsv(ComputeRecordsAcr(design.database, { 4, 2 }, design.units), design.database,
            design.units));
}

TEST(WindowAcr, WhatIfWeightRatesItsRowWithoutTouchingTheCatalogue)
{
    WindowModel window(testing::TestSession({ 2 }));
    RatePending(window);
    const AircraftDatabase catalogue = window.design().database;
    const std::string csvBefore = *window.acrView().csv(window.design());
    ScriptedPrompter prompter;

    const struct
    {
        const char* typed;
        std::deque<Answer> answers;
        bool taken;
        const char* kept; // the what-if weight afterwards, "" for none
        std::vector<std::string> messages;
    } cases[] = {
        { "150000", {}, true, "150000", {} },
        { "heavy", {}, false, "150000", { "This is an invalid number; please try again!" } },
        { "2e8", { Answer::Yes }, true, "100000000",
            { "This is not within the typical data range( 0,  1E+08). Accept the suggested "
              "maximum value?" } },
        { "174700", {}, true, "", {} }, // the catalogue's own weight: no what-if
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        prompter.shown.clear();
        prompter.answers = c.answers;
        EXPECT_EQ(window.setWhatIfWeight(2, c.typed, prompter), c.taken);
        EXPECT_EQ(prompter.texts(), c.messages);
        EXPECT_EQ(window.acrView().whatIfWeight(2).value_or(""), c.kept);
        EXPECT_EQ(window.design().database, catalogue);
    }

    ASSERT_TRUE(window.setWhatIfWeight(2, "150000", prompter));
    EXPECT_EQ(window.statusText(),
        "What-if gross weight of B737-800: 150000 lb (the catalogue holds 174700 lb).");
    const std::vector<AcrRowInput> pending = window.acrView().pending(window.design());
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].record, 2);
    EXPECT_EQ(RatePending(window), 1);
    AircraftDatabase whatIf = catalogue;
    whatIf.record(2).grossWeight = "150000";
    const std::vector<int> all = { 1, 2, 3, 4, 5 };
    EXPECT_EQ(*window.acrView().csv(window.design()),
        AcrCsv(ComputeRecordsAcr(whatIf, all, UnitSystem::English), whatIf, UnitSystem::English));
    EXPECT_TRUE(window.acrView().rows(window.design())[1].whatIf);
    // Neither the design's mix nor the report's table sees it.
    EXPECT_EQ(window.mixAcr()[0].categories[0].acr,
        ComputeRecordsAcr(catalogue, { 2 }, UnitSystem::English)[0].categories[0].acr);

    // A unit switch converts the what-if weight as it converts the catalogue's.
    ASSERT_TRUE(window.chooseUnits(UnitSystem::Metric, prompter));
    EXPECT_EQ(window.acrView().whatIfWeight(2), "667.5");
    EXPECT_EQ(window.acrView().pending(window.design()).size(), 5u);

    window.clearWhatIfWeight(2);
    ASSERT_TRUE(window.chooseUnits(UnitSystem::English, prompter));
    RatePending(window);
    EXPECT_EQ(*window.acrView().csv(window.design()), csvBefore);
}

TEST(WindowPcr, FollowsTheDesignAndIsMarkedLikeEveryResult)
{
    WindowModel window(testing::TestSession({ 2, 4 }));
    EXPECT_FALSE(window.pcrDue());
    window.enterView(View::OneLayer);
    ScriptedPrompter prompter;
    ASSERT_EQ(window.designThickness(prompter), DesignOutcome::Designed);
    ComputePcrNow(window);
    const DesignModel& design = window.design();
    const PcrResult expected
        = ComputePcr(design.result.trace.basis, design.result.thickness, design.units);
    ASSERT_TRUE(window.pcr()->result);
    EXPECT_EQ(PcrPanelCsv(*window.pcr(), design.units),
        PcrCsv(expected, design.result.trace.basis, design.units));
    // Following the design, the status line stays the design's.
    EXPECT_EQ(window.statusText(), DesignedStatus(design.lbh, design.units));

    // The category overridden: out of date until computed again, then category D.
    window.setPcrCategory(SubgradeCategory::D);
    EXPECT_EQ(window.pcrStaleness(), Staleness::InputsChanged);
    ComputePcrNow(window);
    EXPECT_EQ(window.statusText(),
        PcrCode(*window.pcr()->result) + " of the "
            + ThicknessText(design.result.thickness, design.units) + " slab of the design.");
    EXPECT_EQ(window.pcr()->result->category, SubgradeCategory::D);
    EXPECT_TRUE(window.pcr()->result->categoryGiven);

    // An input changed: marked, and not computed again before the next design.
    window.setField(InputField::k, "150");
    EXPECT_EQ(window.pcrStaleness(), Staleness::InputsChanged);
    EXPECT_FALSE(window.pcrDue());
    EXPECT_TRUE(window.computePcr(prompter));
    ComputePcrNow(window);

    // A design that stops leaves the PCR of the design before it, marked so.
    window.setField(InputField::E, "100");
    prompter.answers = { Answer::No };
    EXPECT_FALSE(window.computePcr(prompter));
    EXPECT_EQ(window.pcrStaleness(), Staleness::DesignStopped);
    EXPECT_FALSE(window.pcrDue());
}

TEST(WindowPcr, TypedSlabChecksAndUnitSwitch)
{
    WindowModel window = Designed();
    ScriptedPrompter prompter;
    window.setPcrTypedSlab(true);
    window.setPcrThicknessText("abc");
    EXPECT_FALSE(window.computePcr(prompter));
    EXPECT_EQ(prompter.texts(),
        std::vector<std::string> { "The slab thickness \"abc\" is not a number." });
    // After a design the panel keeps the reason instead of asking.
    ASSERT_TRUE(window.pcrDue());
    EXPECT_FALSE(window.startPcr());
    EXPECT_EQ(window.pcr()->refusal, "The slab thickness \"abc\" is not a number.");
    EXPECT_EQ(window.statusText(), "No PCR: The slab thickness \"abc\" is not a number.");
    EXPECT_FALSE(window.pcrDue());

    window.setPcrThicknessText("18");
    EXPECT_TRUE(window.computePcr(prompter));
    ComputePcrNow(window);
    EXPECT_EQ(window.pcr()->thickness, 18.0f);
    EXPECT_EQ(PcrTextsOf(*window.pcr(), UnitSystem::English).slab, "PCR of the given 18.0 in slab");
    // A typed slab waits for Compute PCR (or the next design) rather than follow each key.
    window.setPcrThicknessText("19");
    EXPECT_EQ(window.pcrStaleness(), Staleness::InputsChanged);
    EXPECT_FALSE(window.pcrDue());
    EXPECT_TRUE(window.computePcr(prompter));
    ComputePcrNow(window);
    window.setPcrThicknessText("18");
    EXPECT_EQ(window.designThickness(prompter), DesignOutcome::Designed);
    ComputePcrNow(window);

    ASSERT_TRUE(window.chooseUnits(UnitSystem::Metric, prompter));
    EXPECT_EQ(window.pcrSettings().thicknessText, "45.72");
    EXPECT_EQ(window.pcrStaleness(), Staleness::Current);
    EXPECT_EQ(PcrTextsOf(*window.pcr(), UnitSystem::Metric).slab, "PCR of the given 45.7 cm slab");

    // Reading a file starts the panel afresh; a PCR still running for the old session is dropped.
    window.setPcrCategory(SubgradeCategory::C);
    const std::unique_ptr<PcrRun> running = window.startPcr();
    ASSERT_TRUE(running);
    window.replaceSession(testing::TestSession({ 2 }));
    window.finishPcr(*running);
    EXPECT_FALSE(window.pcr());
    EXPECT_EQ(window.pcrSettings(), PcrSettings {});
}

TEST(WindowPcr, NoThicknessToRate)
{
    DesignModel session = testing::TestSession({ 4 });
    session.database.record(4).annualDepartures = "1e42";
    WindowModel window(session);
    window.enterView(View::OneLayer);
    ScriptedPrompter prompter;
    ASSERT_EQ(window.designThickness(prompter), DesignOutcome::Designed);
    ASSERT_TRUE(window.pcrDue());
    EXPECT_FALSE(window.startPcr());
    EXPECT_EQ(window.pcr()->refusal,
        "The design found no thickness to rate: the traffic needs more than the 30 in searched.");
    const PcrTexts texts = PcrTextsOf(*window.pcr(), UnitSystem::English);
    EXPECT_EQ(texts.slab, "PCR");
    EXPECT_EQ(texts.code, "No PCR");
    EXPECT_EQ(texts.note, window.pcr()->refusal);
    EXPECT_FALSE(PcrPanelCsv(*window.pcr(), UnitSystem::English));
}

TEST(RatingsReport, PagesCarryTheWindowsNumbersAndTheOutOfDateNote)
{
    WindowModel window = Designed();
    ComputePcrNow(window);
    const DesignModel& design = window.design();
    const auto has = [](const std::vector<std::string>& lines, const std::string& text) {
        return std::any_of(lines.begin(), lines.end(),
            [&](const std::string& line) { return line.find(text) != std::string::npos; });
    };
    std::vector<std::string> lines = window.ratingsReportLines();
    const PcrResult& pcr = *window.pcr()->result;
    EXPECT_TRUE(has(lines, "     " + PcrCode(pcr)));
    EXPECT_TRUE(has(lines, PcrCategoryNote(pcr, window.pcr()->basis, design.units)));
    const TraceTable acr = AcrTable(window.mixAcr(), design.database, design.units);
    for (const auto& row : acr.rows)
        for (const std::string& cell : row)
            EXPECT_TRUE(has(lines, cell)) << cell;
    EXPECT_FALSE(has(lines, "Out of date"));
    for (const std::string& line : lines)
        EXPECT_LE(line.size(), 94u) << line;

    window.setField(InputField::Sc, "700");
    lines = window.ratingsReportLines();
    EXPECT_TRUE(has(lines, "Out of date: the inputs, the slab or the category changed"));
}

TEST(RatingsReport, TextTablesAndWrapping)
{
    const TraceTable table { { "Record", "Aircraft", "ACR" },
        { { "2", "B737-800", "524.2" }, { "62", "A", "" } } };
    EXPECT_EQ(TextTableLines(table, { { 2, 1, "Rating" } }),
        (std::vector<std::string> {
            "                  Rating",
            "Record  Aircraft    ACR",
            "     2  B737-800  524.2",
            "    62  A",
        }));
    // A heading wider than its cells takes two lines.
    EXPECT_EQ(TextTableLines({ { "Allowable weight (lb)" }, { { "1" } } }),
        (std::vector<std::string> { "  Allowable", "weight (lb)", "          1" }));
    EXPECT_EQ(WrappedLines("one two three four", 9),
        (std::vector<std::string> { "one two", "three", "four" }));
    EXPECT_EQ(WrappedLines("", 9), std::vector<std::string> { "" });
}

} // namespace
} // namespace korvant
