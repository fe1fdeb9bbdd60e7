// The PCR's tables and category note, written with the program's number texts.
#include "design/pcr_table.h"

#include <cmath>
#include <utility>

#include "basics/unit_factors.h"
#include "design/aircraft_step.h"
#include "io/data_text.h"
#include "io/number_text.h"

namespace korvant {
namespace {

std::string Weight(double pounds, UnitSystem units)
{
    return FormatNumber(WeightInUnits(pounds, units), units == UnitSystem::Metric ? "0.0" : "0");
}

} // namespace

TraceTable PcrRoundsTable(const PcrResult& result, const DesignBasis& basis, UnitSystem units)
{
    TraceTable table;
    table.headings = { "Round", "Critical aircraft", "Record", "Equivalent departures",
        std::string("Allowable gross weight (") + WeightUnit(units) + ")", "ACR at that weight" };
    for (std::size_t i = 0; i < result.rounds.size(); ++i) {
        const PcrRound& round = result.rounds[i];
        const MixAircraft& aircraft = basis.mix[round.aircraft];
        table.rows.push_back({ std::to_string(i + 1), aircraft.label,
            std::to_string(aircraft.record), FormatNumber(round.equivalentDepartures, "0.0"),
            Weight(round.allowableWeight, units), FormatNumber(round.acr, "0.0") });
    }
    return table;
}

std::string PcrRoundsCsv(const PcrResult& result, const DesignBasis& basis, UnitSystem units)
{
    const TraceTable table = PcrRoundsTable(result, basis, units);
    return CsvTable(table.headings, table.rows);
}

TraceTable PcrAircraftTable(const PcrResult& result, const DesignBasis& basis)
{
    TraceTable table;
    table.headings = { "Record", "Aircraft", "ACR", "ACR / PCR", "Exceeds" };
    for (const PcrAircraft& aircraft : result.aircraft) {
        const MixAircraft& mix = basis.mix[aircraft.aircraft];
        std::vector<std::string> row { std::to_string(mix.record), mix.label, "", "", "" };
        if (aircraft.acr) {
            row[2] = FormatNumber(*aircraft.acr, "0.0");
            if (result.pcr > 0)
                row[3] = FormatNumber(*aircraft.acr / result.pcr, "0.00");
            row[4] = aircraft.exceeds ? "exceeds" : "";
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string PcrAircraftCsv(const PcrResult& result, const DesignBasis& basis)
{
    const TraceTable table = PcrAircraftTable(result, basis);
    return CsvTable(table.headings, table.rows);
}

std::string PcrCsv(const PcrResult& result, const DesignBasis& basis, UnitSystem units)
{
    constexpr const char* kLineEnd = "\r\n";
    return PcrCode(result) + kLineEnd + kLineEnd + PcrRoundsCsv(result, basis, units) + kLineEnd
        + PcrAircraftCsv(result, basis);
}

std::string PcrJson(const PcrResult& result, const DesignBasis& basis, UnitSystem units,
    const DocumentStatus& status)
{
    JsonWriter json;
    BeginDocument(json, "pcr", status, units);
    ValueUnits(json,
        { { "thickness", "in" },
            { "allowableGrossWeight", units == UnitSystem::Metric ? "kN" : "lb" },
            { "equivalentDepartures", "departures a year" } });
    json.text("code", PcrCode(result));
    json.integer("pcr", result.pcr);
    json.number("largestRound", result.largestRound);
    json.text("category", std::string(1, CategoryLetter(result.category)));
    json.boolean("categoryGiven", result.categoryGiven);
    json.text("categoryNote", PcrCategoryNote(result, basis, units));
    json.number("thickness", result.thickness);
    json.text("thicknessText", ThicknessText(result.thickness, units));
    json.begin('[', "rounds");
    for (std::size_t i = 0; i < result.rounds.size(); ++i) {
        const PcrRound& round = result.rounds[i];
        const MixAircraft& aircraft = basis.mix[round.aircraft];
        json.begin('{');
        json.integer("round", static_cast<long long>(i + 1));
        json.integer("record", aircraft.record);
        json.text("name", aircraft.label);
        json.number("equivalentDepartures", round.equivalentDepartures);
        json.number("allowableGrossWeight", WeightInUnits(round.allowableWeight, units));
        json.number("acr", round.acr);
        json.end('}');
    }
    json.end(']');
    json.begin('[', "aircraft");
    for (const PcrAircraft& aircraft : result.aircraft) {
        const MixAircraft& mix = basis.mix[aircraft.aircraft];
        json.begin('{');
        json.integer("record", mix.record);
        json.text("name", mix.label);
        const std::optional<std::string> none = aircraft.acr
            ? std::nullopt
            : std::optional<std::string>("below the smallest ratings");
        json.value("acr", none, [&] { return ExactNumberText(*aircraft.acr); });
        json.value("acrPerPcr", result.pcr > 0 ? none : std::optional<std::string>("no PCR"),
            [&] { return ExactNumberText(*aircraft.acr / result.pcr); });
        json.boolean("exceeds", aircraft.exceeds);
        json.end('}');
    }
    json.end(']');
    json.end('}');
    return json.str();
}

std::string PcrCategoryNote(const PcrResult& result, const DesignBasis& basis, UnitSystem units)
{
    const std::string category
        = std::string("Subgrade category ") + CategoryLetter(result.category);
    if (result.categoryGiven)
        return category + " as given";
    const double k = basis.inputs.k;
    const double modulus = SubgradeModulusOfK(k);
    const std::string kText = units == UnitSystem::Metric
        ? SignificantText(k * kKilopascalPerMmPerPci, 4) + " kPa/mm"
        : SignificantText(k, 4) + " pci";
    return category + " from k = " + kText + " (E = 20.15 k^1.284 = " + FormatNumber(modulus, "0")
        + " psi, " + FormatNumber(modulus / kPsiPerMegapascal, "0.0") + " MPa)";
}

} // namespace korvant
