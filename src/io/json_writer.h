// The one writer of KORVANT's JSON documents: members one a line, indented by two blanks a level,
// strings escaped and numbers written exactly as the CSV exports write them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvant {

class JsonWriter
{
public:
    // Opens an object ('{') or an array ('['), as a member named `key` inside an object or as an
    // element (no key) inside an array or at the top.
    void begin(char bracket, std::string_view key = {});
    void end(char bracket);
    // A member (or an array element without a key) whose value is JSON text already.
    void raw(std::string_view key, const std::string& json);
    void text(std::string_view key, std::string_view value);
    // The shortest text that reads back to the value (see ExactNumberText).
    void number(std::string_view key, double value);
    void number(std::string_view key, float value);
    void integer(std::string_view key, long long value);
    void boolean(std::string_view key, bool value);
    void null(std::string_view key) { raw(key, "null"); }
    // A value that may not be a number: null, with its words in "<key>Status" beside it.
    template <class Text>
    void value(std::string_view key, const std::optional<std::string>& words, Text numberText)
    {
        if (!words) {
            raw(key, numberText());
            return;
        }
        null(key);
        text(std::string(key) + "Status", *words);
    }
    // The document, ended by a line feed.
    std::string str() const { return out_ + '\n'; }

private:
    void member(std::string_view key);
    void indent();

    std::string out_;
    std::vector<bool> first_;
};

} // namespace korvant
