// The input check's questions and the Design Thickness sequence, answered by a script.
#include <gtest/gtest.h>

#include "design/input_check.h"
#include "design/unit_switch.h"
#include "design_fixture.h"

namespace korvant {
namespace {

using testing::ScriptedPrompter;
using testing::TestSession;

TEST(InputCheck, QuestionsAndOfferedBounds)
{
    struct Row
    {
        const char* text;
        float minimum, maximum;
        Answer answer;
        const char* result;
        const char* firstMessage;
    };
    const Row rows[] = {
        { "4000000", 500000, 8000000, Answer::Yes, "4000000", nullptr },
        { "500", 500, 1000, Answer::Yes, "500", nullptr },
        { "100", 500000, 8000000, Answer::Yes, "500000",
            "E is not within the typical data range( 500000,  8000000). Accept the suggested "
            "minimum value?" },
        { "100", 500000, 8000000, Answer::No, "100", nullptr },
        { "900", 50, 700, Answer::Yes, "700", nullptr },
        { "60000000", 3445000, 55120000, Answer::Yes, "5.512E+07", nullptr },
        { "abc", 500, 1000, Answer::Yes, "abc", "E is an invalid number; please try again!" },
        { "-5", 50, 700, Answer::Yes, "-5", nullptr },
        { "1e999", 0, 1e8f, Answer::Yes, "1e999", "E is an invalid number; please try again!" },
    };
    for (const Row& row : rows) {
        ScriptedPrompter prompter({ row.answer });
        EXPECT_EQ(CheckInputValue(row.text, "E", row.minimum, row.maximum, prompter), row.result)
            << row.text;
        if (row.firstMessage) {
            ASSERT_FALSE(prompter.shown.empty());
            EXPECT_EQ(prompter.shown[0].text, row.firstMessage);
        }
    }
    ScriptedPrompter keep({ Answer::No });
    CheckInputValue("100", "E", 500000, 8000000, keep);
    ASSERT_EQ(keep.shown.size(), 2u);
    EXPECT_EQ(keep.shown[1],
        (Message {
            "Keep the E input value anyway!", "korvant13", Buttons::Ok, Icon::Information, true }));
}

TEST(InputCheck, DesignThicknessSequence)
{
    DesignModel model = TestSession({ 2 });
    model.field(InputField::E) = "100";
    ScriptedPrompter yes({ Answer::Yes });
    EXPECT_EQ(DesignThickness(model, yes), DesignOutcome::Designed);
    EXPECT_EQ(model.field(InputField::E), "500000");

    model.field(InputField::Sc) = "letters";
    model.field(InputField::k) = "-5";
    model.lbh = "9.9";
    ScriptedPrompter invalid;
    EXPECT_EQ(DesignThickness(model, invalid), DesignOutcome::InvalidInput);
    ASSERT_EQ(invalid.shown.size(), 2u);
    EXPECT_EQ(invalid.shown[1].text, "k is an invalid number; please try again!");
    EXPECT_EQ(model.lbh, "9.9");

    // In a two-layer structure the bottom layer is tested as numbers only.
    DesignModel twoLayer = TestSession({ 2 });
    twoLayer.layerMode = kTwoLayerBonded;
    ScriptedPrompter quiet;
    EXPECT_EQ(DesignThickness(twoLayer, quiet), DesignOutcome::Designed);
    EXPECT_TRUE(quiet.shown.empty());
    twoLayer.field(InputField::h2) = "";
    EXPECT_EQ(DesignThickness(twoLayer, quiet), DesignOutcome::InvalidInput);
    EXPECT_EQ(quiet.shown.at(0).text, "h2 is an invalid number; please try again!");

    DesignModel stopped = TestSession({ 2 });
    stopped.database.record(2).tireContactWidth = "0";
    ScriptedPrompter box;
    EXPECT_EQ(DesignThickness(stopped, box), DesignOutcome::Stopped);
    EXPECT_EQ(box.shown.at(0).title, "KORVANT");
    EXPECT_TRUE(stopped.lbh.empty());
}

TEST(InputCheck, ChangeDataStoresOnlyCheckedValues)
{
    AircraftRecord record;
    record.grossWeight = "174700";
    ScriptedPrompter prompter({ Answer::Cancel, Answer::Yes });
    EXPECT_FALSE(ChangeAircraftValue(record, AircraftField::grossWeight, "heavy", prompter).stored);
    EXPECT_EQ(record.grossWeight, "174700");
    EXPECT_TRUE(ChangeAircraftValue(record, AircraftField::grossWeight, "2e8", prompter).stored);
    EXPECT_EQ(record.grossWeight, "100000000");
    ScriptedPrompter keep({ Answer::Cancel });
    EXPECT_FALSE(ChangeAircraftValue(record, AircraftField::grossWeight, "-5", keep).stored);
    EXPECT_EQ(record.grossWeight, "100000000");
    EXPECT_TRUE(
        ChangeAircraftValue(record, AircraftField::grossWeight, " 180000.50 ", keep).stored);
    EXPECT_FALSE(ChangeAircraftValue(record, AircraftField::grossWeight, "1e999", keep).stored);
    EXPECT_EQ(record.grossWeight, "180000.5");
}

} // namespace
} // namespace korvant
