// Texts of exported data: numbers in the shortest form that reads back to the same bits, numbers
// rounded to a few significant digits for tables on the screen, CSV fields and JSON strings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvant {

// The shortest decimal text that reads back to exactly this value, in fixed notation from 1e-5
// up to 1e16 ("0.1", "4000000", "16.25") and in exponent notation beyond ("1e+21", "5e-08"); a
// 32-bit value gets the shortest text of its own precision, so 0.1f is "0.1". Not for NaN or
// infinity, which a design never yields.
std::string ExactNumberText(double value);
std::string ExactNumberText(float value);

// The value rounded to `digits` significant digits, in fixed or exponent form as is shorter
// ("16.25", "0.000123", "1.235e+07").
std::string SignificantText(double value, int digits);

// Items as a sentence lists them: "a", "a and b", "a, b and c"; "" for none.
std::string Listed(const std::vector<std::string>& items);

// A CSV field: the text as it is, or in double quotes (with inner quotes doubled) when it holds
// a comma, a quote, a line break or a blank at either end.
std::string CsvField(std::string_view text);

// One CSV record of these cells, ended by CR LF.
std::string CsvLine(const std::vector<std::string>& cells);

// A CSV table: the heading record, then one record per row.
std::string CsvTable(
    const std::vector<std::string>& headings, const std::vector<std::vector<std::string>>& rows);

// A JSON string in double quotes. Quotes, backslashes and control characters are escaped;
// bytes that do not form UTF-8 are taken as Latin-1 characters, as 8-bit catalogue names are.
std::string JsonString(std::string_view text);

} // namespace korvant
