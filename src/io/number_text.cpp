// Number texts: parsing of leading numbers and the program's display forms, built on a decimal
// digit string so that every pattern rounds the digits a reader sees, half away from zero.
#include "io/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace korvant {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the decimal number at the start of `s` (sign, digits, point, exponent), 0 if none.
std::size_t NumberLength(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

std::string_view SkipBlanks(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    return s.substr(i);
}

// Whether a number that is too large or too small for a double is a large one: the decimal
// exponent of its first significant digit is positive.
bool IsLargeMagnitude(std::string_view number)
{
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits[0] == '-';
        if (!digits.empty() && (digits[0] == '-' || digits[0] == '+'))
            digits.remove_prefix(1);
        for (char c : digits)
            exponent = std::min(exponent * 10 + (c - '0'), 100000L);
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return false;
    const long position
        = first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    return position + exponent > 0;
}

double ParseNumber(std::string_view number)
{
    bool negative = false;
    if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
        negative = number[0] == '-';
        number.remove_prefix(1);
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = IsLargeMagnitude(number) ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

// A finite value as significant digits d1 d2 ... (no trailing zeros) and the decimal exponent
// of d1, so that value = d1.d2d3... x 10^exponent.
struct Decimal
{
    bool negative = false;
    std::string digits; // empty for zero
    int exponent = 0;
};

Decimal ToDecimal(double value, int significantDigits)
{
    Decimal d;
    d.negative = std::signbit(value) && value != 0;
    if (value == 0)
        return d;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
        std::chars_format::scientific, significantDigits - 1);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (IsDigit(text[i]))
            d.digits.push_back(text[i]);
    std::string_view exponent = text.substr(e + 1);
    if (!exponent.empty() && exponent[0] == '+')
        exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), d.exponent);
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Rounds to `keep` significant digits, half away from zero; keep may be 0 or negative, in which
// case the value rounds to 0 or to one unit of the kept place.
Decimal RoundDigits(Decimal d, int keep)
{
    if (static_cast<int>(d.digits.size()) <= keep)
        return d;
    if (keep < 0) {
        d.digits.clear();
        d.negative = false; // a value that rounds to zero shows no sign, however small it was
        return d;
    }
    bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.negative = false;
    return d;
}

char DigitAt(const Decimal& d, int power)
{
    int index = d.exponent - power;
    if (index < 0 || index >= static_cast<int>(d.digits.size()))
        return '0';
    return d.digits[static_cast<std::size_t>(index)];
}

// Fixed-point text with exactly `decimals` decimals and at least `minIntegerDigits` digits
// before the point (0 means none for a value below 1, as in ".15").
std::string FixedText(const Decimal& value, int decimals, int minIntegerDigits)
{
    Decimal d = RoundDigits(value, value.exponent + 1 + decimals);
    std::string out = d.negative ? "-" : "";
    int top = d.digits.empty() ? -1 : d.exponent;
    for (int power = std::max(top, minIntegerDigits - 1); power >= 0; --power)
        out.push_back(DigitAt(d, power));
    if (decimals > 0) {
        out.push_back('.');
        for (int power = -1; power >= -decimals; --power)
            out.push_back(DigitAt(d, power));
    }
    return out;
}

std::string ExponentText(int exponent)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return buffer;
}

// Shortest form of the digits: fixed between 1E-04 and the digit count, else "d.dddE+XX".
std::string ShortestText(const Decimal& d, int significantDigits, bool leadingZero)
{
    if (d.digits.empty())
        return "0";
    std::string out = d.negative ? "-" : "";
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent >= -4 && d.exponent < significantDigits) {
        if (d.exponent < 0) {
            out += leadingZero ? "0." : ".";
            out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
            out += d.digits;
        } else {
            for (int power = d.exponent; power >= 0; --power)
                out.push_back(DigitAt(d, power));
            if (count > d.exponent + 1) {
                out.push_back('.');
                out += d.digits.substr(static_cast<std::size_t>(d.exponent + 1));
            }
        }
        return out;
    }
    out.push_back(d.digits[0]);
    if (count > 1) {
        out.push_back('.');
        out += d.digits.substr(1);
    }
    return out + ExponentText(d.exponent);
}

