// Fuzz target of the aircraft catalogue reader: any bytes as fly.dll. A refused file leaves the
// table as it was and says why; an accepted one fills at most 65 rows, keeps the rows after them,
// and reads back the same when its records are written out again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "traffic/aircraft_database.h"

namespace korvant {
namespace {

// A field as a catalogue writes it: plain when the reader gives it back unchanged, otherwise
// quoted. Returns false for a field that this format cannot hold (a quote in a field that must
// be quoted).
bool AppendField(std::string& out, const std::string& field)
{
    const bool plain = field.find_first_of(",\r\n") == std::string::npos
        && (field.empty()
            || (field.front() != ' ' && field.front() != '\t' && field.front() != '"'
                && field.back() != ' ' && field.back() != '\t'));
    if (plain) {
        out += field;
        return true;
    }
    if (field.find('"') != std::string::npos)
        return false;
    out += '"';
    out += field;
    out += '"';
    return true;
}

// The catalogue text of titles and rows 1..recordCount; false when a field cannot be written.
bool CatalogueText(const AircraftDatabase& database, std::string& out)
{
    auto line = [&out](auto field) {
        for (int f = 1; f <= 9; ++f) {
            if (f > 1)
                out += ',';
            if (!AppendField(out, field(f)))
                return false;
        }
        out += "\r\n";
        return true;
    };
    if (!line([&](int f) { return database.titles[static_cast<std::size_t>(f)]; }))
        return false;
    for (int row = 1; row <= database.recordCount; ++row)
        if (!line([&](int f) { return database.record(row).field(static_cast<AircraftField>(f)); }))
            return false;
    return true;
}

AircraftDatabase Filled()
{
    AircraftDatabase database;
    for (int row = 1; row <= AircraftDatabase::kMaxRecords; ++row)
        database.record(row).name = "before " + std::to_string(row);
    database.titles[1] = "before";
    database.recordCount = 7;
    return database;
}

} // namespace
} // namespace korvant

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace korvant;
    static const AircraftDatabase before = Filled();
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    AircraftDatabase database = before;
    std::string note;
    try {
        note = ParseAircraftData(text, "fly.dll", database);
    } catch (const CatalogueError& error) {
        const std::string message = error.what();
        FuzzCheck(database == before, "a refused catalogue changed the table");
        FuzzCheck(message.rfind("fly.dll", 0) == 0 && message.size() < 400,
            "the message names the file and is short", message);
        return 0;
    }
    FuzzCheck(database.recordCount >= 0 && database.recordCount <= AircraftDatabase::kMaxRecords,
        "recordCount lies in 0..65");
    FuzzCheck(note.empty() || database.recordCount == AircraftDatabase::kMaxRecords,
        "records are ignored only after the 65th", note);
    for (int row = database.recordCount + 1; row <= AircraftDatabase::kMaxRecords; ++row)
        FuzzCheck(database.record(row) == before.record(row), "rows after recordCount are kept");

    std::string written;
    if (!CatalogueText(database, written))
        return 0;
    AircraftDatabase again = before;
    try {
        ParseAircraftData(written, "again", again);
    } catch (const CatalogueError& error) {
        FuzzCheck(false, "a written catalogue is refused", error.what());
    }
    FuzzCheck(again == database, "a written catalogue reads back the same", written);
    return 0;
}
