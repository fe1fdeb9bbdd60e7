// Fuzz target of the aircraft catalogue reader: any bytes as fly.dll. A refused file leaves the
// table as it was and says why; an accepted one holds no NUL byte and no UTF-16 or UTF-32 text,
// fills at most 65 rows, keeps the rows after them, notes an empty table and a last line without
// its line end, and reads back the same when its records are written out again; written out with
// a field too many or too few in a record, it is refused.
#include <algorithm>
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
                && field.back() != ' ' && field.back() != '\t'))
        // At the start of the file these bytes would read as a UTF-16 byte order mark.
        && !field.starts_with("\xFF\xFE") && !field.starts_with("\xFE\xFF");
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
// Row `changed` is written with a field too many (`fields` 10) or too few (8).
bool CatalogueText(
    const AircraftDatabase& database, std::string& out, int changed = 0, int fields = 9)
{
    auto line = [&out](auto field, int count) {
        for (int f = 1; f <= count; ++f) {
            if (f > 1)
                out += ',';
            if (!AppendField(out, f <= 9 ? field(f) : std::string("extra")))
                return false;
        }
        out += "\r\n";
        return true;
    };
    if (!line([&](int f) { return database.titles[static_cast<std::size_t>(f)]; }, 9))
        return false;
    for (int row = 1; row <= database.recordCount; ++row)
        if (!line([&](int f) { return database.record(row).field(static_cast<AircraftField>(f)); },
                row == changed ? fields : 9))
            return false;
    return true;
}

bool Refused(const std::string& text)
{
    AircraftDatabase database;
    try {
        ParseAircraftData(text, "changed", database);
    } catch (const CatalogueError&) {
        return true;
    }
    return false;
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
    FuzzCheck(text.find('\0') == std::string_view::npos && !text.starts_with("\xFF\xFE")
            && !text.starts_with("\xFE\xFF"),
        "text with a NUL byte or a UTF-16 or UTF-32 byte order mark is refused");
    const bool ignored = note.find("more than 65 aircraft") != std::string::npos;
    FuzzCheck(!ignored || database.recordCount == AircraftDatabase::kMaxRecords,
        "records are ignored only after the 65th", note);
    FuzzCheck((note.find("holds no aircraft") != std::string::npos) == (database.recordCount == 0),
        "an empty table is noted", note);
    const std::size_t lastEnd = text.find_last_of("\r\n");
    const std::string_view lastLine
        = text.substr(lastEnd == std::string_view::npos ? 0 : lastEnd + 1);
    FuzzCheck(ignored
            || (note.find("has no line end") != std::string::npos)
                == (lastLine.find_first_not_of(" \t") != std::string_view::npos),
        "a last line without its line end is noted", note);
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

    // A field too many or too few in any record shifts the records after it: refused.
    for (const int fields : { 8, 10 }) {
        const int row = 1
            + static_cast<int>(size % static_cast<std::size_t>(std::max(database.recordCount, 1)));
        std::string changed;
        if (database.recordCount > 0 && CatalogueText(database, changed, row, fields))
            FuzzCheck(
                Refused(changed), "a record with a field too many or too few is refused", changed);
    }
    return 0;
}
