// The options of korvant-cli as parsed: the inputs in two stages (before and after --inp), the
// files, the structure, what to print (the design's thickness, report, trace or study, the
// catalogue, the ACR table or the PCR) and in which form.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "basics/aircraft_fields.h"
#include "basics/input_fields.h"
#include "basics/unit_system.h"
#include "cli/study_options.h"
#include "cli/usage_error.h"
#include "design/acr.h"

namespace korvant {

struct Change
{
    int record = 0;
    AircraftField field = AircraftField::grossWeight;
    std::string text;
};

// Inputs applied together, in the fixed order units, fields, mix, changes.
struct Stage
{
    std::optional<UnitSystem> units;
    std::map<InputField, std::string> fields;
    std::optional<std::vector<int>> mix;
    std::vector<Change> changes;
};

// The form of the tables and documents printed: CSV (the default) or one JSON document.
enum class OutputFormat { Csv, Json };

// The file name that stands for standard input.
inline constexpr const char* kStandardInputName = "-";

struct Options
{
    std::optional<std::string> db;
    std::optional<std::string> inp; // kStandardInputName: read from standard input
    std::optional<std::string> save;
    Stage before; // the inputs given before --inp (all of them without it)
    Stage after; // the inputs given after --inp
    std::optional<std::int16_t> layerMode; // from --structure
    bool bondNo = true;
    bool report = false;
    std::optional<std::string> trace; // "csv" or "json"
    std::optional<OutputFormat> format; // --format; CSV when not given
    bool listAircraft = false;
    std::optional<std::string> evaluate; // the slab thickness as given
    StudyRequest study;
    // --acr: the records to rate in the order given, each once; empty for the whole catalogue.
    std::optional<std::vector<int>> acr;
    // --pcr: the slab's thickness as given with --pcr=THICKNESS, none for the design thickness.
    std::optional<std::optional<std::string>> pcr;
    std::optional<SubgradeCategory> category; // --category A|B|C|D
    bool help = false;
    // The form of what is printed: --format, or the form --trace names.
    OutputFormat output() const
    {
        if (trace)
            return *trace == "json" ? OutputFormat::Json : OutputFormat::Csv;
        return format.value_or(OutputFormat::Csv);
    }
    bool version = false;
};

// Throws UsageError when `record`, given with `option`, is not in the catalogue read.
void CheckCatalogueRecord(const std::string& option, int record, const AircraftDatabase& database);

// Parses the arguments after the program name. Throws UsageError with the message for the user.
Options ParseOptions(const std::vector<std::string>& args);

} // namespace korvant
