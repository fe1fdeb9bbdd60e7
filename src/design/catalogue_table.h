// The aircraft catalogue as a table (korvant-cli --list-aircraft): a row per record with its
// number, name and values as the session holds them, in the session's units.
#pragma once

#include <string>

#include "basics/unit_system.h"
#include "design/json_document.h"
#include "traffic/aircraft_database.h"

namespace korvant {

// "Gross weight (lb)": the field's words with a capital and its unit in the session's units.
std::string AircraftFieldHeading(AircraftField field, UnitSystem units);

// CSV: "Record,Aircraft,Gross weight (lb),..." and a row per record 1..recordCount, each value
// the text the catalogue holds. Lines end in CR LF.
std::string CatalogueCsv(const AircraftDatabase& database, UnitSystem units);

// The document "aircraft": the unit of each field, then "aircraft": a member per record with
// "record", "name" and each field by its key as a number (null with "<key>Status" for a text
// that is not one).
std::string CatalogueJson(
    const AircraftDatabase& database, UnitSystem units, const DocumentStatus& status);

} // namespace korvant
