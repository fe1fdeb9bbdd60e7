// The ACR table of catalogue aircraft as CSV or JSON, in the session's units, and the notes that go
// with it: where the ratings come from, and why a category has no rating.
#pragma once

#include <string>
#include <vector>

#include "basics/unit_system.h"
#include "design/acr.h"
#include "design/design_trace.h"
#include "design/json_document.h"
#include "traffic/aircraft_database.h"

namespace korvant {

// What the ratings are: computed from the catalogue's gear data on ICAO's reference structure,
// not the manufacturers' published ACRs.
extern const char* const kAcrSourceNote;

// What the table gives for each subgrade category, in its column order: the ACR, the slab of
// step 1 and the derived single wheel load, each with its unit ("" for the ACR).
struct AcrQuantity
{
    std::string name; // "Thickness"
    std::string unit; // "in"
};
std::vector<AcrQuantity> AcrQuantities(UnitSystem units);

// The table, a row per result in its order: record, aircraft, gross weight as the record holds
// it (lb | kN), the ACRs of subgrades A to D (one decimal), the slabs of step 1 (in | cm, two
// decimals) and the derived single wheel loads (kg, whole), headed "ACR A", "Thickness A (in)",
// "DSWL A (kg)". A category without a rating has empty cells; a refused row keeps its record,
// name and weight only. The window shows it and the CSV writes it.
TraceTable AcrTable(
    const std::vector<AcrResult>& results, const AircraftDatabase& database, UnitSystem units);

// The table as CSV; lines end in CR LF.
std::string AcrCsv(
    const std::vector<AcrResult>& results, const AircraftDatabase& database, UnitSystem units);

// The document "acr": the source note, the reference stress and per result its record, name,
// gross weight and per subgrade its category, ACR, slab (in | cm) and DSWL (kg), exact; a
// category below the reference stress has a null ACR with its peak stress and slab, a refused
// row null ACRs and its error.
std::string AcrJson(const std::vector<AcrResult>& results, const AircraftDatabase& database,
    UnitSystem units, const DocumentStatus& status);

// For a result with categories whose slab-bottom stress stays below the reference stress: why
// the method gives them no rating and what can still be said, naming the aircraft; "" otherwise.
std::string AcrBelowReferenceNote(const AcrResult& result, UnitSystem units);

// The note under a rated row: "<error>; no ACR." for a refused row, else its
// AcrBelowReferenceNote ("" when every category is rated).
std::string AcrRowNote(const AcrResult& result, UnitSystem units);

} // namespace korvant
