// The ACR table of catalogue aircraft as CSV or JSON, in the session's units, and the notes that go
// with it: where the ratings come from, and why a category has no rating.
#pragma once

#include <string>
#include <vector>

#include "basics/unit_system.h"
#include "design/acr.h"
#include "design/json_document.h"
#include "traffic/aircraft_database.h"

namespace korvant {

// What the ratings are: computed from the catalogue's gear data on ICAO's reference structure,
// not the manufacturers' published ACRs.
extern const char* const kAcrSourceNote;

// The CSV table, a row per result in its order: record, aircraft, gross weight as the record
// holds it (lb | kN), the ACRs of subgrades A to D (one decimal), the slabs of step 1 (in | cm,
// two decimals) and the derived single wheel loads (kg, whole). A category without a rating has
// empty fields; a refused row keeps its record, name and weight only. Lines end in CR LF.
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

} // namespace korvant
