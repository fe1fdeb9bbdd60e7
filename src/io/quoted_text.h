// A value as messages quote it. A value comes from a field or a file line and may be of any
// length; a message box shows its start only, so that a damaged file of a megabyte on one line
// still gives a message that fits on the screen.
#pragma once

#include <string>
#include <string_view>

namespace korvant {

inline constexpr std::size_t kQuotedCharacters = 40;

// The text in double quotes; a longer text is cut after 40 characters and ends in "...".
inline std::string QuotedText(std::string_view text)
{
    std::string out(1, '"');
    out += text.substr(0, kQuotedCharacters);
    if (text.size() > kQuotedCharacters)
        out += "...";
    out += '"';
    return out;
}

} // namespace korvant
