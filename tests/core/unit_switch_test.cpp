// Unit switching: there-and-back conversion of every field, the thickness caption and the
// aircraft table, the worked values of the two systems, and switches that are refused whole.
#include <gtest/gtest.h>

#include "design/unit_switch.h"
#include "design_fixture.h"
#include "io/number_text.h"

namespace korvant {
namespace {

using testing::ScriptedPrompter;
using testing::TestSession;

TEST(Units, EveryFieldThereAndBack)
{
    struct Row
    {
        InputField field;
        const char* english;
        const char* metric;
        const char* back; // "0.0" fields keep the rounding of their metric text
    };
    const Row rows[] = {
        { InputField::E, "4000000", "27560000", "4000000" },
        { InputField::Sc, "650", "4478.5", "650" },
        { InputField::k, "200", "54.2", "200" },
        { InputField::E2, "50000", "344500", "50000" },
        { InputField::h2, "3", "7.62", "3" },
        { InputField::SlabLength, "25", "7.62", "25" },
        { InputField::SlabWidth, "20", "6.096", "20" },
        { InputField::Precipitation, "38.7", "983.0", "38.7" },
        { InputField::Temperature, "70", "21.1", "70.0" },
        { InputField::WindSpeed, "7.19", "3.2", "7.2" },
    };
    DesignModel model = TestSession();
    for (const Row& row : rows)
        model.field(row.field) = row.english;
    SwitchToMetric(model);
    EXPECT_EQ(model.units, UnitSystem::Metric);
    for (const Row& row : rows)
        EXPECT_EQ(model.field(row.field), row.metric) << InputFieldInfoOf(row.field).objectName;
    SwitchToEnglish(model);
    EXPECT_EQ(model.units, UnitSystem::English);
    for (const Row& row : rows)
        EXPECT_EQ(model.field(row.field), row.back) << InputFieldInfoOf(row.field).objectName;
}

TEST(Units, WorkedValuesOfTheOtherSystem)
{
    DesignModel metric;
    metric.units = UnitSystem::Metric;
    metric.field(InputField::SlabLength) = "7.62";
    metric.field(InputField::SlabWidth) = "6";
    metric.field(InputField::Temperature) = "0";
    metric.lbh = "35.6";
    SwitchToEnglish(metric);
    EXPECT_EQ(metric.field(InputField::SlabLength), "25");
    EXPECT_EQ(metric.field(InputField::SlabWidth), "19.6850393700787");
    EXPECT_EQ(metric.field(InputField::Temperature), "32.0");
    EXPECT_EQ(metric.lbh, "14.0");

    DesignModel english;
    english.lbh = "14.0";
    english.field(InputField::Temperature) = "31.99"; // -0.0056 'C shows without a sign
    SwitchToMetric(english);
    EXPECT_EQ(english.lbh, "35.6");
    EXPECT_EQ(english.field(InputField::Temperature), "0.0");

    DesignModel noDesign; // an empty thickness caption stays empty
    SwitchToMetric(noDesign);
    EXPECT_EQ(noDesign.lbh, "");
}

TEST(Units, AircraftTableThereAndBack)
{
    DesignModel model = TestSession({ 2, 3 });
    AircraftRecord& light = model.database.record(1);
    light.grossWeight = "1";
    light.tirePressure = "0";
    light.dualSpacing = "abc"; // no leading number: counts as 0
    const AircraftDatabase before = model.database;

    SwitchToMetric(model);
    EXPECT_EQ(light.grossWeight, "0.00445");
    EXPECT_EQ(light.tirePressure, "0");
    EXPECT_EQ(light.dualSpacing, "0");
    EXPECT_EQ(model.database.record(2).grossWeight, "777.415"); // 174700 lb
    EXPECT_EQ(model.database.record(2).tireContactWidth, "29.7688"); // 11.72 in.
    EXPECT_EQ(model.database.record(40).tandemSpacing, "0"); // rows beyond the catalogue too

    SwitchToEnglish(model);
    for (int r = 1; r <= model.database.recordCount; ++r)
        for (int f = 1; f <= 9; ++f) {
            const auto field = static_cast<AircraftField>(f);
            const std::string& was = before.record(r).field(field);
            const std::string& now = model.database.record(r).field(field);
            if (r == 1 && field == AircraftField::dualSpacing) {
                EXPECT_EQ(now, "0");
            } else {
                EXPECT_EQ(NumberOfText(now), NumberOfText(was)) << r << " field " << f;
            }
            if (f == 1 || f == 3 || f == 4 || f == 6) { // fields without a unit keep their text
                EXPECT_EQ(now, was) << r << " field " << f;
            }
        }
}

TEST(Units, RefusedSwitchChangesNothing)
{
    struct Row
    {
        InputField field;
        const char* text;
        const char* named; // part of the message
    };
    const Row rows[] = {
        { InputField::Temperature, "", "annual mean temperature \"\" is not a number" },
        { InputField::WindSpeed, "abc", "annual mean wind speed \"abc\" is not a number" },
        { InputField::E, "12abc", "elastic modulus of concrete \"12abc\" is not a number" },
        { InputField::Sc, "1e400", "flexural strength \"1e400\" is beyond the range" },
        { InputField::E2, "1e308", "bottom layer \"1e308\" is too large" },
    };
    for (const Row& row : rows) {
        DesignModel model = TestSession({ 1, 2 });
        model.lbh = "14.0";
        model.field(row.field) = row.text;
        const DesignModel before = model;
        try {
            SwitchToMetric(model);
            ADD_FAILURE() << row.text << " was converted";
        } catch (const UnitSwitchRefused& refused) {
            EXPECT_NE(std::string(refused.what()).find(row.named), std::string::npos)
                << refused.what();
        }
        EXPECT_TRUE(model == before) << row.text;
    }

    // An aircraft value that would overflow refuses the whole switch, fields included.
    DesignModel model = TestSession({ 1 });
    model.database.record(3).tirePressure = "1e308";
    const DesignModel before = model;
    EXPECT_THROW(SwitchToMetric(model), UnitSwitchRefused);
    EXPECT_TRUE(model == before);
}

TEST(Units, MenuCommandAnnouncesThenReportsARefusal)
{
    DesignModel model = TestSession();
    ScriptedPrompter prompter;
    EXPECT_FALSE(ChooseUnitSystem(model, UnitSystem::English, prompter)); // already English
    EXPECT_TRUE(prompter.shown.empty());

    model.field(InputField::SlabWidth) = "wide";
    const DesignModel before = model;
    EXPECT_FALSE(ChooseUnitSystem(model, UnitSystem::Metric, prompter));
    EXPECT_TRUE(model == before);
    ASSERT_EQ(prompter.shown.size(), 2u);
    const Message announced { "Metric System Selected", "KORVANT", Buttons::Ok, Icon::Information };
    EXPECT_EQ(prompter.shown[0], announced);
    EXPECT_EQ(prompter.shown[1].text,
        "The slab width \"wide\" is not a number, so the units were not switched.");

    model.field(InputField::SlabWidth) = "25";
    EXPECT_TRUE(ChooseUnitSystem(model, UnitSystem::Metric, prompter));
    EXPECT_EQ(model.units, UnitSystem::Metric);
    EXPECT_EQ(prompter.shown.size(), 3u);
}

} // namespace
} // namespace korvant
