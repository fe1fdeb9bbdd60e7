// JSON members written one a line; a container left empty closes on its own line ("[]").
#include "io/json_writer.h"

#include "io/data_text.h"

namespace korvant {

void JsonWriter::begin(char bracket, std::string_view key)
{
    member(key);
    out_ += bracket;
    first_.push_back(true);
}

void JsonWriter::end(char bracket)
{
    const bool empty = first_.back();
    first_.pop_back();
    if (!empty) {
        out_ += '\n';
        indent();
    }
    out_ += bracket;
}

void JsonWriter::raw(std::string_view key, const std::string& json)
{
    member(key);
    out_ += json;
}

void JsonWriter::text(std::string_view key, std::string_view value)
{
    raw(key, JsonString(value));
}

void JsonWriter::number(std::string_view key, double value)
{
    raw(key, ExactNumberText(value));
}

void JsonWriter::number(std::string_view key, float value)
{
    raw(key, ExactNumberText(value));
}

void JsonWriter::integer(std::string_view key, long long value)
{
    raw(key, std::to_string(value));
}

void JsonWriter::boolean(std::string_view key, bool value)
{
    raw(key, value ? "true" : "false");
}

void JsonWriter::member(std::string_view key)
{
    if (!first_.empty()) {
        if (!first_.back())
            out_ += ',';
        first_.back() = false;
        out_ += '\n';
        indent();
    }
    if (!key.empty())
        out_ += JsonString(key) + ": ";
}

void JsonWriter::indent()
{
    out_.append(2 * first_.size(), ' ');
}

} // namespace korvant
