// The head of every JSON document KORVANT prints: the program and its version, what the document
// holds, the exit status with its meaning, the session's unit system and the unit of each value.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "basics/unit_system.h"
#include "io/json_writer.h"

namespace korvant {

// The exit status of the run that prints a document, and what it means.
struct DocumentStatus
{
    int code = 0;
    std::string meaning;
};

// Opens the document's object with "program", "version", "document" (its kind: "design",
// "trace", "aircraft", "acr", "pcr", "sensitivity", "reliability"), "exitStatus" ({"code",
// "meaning"}) and "units" ("English" or "Metric").
void BeginDocument(
    JsonWriter& json, std::string_view document, const DocumentStatus& status, UnitSystem units);

// The document that a run which stopped prints in place of the one asked: the head and
// "messages", the lines it wrote to standard error.
std::string StoppedJson(std::string_view document, const DocumentStatus& status, UnitSystem units,
    const std::vector<std::string>& messages);

// "valueUnits": the unit of each member that holds a number with a unit, by its key.
void ValueUnits(
    JsonWriter& json, std::initializer_list<std::pair<std::string_view, std::string_view>> units);

// "English" or "Metric".
const char* UnitSystemName(UnitSystem units);

// A value the catalogue or a field holds as a text: a JSON number when the text is one (the
// shortest form of its value), else null with "<key>Status": "not a number: <text>".
void NumberOfTextMember(JsonWriter& json, std::string_view key, const std::string& text);

} // namespace korvant
