// The common head of the JSON documents, written through the one JSON writer.
#include "design/json_document.h"

#include "basics/program_info.h"
#include "io/data_text.h"
#include "io/number_text.h"

namespace korvant {

void BeginDocument(
    JsonWriter& json, std::string_view document, const DocumentStatus& status, UnitSystem units)
{
    json.begin('{');
    json.text("program", kProgramName);
    json.text("version", kVersion);
    json.text("document", document);
    json.begin('{', "exitStatus");
    json.integer("code", status.code);
    json.text("meaning", status.meaning);
    json.end('}');
    json.text("units", UnitSystemName(units));
}

std::string StoppedJson(std::string_view document, const DocumentStatus& status, UnitSystem units,
    const std::vector<std::string>& messages)
{
    JsonWriter json;
    BeginDocument(json, document, status, units);
    json.begin('[', "messages");
    for (const std::string& message : messages)
        json.text({}, message);
    json.end(']');
    json.end('}');
    return json.str();
}

void ValueUnits(
    JsonWriter& json, std::initializer_list<std::pair<std::string_view, std::string_view>> units)
{
    json.begin('{', "valueUnits");
    for (const auto& [key, unit] : units)
        json.text(key, unit);
    json.end('}');
}

const char* UnitSystemName(UnitSystem units)
{
    return units == UnitSystem::Metric ? "Metric" : "English";
}

void NumberOfTextMember(JsonWriter& json, std::string_view key, const std::string& text)
{
    json.value(key,
        IsNumberText(text) ? std::nullopt : std::optional<std::string>("not a number: " + text),
        [&] { return ExactNumberText(NumberOfText(text)); });
}

} // namespace korvant
