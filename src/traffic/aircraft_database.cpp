// Access to the aircraft records, and the catalogue reader. The file is read as a stream of
// delimited fields: a field ends at a comma or a line end (CR LF, LF or CR), blanks before it
// are skipped, and a field that begins with a double quote runs to the closing quote, commas and
// line ends included. The header is the first nine fields, each record the next nine, and each
// record begins a line.
#include "traffic/aircraft_database.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <utility>

#include "io/atomic_file.h"
#include "io/line_of_offset.h"

namespace korvant {

namespace {

template <typename Record> auto& FieldOf(Record& r, AircraftField f)
{
    switch (f) {
    case AircraftField::name:
        return r.name;
    case AircraftField::grossWeight:
        return r.grossWeight;
    case AircraftField::annualDepartures:
        return r.annualDepartures;
    case AircraftField::gearLoadPercent:
        return r.gearLoadPercent;
    case AircraftField::tirePressure:
        return r.tirePressure;
    case AircraftField::wheelCount:
        return r.wheelCount;
    case AircraftField::dualSpacing:
        return r.dualSpacing;
    case AircraftField::tandemSpacing:
        return r.tandemSpacing;
    case AircraftField::tireContactWidth:
        return r.tireContactWidth;
    }
    throw std::out_of_range(
        "aircraft field number " + std::to_string(static_cast<int>(f)) + " is outside 1..9");
}

template <typename Database> auto& RecordOf(Database& d, int number)
{
    if (number < 1 || number > AircraftDatabase::kMaxRecords)
        throw std::out_of_range("aircraft record number " + std::to_string(number)
            + " is outside 1.." + std::to_string(AircraftDatabase::kMaxRecords));
    return d.rows[static_cast<std::size_t>(number)];
}

constexpr int kFieldsPerRecord = 9;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Reads the fields of the catalogue text one after another and counts lines for messages.
class FieldReader
{
public:
    FieldReader(std::string_view text, const std::string& source)
        : text_(text)
        , source_(source)
    {
    }

    // Skips to the start of the next field and tells whether the text has ended there. Blank
    // lines hold no field and are passed over; a comma always opens a field, even at a line end.
    bool atEnd()
    {
        for (;;) {
            while (pos_ < text_.size() && IsBlank(text_[pos_]))
                ++pos_;
            if (afterComma_ || pos_ == text_.size() || !IsLineEnd(text_[pos_]))
                break;
            skipLineEnd();
        }
        return pos_ == text_.size() && !afterComma_;
    }

    int line() const { return line_; }

    // Whether the next field begins a line: the last one ended at a line end, not at a comma.
    bool atLineStart() const { return !afterComma_; }

    // Reads one field; false when the text ended before the field began.
    bool read(std::string& value)
    {
        if (atEnd())
            return false;
        afterComma_ = false;
        if (pos_ < text_.size() && text_[pos_] == '"')
            readQuoted(value);
        else
            readPlain(value);
        endField();
        return true;
    }

    [[noreturn]] void fail(int line, const std::string& what) const
    {
        throw CatalogueError(
            source_ + ", line " + std::to_string(line) + ": " + what + "; the file is damaged.");
    }

private:
    void skipLineEnd()
    {
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
            ++pos_;
        ++pos_;
        ++line_;
    }

    void readPlain(std::string& value)
    {
        const std::size_t begin = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_]))
            ++pos_;
        std::size_t end = pos_;
        while (end > begin && IsBlank(text_[end - 1]))
            --end;
        value.assign(text_.substr(begin, end - begin));
    }

    void readQuoted(std::string& value)
    {
        const int openLine = line_;
        const std::size_t close = text_.find('"', pos_ + 1);
        if (close == std::string_view::npos)
            fail(openLine, "a quoted field has no closing quote");
        value.assign(text_.substr(pos_ + 1, close - pos_ - 1));
        for (std::size_t i = pos_ + 1; i < close; ++i)
            if (text_[i] == '\n' || (text_[i] == '\r' && text_[i + 1] != '\n'))
                ++line_;
        pos_ = close + 1;
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_]))
            fail(line_, "text follows the closing quote of a field");
    }

    // Consumes the delimiter that ended a field.
    void endField()
    {
        if (pos_ == text_.size())
            return;
        if (text_[pos_] == ',') {
            ++pos_;
            afterComma_ = true;
        } else {
            skipLineEnd();
        }
    }

    std::string_view text_;
    const std::string& source_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool afterComma_ = false; // the last field ended at a comma, so another field follows
};

// Reads `count` fields; returns how many were read before the text ended.
template <typename Store> int ReadFields(FieldReader& reader, int count, Store store)
{
    std::string value;
    for (int n = 0; n < count; ++n) {
        if (!reader.read(value))
            return n;
        store(n + 1, std::move(value));
    }
    return count;
}

// Refuses text that is not plain comma-delimited text: UTF-16 or UTF-32 (by its byte order mark)
// and any text with a NUL byte, which would cut the names and values it reaches.
void RefuseOtherText(std::string_view content, const std::string& source)
{
    const char* encoding = nullptr;
    if (content.starts_with(std::string_view("\xFF\xFE\0\0", 4))
        || content.starts_with(std::string_view("\0\0\xFE\xFF", 4)))
        encoding = "UTF-32";
    else if (content.starts_with("\xFF\xFE") || content.starts_with("\xFE\xFF"))
        encoding = "UTF-16";
    if (encoding)
        throw CatalogueError(source + ": this is not an aircraft catalogue: it is " + encoding
            + " text, and a catalogue is plain comma-delimited text.");
    const std::size_t nul = content.find('\0');
    if (nul != std::string_view::npos)
        throw CatalogueError(source + ", line " + std::to_string(LineOfOffset(content, nul))
            + ": this is not an aircraft catalogue: the line holds a NUL byte, and a catalogue is "
              "plain comma-delimited text.");
}

} // namespace

