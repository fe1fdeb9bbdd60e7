// Exported number texts come from std::to_chars, whose shortest forms are exact by definition;
// the table form rounds as "%.*g" does in the C locale, whatever locale the program runs in (the
// window's toolkit sets the user's). JSON strings keep valid UTF-8 and escape everything else.
#include "io/data_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace korvant {
namespace {

// Fixed notation for the values a design meets (4000000 rather than 4e+06), exponent notation
// for the very small and the very large.
template <class T> std::string Shortest(T value)
{
    std::array<char, 400> buffer {};
    const double size = std::fabs(static_cast<double>(value));
    const auto format = size == 0 || (size >= 1e-5 && size < 1e16) ? std::chars_format::fixed
                                                                   : std::chars_format::general;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format);
    return std::string(buffer.data(), result.ptr);
}

// The length of the UTF-8 sequence that starts at `at`, 0 when the bytes there are not one.
std::size_t Utf8Length(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned int lowest = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        lowest = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    unsigned int code = lead & (0x7fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xc0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3fu);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
    if (code < lowest || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff)
        return 0;
    return length;
}

void AppendEscaped(std::string& out, unsigned int code)
{
    std::array<char, 8> buffer {};
    std::snprintf(buffer.data(), buffer.size(), "\\u%04x", code);
    out += buffer.data();
}

} // namespace

std::string ExactNumberText(double value)
{
    return Shortest(value);
}

std::string ExactNumberText(float value)
{
    return Shortest(value);
}

std::string SignificantText(double value, int digits)
{
    std::array<char, 400> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, digits);
    return std::string(buffer.data(), result.ptr);
}

std::string Listed(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

std::string CsvField(std::string_view text)
{
    const bool quoted = text.find_first_of(",\"\r\n") != std::string_view::npos
        || (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quoted)
        return std::string(text);
    std::string out(1, '"');
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string CsvTable(
    const std::vector<std::string>& headings, const std::vector<std::vector<std::string>>& rows)
{
    std::string out = CsvLine(headings);
    for (const std::vector<std::string>& row : rows)
        out += CsvLine(row);
    return out;
}

std::string JsonString(std::string_view text)
{
    std::string out(1, '"');
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80) {
            if (const std::size_t length = Utf8Length(text, i); length != 0) {
                out.append(text.substr(i, length));
                i += length;
            } else {
                AppendEscaped(out, byte);
                ++i;
            }
            continue;
        }
        switch (byte) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7f)
                AppendEscaped(out, byte);
            else
                out += static_cast<char>(byte);
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string CsvLine(const std::vector<std::string>& cells)
{
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += ',';
        line += CsvField(cells[i]);
    }
    return line + "\r\n";
}

} // namespace korvant
