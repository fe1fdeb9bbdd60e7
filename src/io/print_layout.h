// Fixed-layout text lines with print zones and tab columns, as the design report is laid out.
// Columns count from 1; zones start every 14 columns (1, 15, 29, 43, 57 ...); lines end in CR LF.
#pragma once

#include <string>
#include <string_view>

namespace korvant {

class PrintLayout
{
public:
    static constexpr int kZoneWidth = 14;

    // Writes text at the current column.
    PrintLayout& text(std::string_view text);
    // Goes on at the first zone start after the current column: a label that ends in column 28
    // puts what follows at column 43, and a number that ends in column 56 puts its unit at 71.
    PrintLayout& zone();
    // Goes on at column n; when the line already reaches beyond column n, a new line is started
    // and the text goes on at its column n.
    PrintLayout& tab(int column);
    // Ends the line with CR LF.
    PrintLayout& endLine();
    PrintLayout& emptyLines(int count);

    const std::string& str() const { return out_; }

private:
    std::string out_;
    int column_ = 1;
};

} // namespace korvant
