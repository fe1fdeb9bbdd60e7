// The PCR as tables: its rounds (critical aircraft, equivalent departures, allowable weight, ACR
// at that weight) and each aircraft of the mix against it (ACR, ACR / PCR, "exceeds"), as CSV
// or JSON in the session's units, and the note on the subgrade category.
#pragma once

#include <string>

#include "basics/unit_system.h"
#include "design/design_trace.h"
#include "design/json_document.h"
#include "design/pcr.h"

namespace korvant {

// One row a round: "Round", "Critical aircraft", "Record", "Equivalent departures", "Allowable
// gross weight (lb)", "ACR at that weight". Weights in lb, or kN in Metric. The window shows the
// table and the CSV writes it, lines ending in CR LF.
TraceTable PcrRoundsTable(const PcrResult& result, const DesignBasis& basis, UnitSystem units);
inline constexpr int kPcrRoundRecordColumn = 2; // "Record"
std::string PcrRoundsCsv(const PcrResult& result, const DesignBasis& basis, UnitSystem units);

// One row an aircraft of the mix: "Record", "Aircraft", "ACR", "ACR / PCR", "Exceeds" (the word
// "exceeds" or empty); an aircraft below the smallest ratings has empty ACR cells.
TraceTable PcrAircraftTable(const PcrResult& result, const DesignBasis& basis);
inline constexpr int kPcrAircraftRecordColumn = 0; // "Record"
inline constexpr int kPcrAircraftNameColumn = 1; // "Aircraft"
std::string PcrAircraftCsv(const PcrResult& result, const DesignBasis& basis);

// The code, an empty line, the rounds and, after another empty line, the aircraft: what
// korvant-cli --pcr writes to its standard output.
std::string PcrCsv(const PcrResult& result, const DesignBasis& basis, UnitSystem units);

// The document "pcr": the code, the PCR and its largest round before rounding, the category
// with its note, the slab (in, exact, and as the session writes it), the rounds and each
// aircraft of the mix, numbers exact; weights in lb, or kN in Metric.
std::string PcrJson(const PcrResult& result, const DesignBasis& basis, UnitSystem units,
    const DocumentStatus& status);

// "Subgrade category B from k = 200 pci (E = 18,234 psi, 125.7 MPa)", or "... given" when the
// engineer chose it.
std::string PcrCategoryNote(const PcrResult& result, const DesignBasis& basis, UnitSystem units);

} // namespace korvant
