// A usage error of korvant-cli, as its option parsers throw it and as it is reported, and the
// whole numbers its options take.
#pragma once

#include <charconv>
#include <stdexcept>
#include <string>

namespace korvant {

class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// What standard error shows for a usage error: its message and where the usage is told.
inline std::string UsageErrorText(const UsageError& error)
{
    return std::string("korvant-cli: ") + error.what() + "\nTry 'korvant-cli --help'.\n";
}

// The whole number that `text`, given with `option`, holds from `least` to `most` (digits only,
// a minus sign for a signed type); else throws UsageError saying it is not `what` in that range.
template <typename Integer>
Integer WholeNumber(const std::string& option, const std::string& text, Integer least, Integer most,
    const char* what = "a whole number")
{
    Integer number {};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc() || end != text.data() + text.size() || number < least || number > most)
        throw UsageError(option + ": \"" + text + "\" is not " + what + " from "
            + std::to_string(least) + " to " + std::to_string(most));
    return number;
}

} // namespace korvant
