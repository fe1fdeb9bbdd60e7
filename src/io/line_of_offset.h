// The line of a text on which a byte lies, as the messages on a damaged file name it.
#pragma once

#include <cstddef>
#include <string_view>

namespace korvant {

// The line (1-based) on which offset `at` of the text lies, lines ending in CR LF, LF or CR.
inline int LineOfOffset(std::string_view text, std::size_t at)
{
    int line = 1;
    for (std::size_t i = 0; i < at; ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++line;
    return line;
}

} // namespace korvant