std::string& AircraftRecord::field(AircraftField f)
{
    return FieldOf(*this, f);
}
const std::string& AircraftRecord::field(AircraftField f) const
{
    return FieldOf(*this, f);
}

AircraftRecord& AircraftDatabase::record(int number)
{
    return RecordOf(*this, number);
}
const AircraftRecord& AircraftDatabase::record(int number) const
{
    return RecordOf(*this, number);
}

std::string ParseAircraftData(
    std::string_view content, const std::string& source, AircraftDatabase& database)
{
    RefuseOtherText(content, source);
    FieldReader reader(content, source);

    if (reader.atEnd())
        throw CatalogueError(source + ": the file is empty, without its header of "
            + std::to_string(kFieldsPerRecord) + " column titles; the file is damaged.");
    std::array<std::string, 10> titles;
    int recordLine = reader.line();
    const int titleCount = ReadFields(reader, kFieldsPerRecord,
        [&](int n, std::string&& v) { titles[static_cast<std::size_t>(n)] = std::move(v); });
    if (titleCount < kFieldsPerRecord)
        reader.fail(recordLine,
            "the header ends after " + std::to_string(titleCount) + " of its "
                + std::to_string(kFieldsPerRecord) + " column titles");

    std::vector<AircraftRecord> records;
    std::vector<std::string> notes; // each without its full stop
    bool ignored = false;
    while (!reader.atEnd()) {
        // A field too many or too few in a record shifts every record after it off the start of
        // its line, where every record of a catalogue begins.
        if (!reader.atLineStart())
            reader.fail(reader.line(),
                "a record begins within this line, after the " + std::to_string(kFieldsPerRecord)
                    + " fields of the " + (records.empty() ? "header" : "record")
                    + " that begins on line " + std::to_string(recordLine)
                    + ", so one of them has more or fewer than " + std::to_string(kFieldsPerRecord)
                    + " fields");
        if (static_cast<int>(records.size()) == AircraftDatabase::kMaxRecords) {
            notes.push_back("the catalogue holds more than "
                + std::to_string(AircraftDatabase::kMaxRecords)
                + " aircraft; the records after the "
                + std::to_string(AircraftDatabase::kMaxRecords) + "th were ignored");
            ignored = true;
            break;
        }
        AircraftRecord& record = records.emplace_back();
        recordLine = reader.line();
        const int fieldCount = ReadFields(reader, kFieldsPerRecord, [&](int n, std::string&& v) {
            record.field(static_cast<AircraftField>(n)) = std::move(v);
        });
        if (fieldCount < kFieldsPerRecord)
            reader.fail(recordLine,
                "the record ends after " + std::to_string(fieldCount) + " of its "
                    + std::to_string(kFieldsPerRecord) + " fields");
    }
    if (records.empty())
        notes.emplace_back("the catalogue holds no aircraft, only its column titles");
    if (!ignored) {
        const std::size_t lastLine = content.find_last_of("\r\n");
        const std::string_view last
            = content.substr(lastLine == std::string_view::npos ? 0 : lastLine + 1);
        if (last.find_first_not_of(" \t") != std::string_view::npos)
            notes.push_back("the last line, line " + std::to_string(reader.line())
                + ", has no line end, so the file may have been cut short within its last value; "
                  "it was read as it stands");
    }

    database.titles = std::move(titles);
    for (std::size_t i = 0; i < records.size(); ++i)
        database.rows[i + 1] = std::move(records[i]);
    database.recordCount = static_cast<int>(records.size());
    std::string note;
    for (const std::string& part : notes)
        note += (note.empty() ? source + ": " : "; ") + part;
    return note.empty() ? note : note + ".";
}

std::string ReadAircraftData(const std::filesystem::path& path, AircraftDatabase& database)
{
    const std::string name = path.string();
    FileBytes read = ReadFileBytes(path, kMaxCatalogueBytes);
    if (read.error == EFBIG)
        throw CatalogueError("Cannot read the aircraft catalogue " + name
            + ": the file is larger than " + std::to_string(kMaxCatalogueBytes)
            + " bytes, far more than " + std::to_string(AircraftDatabase::kMaxRecords)
            + " aircraft take; the file is damaged.");
    if (read.error != 0)
        throw CatalogueError("Cannot read the aircraft catalogue " + name + ": " + read.reason);
    const std::string content = std::move(read.content);
    return ParseAircraftData(content, name, database);
}

std::vector<std::filesystem::path> DataFileCandidates(
    const std::filesystem::path& executableDir, const std::filesystem::path& name)
{
    const std::filesystem::path installed
        = std::filesystem::path(KORVANT_INSTALLED_DATA_DIR) / name;
    // Without the executable's place only the fixed one is looked at, never the working folder.
    if (executableDir.empty())
        return { installed };
    const std::filesystem::path candidates[] = {
        executableDir / name,
        (executableDir / ".." / KORVANT_RELATIVE_DATA_DIR / name).lexically_normal(),
        installed,
    };
    std::vector<std::filesystem::path> result;
    for (const auto& candidate : candidates)
        if (std::find(result.begin(), result.end(), candidate) == result.end())
            result.push_back(candidate);
    return result;
}

std::vector<std::filesystem::path> CatalogueCandidates(const std::filesystem::path& executableDir)
{
    return DataFileCandidates(executableDir, "fly.dll");
}

std::filesystem::path FindCatalogue(const std::vector<std::filesystem::path>& candidates)
{
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate;
    }
    return candidates.empty() ? std::filesystem::path("fly.dll") : candidates.front();
}

std::filesystem::path ExecutableDir()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    return exe.parent_path();
}

} // namespace korvant
