// The catalogue's table, its headings and units from the one table of aircraft fields.
#include "design/catalogue_table.h"

#include <cctype>
#include <utility>
#include <vector>

#include "io/data_text.h"

namespace korvant {

std::string AircraftFieldHeading(AircraftField field, UnitSystem units)
{
    const AircraftFieldInfo& info = AircraftFieldInfoOf(field);
    std::string heading = info.word;
    heading[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(heading[0])));
    const std::string unit = UnitIn(info, units);
    return unit.empty() ? heading : heading + " (" + unit + ")";
}

std::string CatalogueCsv(const AircraftDatabase& database, UnitSystem units)
{
    std::vector<std::string> headings = { "Record", "Aircraft" };
    for (const AircraftFieldInfo& info : AircraftFields())
        if (info.field != AircraftField::name)
            headings.push_back(AircraftFieldHeading(info.field, units));
    std::vector<std::vector<std::string>> rows;
    for (int number = 1; number <= database.recordCount; ++number) {
        const AircraftRecord& record = database.record(number);
        std::vector<std::string> row { std::to_string(number) };
        for (const AircraftFieldInfo& info : AircraftFields())
            row.push_back(record.field(info.field));
        rows.push_back(std::move(row));
    }
    return CsvTable(headings, rows);
}

std::string CatalogueJson(
    const AircraftDatabase& database, UnitSystem units, const DocumentStatus& status)
{
    JsonWriter json;
    BeginDocument(json, "aircraft", status, units);
    json.begin('{', "valueUnits");
    for (const AircraftFieldInfo& info : AircraftFields())
        if (const std::string_view unit = UnitIn(info, units); !unit.empty())
            json.text(info.key, unit);
    json.end('}');
    json.begin('[', "aircraft");
    for (int number = 1; number <= database.recordCount; ++number) {
        const AircraftRecord& record = database.record(number);
        json.begin('{');
        json.integer("record", number);
        json.text("name", record.name);
        for (const AircraftFieldInfo& info : AircraftFields())
            if (info.field != AircraftField::name)
                NumberOfTextMember(json, info.key, record.field(info.field));
        json.end('}');
    }
    json.end(']');
    json.end('}');
    return json.str();
}

} // namespace korvant
