// The calculation trace of the last design as tables: per aircraft every value of the aircraft
// step at the design thickness, per bisection trial the thickness, the total damage and the two
// bounds. The window shows the tables; the CSV text is what it exports and what korvant-cli
// --trace csv prints (its JSON document is in design_json.h). Values are in the units the design
// works in (in, lb, psi, pci, 'F, mph), whatever the session's unit system.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "design/design_model.h"
#include "design/slab_evaluation.h"

namespace korvant {

// One value of the aircraft step: its JSON key, its heading and unit ("" for a ratio), and
// whether the design holds it as a 32-bit float.
struct TraceQuantity
{
    const char* key;
    const char* heading;
    const char* unit;
    double (*value)(const AircraftStep&);
    bool single;
};
const std::vector<TraceQuantity>& TraceQuantities();

// The quantity of the damage ratio (%), the one the evaluation of a slab lists for each aircraft.
const TraceQuantity& DamageRatioQuantity();

// The words for a value that is not a number the fatigue law gives ("Unlimited", "more than any
// number", "design stress not positive"); none for a number.
std::optional<std::string> LimitWords(const TraceQuantity& quantity, const AircraftStep& step);

// The value as the exports write it: the shortest text that reads back to it in its own
// precision, or its words.
std::string ExactText(const TraceQuantity& quantity, const AircraftStep& step);

// "Edge stress (psi)", or the heading alone for a value without a unit.
std::string TraceHeading(const TraceQuantity& quantity);

// A table of texts: column headings and rows of cells.
struct TraceTable
{
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};

// The calculation sheet of the window: one row per quantity (its heading with the unit first),
// one column per aircraft of the design's mix, values to 6 significant digits.
TraceTable AircraftTraceSheet(const DesignTrace& trace);

// One row per trial: pass, thickness, total damage, lower and upper bound.
TraceTable TrialTraceTable(const DesignTrace& trace);

// "Design thickness 16.3 in (16.25 in): total damage 0.9995 after 12 trials, converged." in the
// session's units; "No design has run yet." for an empty trace.
std::string TraceSummary(const DesignTrace& trace, UnitSystem units);

// The CSV text, lines ending in CR LF: a table with one row per aircraft (name, record number and
// every quantity, exact values), an empty line, and the table of trials. With an evaluation, an
// empty line and its table follow (aircraft, record, damage ratio, then the total and the years).
std::string TraceCsv(const DesignTrace& trace, const SlabEvaluation* evaluation = nullptr);

} // namespace korvant
