// Number texts: reading leading numbers and the display forms of fields, messages and report.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "io/number_text.h"
#include "io/print_layout.h"

namespace korvant {
namespace {

TEST(NumberText, LeadingNumberOfText)
{
    struct Row
    {
        const char* text;
        double value;
        bool whole;
    };
    const Row rows[] = {
        { "12abc", 12, false },
        { "abc", 0, false },
        { "", 0, false },
        { "  7.19", 7.19, true },
        { "-5", -5, true },
        { "+3", 3, true },
        { ".5", 0.5, true },
        { "5.", 5, true },
        { "5.512E+07", 55120000, true },
        { "1e", 1, false },
        { "2e+x", 2, false },
        { " 3 ", 3, true },
        { "1 2", 1, false },
        { "-", 0, false },
        { ".", 0, false },
        { "0x10", 0, false },
        { "\t4\t", 4, true },
        { "1,5", 1, false },
    };
    EXPECT_EQ(NumberOfText("1e999"), HUGE_VAL);
    EXPECT_EQ(NumberOfText("-12345678901234567890e300"), -HUGE_VAL);
    for (const Row& row : rows) {
        EXPECT_DOUBLE_EQ(NumberOfText(row.text), row.value) << row.text;
        EXPECT_EQ(IsNumberText(row.text), row.whole) << row.text;
    }
}

TEST(NumberText, GeneralAndReportForms)
{
    struct Row
    {
        double value;
        const char* general;
        const char* report;
    };
    const Row rows[] = {
        { 27560000, "27560000", " 27560000 " },
        { 0.15, "0.15", " .15 " },
        { 25.0 * 12 * 2.54 / 100, "7.62", " 7.62 " },
        { 6 * 100 / 12 / 2.54, "19.6850393700787", " 19.6850393700787 " },
        { -2.5, "-2.5", "-2.5 " },
        { 0, "0", " 0 " },
        { -0.25, "-0.25", "-.25 " },
        { 1e15, "1E+15", " 1E+15 " },
        { 123456789012345, "123456789012345", " 123456789012345 " },
        { 0.0001, "0.0001", " .0001 " },
        { 0.00001, "1E-05", " 1E-05 " },
        { 100.0 / 0.00445 * 0.00445, "100", " 100 " },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(GeneralNumberText(row.value), row.general) << row.value;
        EXPECT_EQ(ReportNumberText(row.value), row.report) << row.value;
        EXPECT_EQ(IsGeneralNumberText(row.general), row.value < 1e15 && row.value != 0.00001)
            << row.general;
    }
    // Texts that read as numbers but are not in the general form.
    for (const char* text : { "-0", "00", "01", "1.", "1.50", ".5", "+1", " 1", "1 ", "1e3",
             "0.00001", "1234567890123456", "0.1234567890123456", "" })
        EXPECT_FALSE(IsGeneralNumberText(text)) << text;
}

TEST(NumberText, SingleDisplayForm)
{
    EXPECT_EQ(SingleDisplayText(500000.0f), " 500000");
    EXPECT_EQ(SingleDisplayText(8000000.0f), " 8000000");
    EXPECT_EQ(SingleDisplayText(189.7f), " 189.7");
    EXPECT_EQ(SingleDisplayText(13.55f), " 13.55");
    EXPECT_EQ(SingleDisplayText(55120000.0f), " 5.512E+07");
    EXPECT_EQ(SingleDisplayText(1e8f), " 1E+08");
    EXPECT_EQ(SingleDisplayText(0.0f), " 0");
}

TEST(NumberText, PatternsRoundHalfAwayFromZero)
{
    struct Row
    {
        double value;
        const char* pattern;
        const char* text;
    };
    const Row rows[] = {
        { 2.25, "0.0", "2.3" },
        { -2.25, "0.0", "-2.3" },
        { 0.04, "0.0", "0.0" },
        { 15.2, "0.0", "15.2" },
        { 30 - 30.0 / 524288, "0.0", "30.0" },
        { 1.005, "0.00", "1.01" },
        { 3.999, "0.00", "4.00" },
        { 0.5, "0", "1" },
        { 1234.5, "0", "1235" },
        { 45.6, "000", "046" },
        { 1234, "000", "1234" },
        { 0.4, "000", "000" },
        { 1200, "0.00E+00", "1.20E+03" },
        { 0, "0.00E+00", "0.00E+00" },
        { 9.995e7, "0.00E+00", "1.00E+08" },
        { 0.000123, "0.00E+00", "1.23E-04" },
        { 6.0667e3, "0.00E+00", "6.07E+03" },
        { 1e100, "0.00E+00", "1.00E+100" },
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatNumber(row.value, row.pattern), row.text)
            << row.value << " " << row.pattern;
    EXPECT_EQ(FormatSingle(1.005f, "0.00"), "1.01");
    EXPECT_EQ(FormatSingle(1.5f, "0.00"), "1.50");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "0.0"), "-");
}

TEST(NumberText, TextPatterns)
{
    EXPECT_EQ(FormatText("15.2", "0.0"), "15.2");
    EXPECT_EQ(FormatText("", "0.0"), "");
    EXPECT_EQ(FormatText("many", "0.00E+00"), "many");
    EXPECT_EQ(FormatText("1200", "0.00E+00"), "1.20E+03");
    EXPECT_EQ(FormatText("1.50", "@@@@@"), " 1.50");
    EXPECT_EQ(FormatText("250.00", "@@@@@"), "250.00");
}

TEST(PrintLayout, ZonesAndTabs)
{
    PrintLayout out;
    out.text("     Annual Mean Temperature").zone().text(" 52.3 ").zone().text("'F").endLine();
    out.text("     Design Thickness :").zone().text("          ").zone().text("15.2").endLine();
    out.zone().text("x").endLine();
    out.text(std::string(42, 'a')).text(" 123456789012 ").zone().text("u").endLine();
    out.text("     ABCDEFGHIJKLMNOPQRST").tab(25).text("p").tab(25).text("q").endLine();
    EXPECT_EQ(out.str(),
        "     Annual Mean Temperature" + std::string(14, ' ') + " 52.3 " + std::string(8, ' ')
            + "'F\r\n" + "     Design Thickness :" + std::string(5, ' ') + std::string(10, ' ')
            + std::string(4, ' ') + "15.2\r\n" + std::string(14, ' ') + "x\r\n"
            + std::string(42, 'a') + " 123456789012 " + std::string(14, ' ') + "u\r\n"
            + "     ABCDEFGHIJKLMNOPQRST\r\n" + std::string(24, ' ') + "p\r\n"
            + std::string(24, ' ') + "q\r\n");
}

} // namespace
} // namespace korvant
