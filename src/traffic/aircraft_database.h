// The aircraft catalogue: one record of nine text fields per aircraft, the table of up to 65
// records with its column titles, the reader of the catalogue file fly.dll (comma-delimited text, a
// header of nine titles, then nine fields per aircraft) and the places where the program looks for
// it.
#pragma once

#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "basics/aircraft_fields.h"

namespace korvant {

// One aircraft. The numbers are kept as the decimal texts read or typed, in the current unit
// system; they are read as numbers where they are used.
struct AircraftRecord
{
    std::string name, grossWeight, annualDepartures, gearLoadPercent, tirePressure, wheelCount,
        dualSpacing, tandemSpacing, tireContactWidth;

    // Throws std::out_of_range for a value outside the enumeration.
    std::string& field(AircraftField f);
    const std::string& field(AircraftField f) const;

    bool operator==(const AircraftRecord&) const = default;
};

// The catalogue in memory. A record number is the 1-based position of the aircraft in the file.
struct AircraftDatabase
{
    static constexpr int kMaxRecords = kMaxAircraftRecords;

    std::array<AircraftRecord, kMaxRecords + 1> rows; // rows[1..65]; row 0 unused
    int recordCount = 0; // 0..65
    std::array<std::string, 10> titles; // titles[1..9]; [0] unused

    // number 1..65; throws std::out_of_range otherwise.
    AircraftRecord& record(int number);
    const AircraftRecord& record(int number) const;

    bool operator==(const AircraftDatabase&) const = default;
};

// A catalogue that cannot be read or is damaged.
class CatalogueError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Parses catalogue text into `database`: replaces the titles and rows 1..n and sets
// recordCount = n; rows after n keep what they held. The text is parsed completely before
// anything is assigned, so a CatalogueError leaves `database` unchanged. Refused: UTF-16 or
// UTF-32 text (by its byte order mark) and text with a NUL byte, as not a catalogue; a header or
// record that ends early; a record that does not begin a line (a record before it has a field too
// many or too few, which shifts the records after it). A record may run over several lines. Returns
// a note for the user, "" when there is none: records beyond the 65th were ignored, the catalogue
// holds no aircraft, or its last line has no line end (read as it stands). `source` names the file
// in messages.
std::string ParseAircraftData(
    std::string_view content, const std::string& source, AircraftDatabase& database);

// The largest catalogue file that is read. 65 aircraft take a few kilobytes; a larger file is
// refused before it can fill the memory (an endless device included).
inline constexpr std::size_t kMaxCatalogueBytes = 1 << 20;

// Reads and parses the catalogue file; a missing or unreadable file, or one larger than
// kMaxCatalogueBytes, throws CatalogueError with the path and the reason.
std::string ReadAircraftData(const std::filesystem::path& path, AircraftDatabase& database);

// The places of a data file the program ships (fly.dll, manual/index.html), in the order they are
// tried: beside the executable, then the installed data folder relative to it
// (<exe dir>/../share/korvant), then the data folder fixed at build time; only the last when the
// executable's directory is not known (empty).
std::vector<std::filesystem::path> DataFileCandidates(
    const std::filesystem::path& executableDir, const std::filesystem::path& name);
std::vector<std::filesystem::path> CatalogueCandidates(const std::filesystem::path& executableDir);

// The catalogue to read among the candidates: the first that is a regular file, else the first
// candidate, so that the failure names the place looked at first ("fly.dll" without candidates).
std::filesystem::path FindCatalogue(const std::vector<std::filesystem::path>& candidates);

// The directory of the running executable (from /proc/self/exe); empty when that cannot be read
// (no /proc), so that the data files are looked for in the fixed data folder only.
std::filesystem::path ExecutableDir();

} // namespace korvant
