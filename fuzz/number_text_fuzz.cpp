// Fuzz target of the number texts. The first byte picks a check, the rest is a text or the bits
// of a number:
//   text     the leading number of a text agrees with the whole-text test, a number text
//            formats as its number does, and a text taken for a general number text is one;
//   double   the general number text reads back within its 15 digits and is its own form, the
//            report's form holds it between two blanks, every pattern reads back within its
//            last digit;
//   float    the same for the 32-bit forms.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "basics/rounding.h"
#include "fuzz_check.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr const char* kPatterns[] = { "0", "0.0", "0.00", "000", "0.00E+00" };

// The greatest error a pattern's rounding may make on `value`.
double PatternError(std::string_view pattern, double value, int digits)
{
    const double relative = std::fabs(value) * std::pow(10.0, 1 - digits);
    if (pattern == "0.00E+00")
        return std::fabs(value) * 0.005 + relative;
    const double unit = pattern == "0.0" ? 0.05 : pattern == "0.00" ? 0.005 : 0.5;
    return unit + relative;
}

void CheckText(std::string_view text)
{
    const double number = NumberOfText(text);
    FuzzCheck(!std::isnan(number), "the number of a text is never NaN", std::string(text));
    FuzzCheck(!IsGeneralNumberText(text) || GeneralNumberText(number) == text,
        "a text taken for a general number text is its number's", std::string(text));
    if (!IsNumberText(text)) {
        FuzzCheck(FormatText(text, "0.00") == text, "a text that is no number passes unchanged");
        return;
    }
    for (const char* pattern : kPatterns)
        FuzzCheck(FormatText(text, pattern) == FormatNumber(number, pattern),
            "a number text formats as its number", std::string(text) + " / " + pattern);
}

void CheckDouble(double value)
{
    const std::string general = GeneralNumberText(value);
    if (!std::isfinite(value)) {
        FuzzCheck(general == "0" && FormatNumber(value, "0.0") == "-", "non-numbers show no value");
        return;
    }
    const std::string detail = general + " from " + std::to_string(value);
    FuzzCheck(IsNumberText(general) && general.front() != ' ' && general.size() <= 22,
        "the general number text is one short number", detail);
    const double back = NumberOfText(general);
    // Half a unit of the 15th digit, 5e-15 of a value that starts with 1, and the binary
    // representation's own rounding on top.
    FuzzCheck(std::fabs(back - value) <= std::fabs(value) * 5.2e-15,
        "it reads back within 15 digits", detail);
    FuzzCheck(GeneralNumberText(back) == general, "it is its own general number text", detail);
    FuzzCheck(IsGeneralNumberText(general) || general.find('E') != std::string::npos,
        "a plain general number text is known as one", detail);

    const std::string report = ReportNumberText(value);
    FuzzCheck(report.size() >= 3 && report.back() == ' '
            && (report.front() == ' ' || report.front() == '-'),
        "the report form stands between blanks", report);
    FuzzCheck(NumberOfText(report) == back, "the report form holds the same number", report);

    for (const char* pattern : kPatterns) {
        const std::string shown = FormatNumber(value, pattern);
        FuzzCheck(IsNumberText(shown), "a pattern shows a number", shown);
        const double error = std::fabs(NumberOfText(shown) - value);
        FuzzCheck(error <= PatternError(pattern, value, 15) || std::isinf(NumberOfText(shown)),
            "a pattern reads back within its last digit", shown + " from " + general);
    }
}

void CheckFloat(float value)
{
    if (!std::isfinite(value))
        return;
    const std::string shown = SingleDisplayText(value);
    const double back = NumberOfText(shown);
    const double v = static_cast<double>(value);
    FuzzCheck(std::fabs(back - v) <= std::fabs(v) * 5.01e-7,
        "the 32-bit form reads back within 7 digits", shown);
    for (const char* pattern : kPatterns) {
        const std::string text = FormatSingle(value, pattern);
        const double error = std::fabs(NumberOfText(text) - v);
        FuzzCheck(IsNumberText(text) && error <= PatternError(pattern, v, 7),
            "a 32-bit pattern reads back within its last digit", text + " / " + pattern);
    }
}

} // namespace
} // namespace korvant

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    using namespace korvant;
    if (size == 0)
        return 0;
    const char* rest = reinterpret_cast<const char*>(bytes + 1);
    const std::size_t length = size - 1;
    switch (bytes[0] % 3) {
    case 0:
        CheckText(std::string_view(rest, length));
        break;
    case 1: {
        std::uint64_t bits = 0;
        std::memcpy(&bits, rest, std::min(length, sizeof bits));
        CheckDouble(std::bit_cast<double>(bits));
        // The same through a text, which reaches values that bits seldom hit (0.005, 1e15 ...).
        CheckDouble(NumberOfText(std::string_view(rest, length)));
        break;
    }
    default: {
        std::uint32_t bits = 0;
        std::memcpy(&bits, rest, std::min(length, sizeof bits));
        CheckFloat(std::bit_cast<float>(bits));
        const double number = NumberOfText(std::string_view(rest, length));
        if (FitsF32(number))
            CheckFloat(static_cast<float>(number));
        break;
    }
    }
    return 0;
}
