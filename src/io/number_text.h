// The number texts used everywhere in the program: the number of a text as fields are read,
// the general number text as values are stored back, the report's number form, the 32-bit
// display form of the input check's messages and the display patterns ("0.0", "0.00E+00" ...).
// Patterns round half away from zero on the decimal digits, as a desk calculator does.
#pragma once

#include <string>
#include <string_view>

namespace korvant {

// The value of the text's leading decimal number: leading blanks skipped, anything after the
// number ignored, 0 when the text does not begin with a number ("12abc" gives 12).
double NumberOfText(std::string_view text);

// True when the whole text, blanks around it allowed, is one decimal number ("1.5", " -2e3 ").
bool IsNumberText(std::string_view text);

// Shortest text with up to 15 significant digits, "." as decimal point, no leading blank
// ("27560000", "0.15", "19.6850393700787"; exponent form beyond 1E+15 and below 1E-04).
std::string GeneralNumberText(double value);

// True when the text is already in that form, so that GeneralNumberText(NumberOfText(text))
// gives it back; it answers without converting, and false for the exponent form.
bool IsGeneralNumberText(std::string_view text);

// A number as the report prints it: one leading blank (a minus sign for a negative number),
// the general number form without a zero before the point, one trailing blank (" .15 ").
std::string ReportNumberText(double value);

// A 32-bit float as the input check's messages write it: one leading blank, at most 7
// significant digits, exponent form from 1E+07 up (" 500000", " 5.512E+07").
std::string SingleDisplayText(float value);

// A 64-bit value under a display pattern: "0", "0.0", "0.00", "000" or "0.00E+00".
std::string FormatNumber(double value, std::string_view pattern);

// A 32-bit value under a display pattern, rounded from its 7-digit decimal form, so that the
// float nearest to 1.005 shows 1.01 as it reads.
std::string FormatSingle(float value, std::string_view pattern);

// A text under a pattern: a numeric text is formatted, any other text passes unchanged;
// "@@@@@" right-aligns the text in five characters (a longer text stays as it is).
std::string FormatText(std::string_view text, std::string_view pattern);

} // namespace korvant
