// Whole designs: the bisection's end points, convergence, units, structures and the designs that
// stop outside a model's domain without changing anything.
#include <gtest/gtest.h>

#include "design/thickness_design.h"
#include "design/unit_switch.h"
#include "design_fixture.h"
#include "io/number_text.h"

namespace korvant {
namespace {

using testing::TestSession;

float TotalDamage(const DesignModel& model)
{
    float total = 0;
    for (int slot = 1; slot <= model.mix.count(); ++slot)
        total += model.result.aircraft[static_cast<std::size_t>(model.mix.record(slot))].damageRatio
            / 100;
    return total;
}

TEST(ThicknessDesign, BisectionEndPoints)
{
    DesignModel empty = TestSession();
    RunDesign(empty);
    EXPECT_EQ(empty.result.thickness, 30.0f / 524288);
    EXPECT_EQ(empty.lbh, "0.0");

    DesignModel heavy = TestSession({ 4 });
    heavy.database.record(4).annualDepartures = "1e20";
    RunDesign(heavy);
    EXPECT_EQ(heavy.result.thickness, 30.0f - 30.0f / 524288);
    EXPECT_EQ(heavy.lbh, "30.0");
}

TEST(ThicknessDesign, ConvergesToUnitDamage)
{
    DesignModel model = TestSession({ 2, 3, 4, 1, 5 });
    RunDesign(model);
    EXPECT_GE(model.result.thickness, 4.0f);
    EXPECT_NEAR(TotalDamage(model), 1.0, 0.001);
    EXPECT_EQ(model.lbh, "16.3");
    // Aircraft not in the mix carry no results of this design.
    model.mix.removeSlot(5);
    RunDesign(model);
    EXPECT_TRUE(model.result.aircraft[2].fromLastDesign);
    EXPECT_FALSE(model.result.aircraft[5].fromLastDesign);
}

// The search's limits as texts quote them, in both units.
TEST(ThicknessDesign, SearchLimitTexts)
{
    EXPECT_EQ(SearchLimitText(UnitSystem::English), "30 in");
    EXPECT_EQ(SearchLimitText(UnitSystem::Metric), "76.2 cm");
    EXPECT_EQ(BeyondSearchText(UnitSystem::English), "> 30 in");
    EXPECT_EQ(BeyondSearchText(UnitSystem::Metric), "> 76.2 cm");
    EXPECT_EQ(MinimumThicknessText(UnitSystem::English), "4 in");
}

TEST(ThicknessDesign, MetricDesignMatchesEnglishAndKeepsValues)
{
    DesignModel english = TestSession({ 2, 3, 4 });
    RunDesign(english);

    DesignModel metric = TestSession({ 2, 3, 4 });
    SwitchToMetric(metric);
    metric.database.record(1).grossWeight = "100";
    metric.database.record(30).tirePressure = "";
    const AircraftDatabase before = metric.database;
    for (int run = 0; run < 5; ++run)
        RunDesign(metric);
    EXPECT_NEAR(metric.result.thickness, english.result.thickness, 0.01);
    EXPECT_EQ(metric.lbh, FormatNumber(static_cast<double>(metric.result.thickness) * 2.54, "0.0"));
    EXPECT_EQ(metric.database.record(1).grossWeight, "100");
    EXPECT_EQ(metric.database.record(30).tirePressure, "0");
    for (int row = 2; row <= 5; ++row)
        EXPECT_EQ(metric.database.record(row), before.record(row)) << row;
}

TEST(ThicknessDesign, StructureFollowsBondOption)
{
    DesignModel model = TestSession({ 2, 4 });
    model.layerMode = kTwoLayerBonded;
    model.bondNo = true;
    RunDesign(model);
    EXPECT_EQ(model.layerMode, kTwoLayerUnbonded);
    const float unbonded = model.result.thickness;
    model.bondNo = false;
    RunDesign(model);
    EXPECT_EQ(model.layerMode, kTwoLayerBonded);
    EXPECT_NE(model.result.thickness, unbonded);
}

TEST(ThicknessDesign, DomainErrorsStopAndChangeNothing)
{
    struct Row
    {
        const char* what;
        void (*change)(DesignModel&);
        const char* message;
    };
    const Row rows[] = {
        { "contact width", [](DesignModel& m) { m.database.record(2).tireContactWidth = "0"; },
            "B737-800: tire contact width must be greater than 0" },
        { "wheel count", [](DesignModel& m) { m.database.record(2).wheelCount = "0"; },
            "B737-800: wheel count must be greater than 0" },
        { "text", [](DesignModel& m) { m.database.record(2).annualDepartures = "many"; },
            "B737-800: the annual departures \"many\" is not a number." },
        { "dual spacing", [](DesignModel& m) { m.database.record(2).dualSpacing = "300"; },
            "B737-800: dual spacing must be less than 101 in" },
        { "k", [](DesignModel& m) { m.field(InputField::k) = "0"; },
            "The modulus of subgrade reaction k must be greater than 0." },
        { "slab length", [](DesignModel& m) { m.field(InputField::SlabLength) = "0"; },
            "The slab length must be greater than 0." },
        { "bonded stiff layer",
            [](DesignModel& m) {
                m.layerMode = kTwoLayerBonded;
                m.bondNo = false;
                m.field(InputField::E2) = "1e12";
                m.field(InputField::h2) = "40";
            },
            "The design found no thickness: at a trial thickness of " },
    };
    for (const Row& row : rows) {
        DesignModel model = TestSession({ 2, 4 });
        SwitchToMetric(model);
        RunDesign(model);
        row.change(model);
        const DesignModel before = model;
        try {
            RunDesign(model);
            ADD_FAILURE() << row.what << ": the design ran";
        } catch (const DesignStopped& stopped) {
            EXPECT_EQ(std::string(stopped.what()).rfind(row.message, 0), 0u)
                << row.what << ": " << stopped.what();
        }
        EXPECT_EQ(model, before) << row.what;
    }
}

} // namespace
} // namespace korvant
