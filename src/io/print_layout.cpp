// Print zones and tab columns of the fixed-layout report.
#include "io/print_layout.h"

namespace korvant {

PrintLayout& PrintLayout::text(std::string_view text)
{
    out_ += text;
    column_ += static_cast<int>(text.size());
    return *this;
}

PrintLayout& PrintLayout::zone()
{
    int next = ((column_ - 1) / kZoneWidth + 1) * kZoneWidth + 1;
    out_.append(static_cast<std::size_t>(next - column_), ' ');
    column_ = next;
    return *this;
}

PrintLayout& PrintLayout::tab(int column)
{
    if (column_ > column)
        endLine();
    out_.append(static_cast<std::size_t>(column - column_), ' ');
    column_ = column;
    return *this;
}

PrintLayout& PrintLayout::endLine()
{
    out_ += "\r\n";
    column_ = 1;
    return *this;
}

PrintLayout& PrintLayout::emptyLines(int count)
{
    for (int i = 0; i < count; ++i)
        endLine();
    return *this;
}

} // namespace korvant
