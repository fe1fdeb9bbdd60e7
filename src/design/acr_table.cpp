// The ACR table's CSV and its notes. Thicknesses are converted from the method's millimetres with
// the inch of 25.4 mm or the centimetre of 10 mm, both exact.
#include "design/acr_table.h"

#include "basics/unit_factors.h"
#include "design/acr_rigid.h"
#include "design/slab_evaluation.h"
#include "io/data_text.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr const char* kCategoryNames[] = { "A", "B", "C", "D" };

double SlabInUnits(double millimetres, UnitSystem units)
{
    return units == UnitSystem::Metric ? millimetres / kMillimetrePerCentimetre
                                       : millimetres / kMillimetrePerInch;
}

// "x", "x and y", "x, y and z".
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

} // namespace

const char* const kAcrSourceNote
    = "these ACRs are computed by KORVANT from the catalogue's gear data (gross weight, load on "
      "the main gear, tire pressure, wheels and spacings) on ICAO's reference structure for rigid "
      "pavements; they are not the manufacturers' published ACRs";

std::vector<AcrQuantity> AcrQuantities(UnitSystem units)
{
    return { { "ACR", "" }, { "Thickness", SlabThicknessUnit(units) }, { "DSWL", "kg" } };
}

TraceTable AcrTable(
    const std::vector<AcrResult>& results, const AircraftDatabase& database, UnitSystem units)
{
    const bool metric = units == UnitSystem::Metric;
    TraceTable table;
    table.headings = { "Record", "Aircraft", metric ? "Gross weight (kN)" : "Gross weight (lb)" };
    for (const AcrQuantity& quantity : AcrQuantities(units))
        for (const char* c : kCategoryNames)
            table.headings.push_back(quantity.name + " " + c
                + (quantity.unit.empty() ? std::string() : " (" + quantity.unit + ")"));

    for (const AcrResult& result : results) {
        const AircraftRecord& record = database.record(result.record);
        std::vector<std::string> row = { std::to_string(result.record), record.name,
            IsNumberText(record.grossWeight) ? record.grossWeight : "" };
        auto cells = [&](auto cell) {
            for (const AcrCategoryResult& c : result.categories)
                row.push_back(c.rating == AcrRating::rated ? cell(c) : "");
        };
        cells([](const AcrCategoryResult& c) { return FormatNumber(c.acr, "0.0"); });
        cells([&](const AcrCategoryResult& c) {
            return FormatNumber(SlabInUnits(c.thickness, units), "0.00");
        });
        cells([](const AcrCategoryResult& c) { return FormatNumber(c.dswl, "0"); });
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string AcrCsv(
    const std::vector<AcrResult>& results, const AircraftDatabase& database, UnitSystem units)
{
    const TraceTable table = AcrTable(results, database, units);
    return CsvTable(table.headings, table.rows);
}

std::string AcrJson(const std::vector<AcrResult>& results, const AircraftDatabase& database,
    UnitSystem units, const DocumentStatus& status)
{
    const bool metric = units == UnitSystem::Metric;
    const char* slab = SlabThicknessUnit(units);
    JsonWriter json;
    BeginDocument(json, "acr", status, units);
    ValueUnits(json,
        { { "grossWeight", metric ? "kN" : "lb" }, { "referenceStress", "MPa" },
            { "thickness", slab }, { "dswl", "kg" }, { "peakStress", "MPa" },
            { "peakThickness", slab } });
    json.text("note", kAcrSourceNote);
    json.number("referenceStress", kAcrReferenceStress);
    json.begin('[', "aircraft");
    for (const AcrResult& result : results) {
        json.begin('{');
        json.integer("record", result.record);
        json.text("name", database.record(result.record).name);
        NumberOfTextMember(json, "grossWeight", database.record(result.record).grossWeight);
        if (!result.error.empty())
            json.text("error", result.error);
        json.begin('[', "subgrades");
        for (std::size_t i = 0; i < result.categories.size(); ++i) {
            const AcrCategoryResult& c = result.categories[i];
            json.begin('{');
            json.text("category", kCategoryNames[i]);
            if (c.rating == AcrRating::rated) {
                json.number("acr", c.acr);
                json.number("thickness", SlabInUnits(c.thickness, units));
                json.number("dswl", c.dswl);
            } else if (c.rating == AcrRating::belowReference) {
                json.value("acr", "below the smallest ratings", [] { return std::string(); });
                json.number("peakStress", c.peakStress);
                json.number("peakThickness", SlabInUnits(c.peakThickness, units));
            } else {
                json.value("acr", "refused", [] { return std::string(); });
            }
            json.end('}');
        }
        json.end(']');
        json.end('}');
    }
    json.end(']');
    json.end('}');
    return json.str();
}

std::string AcrBelowReferenceNote(const AcrResult& result, UnitSystem units)
{
    std::vector<std::string> categories, stresses, slabs;
    for (std::size_t i = 0; i < result.categories.size(); ++i) {
        const AcrCategoryResult& c = result.categories[i];
        if (c.rating != AcrRating::belowReference)
            continue;
        categories.emplace_back(kCategoryNames[i]);
        stresses.push_back(FormatNumber(c.peakStress, "0.00"));
        slabs.push_back(FormatNumber(SlabInUnits(c.peakThickness, units), "0.00"));
    }
    if (categories.empty())
        return "";
    const bool one = categories.size() == 1;
    return result.aircraft + ": no ACR on subgrade" + (one ? " " : "s ") + Listed(categories)
        + ": under its gear the stress at the bottom of the slab peaks at " + Listed(stresses)
        + " MPa (on " + (one ? "a slab of " : "slabs of ") + Listed(slabs) + " "
        + SlabThicknessUnit(units) + ") and reaches the reference stress of "
        + GeneralNumberText(kAcrReferenceStress)
        + " MPa on no slab, so the method, which rates a gear by the slab on which it causes that "
          "stress, gives it no rating there; its load lies below the smallest ratings of "
        + (one ? "that subgrade." : "those subgrades.");
}

std::string AcrRowNote(const AcrResult& result, UnitSystem units)
{
    return result.error.empty() ? AcrBelowReferenceNote(result, units) : result.error + "; no ACR.";
}

} // namespace korvant