std::string PatternText(const Decimal& d, std::string_view pattern)
{
    if (pattern == "0")
        return FixedText(d, 0, 1);
    if (pattern == "0.0")
        return FixedText(d, 1, 1);
    if (pattern == "0.00")
        return FixedText(d, 2, 1);
    if (pattern == "000")
        return FixedText(d, 0, 3);
    if (pattern == "0.00E+00") {
        Decimal r = RoundDigits(d, 3);
        std::string out = r.negative ? "-" : "";
        out.push_back(r.digits.empty() ? '0' : r.digits[0]);
        out.push_back('.');
        for (std::size_t i = 1; i < 3; ++i)
            out.push_back(i < r.digits.size() ? r.digits[i] : '0');
        return out + ExponentText(r.digits.empty() ? 0 : r.exponent);
    }
    return std::string(pattern);
}

constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

// The largest 15-digit decimal that is not beyond the double range. The doubles above it would
// round up to 1.79769313486232E+308, a text that reads back as infinite; they are written as
// this one, which differs from them only in the 16th digit.
constexpr double kLargestGeneralNumber = 1.79769313486231e308;

double WithinGeneralRange(double value)
{
    return std::fabs(value) > kLargestGeneralNumber ? std::copysign(kLargestGeneralNumber, value)
                                                    : value;
}

} // namespace

double NumberOfText(std::string_view text)
{
    std::string_view s = SkipBlanks(text);
    std::size_t length = NumberLength(s);
    return length == 0 ? 0.0 : ParseNumber(s.substr(0, length));
}

bool IsNumberText(std::string_view text)
{
    std::string_view s = SkipBlanks(text);
    std::size_t length = NumberLength(s);
    if (length == 0)
        return false;
    return SkipBlanks(s.substr(length)).empty();
}

bool IsGeneralNumberText(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    const std::size_t integerStart = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    const std::size_t integerDigits = i - integerStart;
    if (integerDigits == 0 || (integerDigits > 1 && text[integerStart] == '0'))
        return false;
    const bool zeroInteger = text[integerStart] == '0';
    std::size_t leadingZeros = 0; // after the point, ahead of the first significant digit
    std::size_t fractionDigits = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        const std::size_t fractionStart = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        fractionDigits = i - fractionStart;
        if (fractionDigits == 0 || text[i - 1] == '0')
            return false;
        if (zeroInteger)
            while (text[fractionStart + leadingZeros] == '0')
                ++leadingZeros;
    }
    if (i != text.size())
        return false;
    if (zeroInteger && fractionDigits == 0) // "0" itself; "-0" is shown as "0"
        return integerStart == 0;
    // Up to 15 significant digits survive the way through a double unchanged; the plain form
    // holds from 1E-04 up to below 1E+15.
    const std::size_t significant
        = zeroInteger ? fractionDigits - leadingZeros : integerDigits + fractionDigits;
    const auto digits = static_cast<std::size_t>(kDoubleDigits);
    return significant <= digits && integerDigits <= digits && leadingZeros <= 3;
}

std::string GeneralNumberText(double value)
{
    if (!std::isfinite(value))
        return "0";
    return ShortestText(ToDecimal(WithinGeneralRange(value), kDoubleDigits), kDoubleDigits, true);
}

std::string ReportNumberText(double value)
{
    if (!std::isfinite(value))
        return " - ";
    Decimal d = ToDecimal(WithinGeneralRange(value), kDoubleDigits);
    std::string text = ShortestText(d, kDoubleDigits, false);
    return d.negative ? text + " " : " " + text + " ";
}

std::string SingleDisplayText(float value)
{
    Decimal d = ToDecimal(static_cast<double>(value), kSingleDigits);
    std::string text = ShortestText(d, kSingleDigits, false);
    return d.negative ? text : " " + text;
}

std::string FormatNumber(double value, std::string_view pattern)
{
    if (!std::isfinite(value))
        return "-";
    return PatternText(ToDecimal(value, kDoubleDigits), pattern);
}

std::string FormatSingle(float value, std::string_view pattern)
{
    if (!std::isfinite(value))
        return "-";
    return PatternText(ToDecimal(static_cast<double>(value), kSingleDigits), pattern);
}

std::string FormatText(std::string_view text, std::string_view pattern)
{
    if (pattern == "@@@@@") {
        std::string out(text);
        if (out.size() < 5)
            out.insert(0, 5 - out.size(), ' ');
        return out;
    }
    if (!IsNumberText(text))
        return std::string(text);
    return FormatNumber(NumberOfText(text), pattern);
}

} // namespace korvant
