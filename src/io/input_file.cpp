// Reading input data files (their lines in io/input_file_format.h): the whole text is parsed
// before anything is returned, and every line that the format fixes is checked, so that a
// damaged file is refused with the line it concerns. Texts are read back unchanged.
#include "io/input_file.h"

#include <algorithm>
#include <utility>

#include "io/atomic_file.h"
#include "io/data_text.h"
#include "io/input_file_format.h"
#include "io/line_of_offset.h"
#include "io/number_text.h"
#include "io/quoted_text.h"

namespace korvant {
namespace {

using namespace input_format;

// The line that starts at `begin`, which moves past its line end (CR LF, LF or CR). False at
// the end of the text.
bool NextLine(std::string_view text, std::size_t& begin, std::string_view& line)
{
    if (begin >= text.size())
        return false;
    const std::size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) {
        line = text.substr(begin);
        begin = text.size();
        return true;
    }
    line = text.substr(begin, end - begin);
    begin = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    return true;
}

// The first `count` lines of the text at most; `rest` receives the offset after the last of them.
std::vector<std::string_view> SplitLines(
    std::string_view text, std::size_t count, std::size_t& rest)
{
    std::vector<std::string_view> lines;
    rest = 0;
    std::string_view line;
    while (lines.size() < count && NextLine(text, rest, line))
        lines.push_back(line);
    return lines;
}

bool IsBlankLine(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The value of a whole number text: digits with an optional sign, blanks around them allowed;
// none for any other text. Values beyond a million are held at a million, far beyond any count,
// record number or choice.
std::optional<long long> WholeNumberOfText(std::string_view text)
{
    std::string_view digits = Trimmed(text);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
        digits.remove_prefix(1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    long long value = 0;
    for (const char digit : digits)
        value = std::min(value * 10 + (digit - '0'), 1'000'000LL);
    return negative ? -value : value;
}

// Whether the line that ends at offset `end` (past its line end, if any) is the last of the text
// and has no line end.
bool EndsWithoutLineEnd(std::string_view text, std::size_t end)
{
    return end == text.size() && !text.empty() && text.back() != '\n' && text.back() != '\r';
}

// The line of the first NUL byte of the text, 0 when it holds none.
int NulLine(std::string_view text)
{
    const std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? 0 : LineOfOffset(text, nul);
}

// The lines of one file being parsed, with the messages for a damaged file.
class LineReader
{
public:
    LineReader(std::string_view content, const std::filesystem::path& source)
        : content_(content)
        , lines_(SplitLines(content, kLastLine, rest_))
        , source_(source)
    {
    }

    // The offset in the content just after line `number` and its line end.
    std::size_t endOf(int number) const
    {
        if (number >= static_cast<int>(lines_.size()))
            return rest_;
        return static_cast<std::size_t>(
            lines_[static_cast<std::size_t>(number)].data() - content_.data());
    }
    std::string_view content() const { return content_; }

    // Line `number` (1-based); `what` names it for a file that ends before it.
    std::string_view line(int number, const std::string& what) const
    {
        if (number > static_cast<int>(lines_.size()))
            fail(number, "the file ends before this line, which should hold " + what);
        return lines_[static_cast<std::size_t>(number - 1)];
    }

    // A line that must hold a whole number text: digits with an optional sign, blanks around
    // them allowed. `text` receives the line as written, for messages.
    long long wholeNumber(int number, const std::string& what, std::string& text) const
    {
        const std::string_view line = this->line(number, what);
        text = QuotedText(line);
        const std::optional<long long> value = WholeNumberOfText(line);
        if (!value)
            fail(number,
                what + " " + text + " is not "
                    + (IsNumberText(line) ? "a whole number" : "a number"));
        return *value;
    }

    // Refuses line `number` when it is the last of the text and lost its line end.
    void checkTerminated(int number, std::string_view line) const
    {
        if (number == static_cast<int>(lines_.size()) && EndsWithoutLineEnd(content_, rest_))
            failCutShort(number, line);
    }

    // A last line without its line end, which every line of a file written whole has: the file
    // was cut, perhaps within the value (blanks included: a value of blanks cut short is another
    // value).
    [[noreturn]] void failCutShort(int number, std::string_view line) const
    {
        fail(number,
            "the file ends within the line " + QuotedText(line)
                + ", without its line end, so the line may have been cut short");
    }

    [[noreturn]] void fail(int number, const std::string& what) const
    {
        throw InputFileError(source_.string() + ", line " + std::to_string(number) + ": " + what
                + "; the file is damaged.",
            source_, number);
    }

    [[noreturn]] void failExactly(int number, const std::string& message) const
    {
        throw InputFileError(message, source_, number);
    }

private:
    std::string_view content_;
    std::size_t rest_ = 0; // where the text after the split lines begins
    std::vector<std::string_view> lines_;
    const std::filesystem::path& source_;
};

// The project section after line `last`, the last aircraft line; none when only empty lines
// follow. Any other line before the section marker is damage (more aircraft than the count
// says, or text that no version writes), and so is a section without every key that a saved
// file holds (it was cut short).
std::optional<ProjectInputs> ParseProjectSection(const LineReader& reader, int last, int count)
{
    const std::string_view content = reader.content();
    std::size_t at = reader.endOf(last);
    std::optional<ProjectInputs> project;
    int markerLine = 0;
    // The line on which each key was given: the project fields, layerMode, bondno.
    std::array<int, kInputFieldCount> fieldLine {};
    int layerModeLine = 0;
    int bondLine = 0;
    std::string_view line;
    for (int number = last + 1; NextLine(content, at, line); ++number) {
        if (!IsBlankLine(line) && EndsWithoutLineEnd(content, at)
            && (!project || line.rfind("***", 0) != 0))
            reader.failCutShort(number, line);
        if (!project) {
            if (IsBlankLine(line))
                continue;
            if (line != kProjectMarker)
                reader.fail(number,
                    "the line " + QuotedText(line) + " follows the last of the "
                        + std::to_string(count) + " aircraft that line "
                        + std::to_string(kCountLine) + " counts");
            project.emplace();
            markerLine = number;
            continue;
        }
        if (line.rfind("***", 0) == 0)
            break; // a section of a later version
        if (IsBlankLine(line))
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            reader.fail(number,
                "the line " + QuotedText(line) + " of the project section is not key=value");
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::string_view value = line.substr(equals + 1);
        std::optional<InputField> field;
        for (const InputField projectField : kProjectFields)
            if (key == InputFieldInfoOf(projectField).objectName)
                field = projectField;
        const bool layerMode = key == kLayerModeKey;
        const bool bond = key == kBondKey;
        if (!field && !layerMode && !bond)
            continue; // a key of a later version
        int& given = layerMode ? layerModeLine
            : bond             ? bondLine
                               : fieldLine[static_cast<std::size_t>(*field)];
        if (given != 0)
            reader.fail(number,
                "the key " + std::string(key) + " is given again; line " + std::to_string(given)
                    + " gives it first");
        given = number;

        const std::optional<long long> choice = WholeNumberOfText(value);
        if (layerMode) {
            if (!choice || *choice < 0 || *choice > 2)
                reader.fail(number,
                    std::string("the structure ") + kLayerModeKey + " " + QuotedText(value)
                        + " is not 0, 1 or 2");
            project->layerMode = static_cast<std::int16_t>(*choice);
        } else if (bond) {
            if (!choice || *choice < 0 || *choice > 1)
                reader.fail(number,
                    std::string("the bond option ") + kBondKey + " " + QuotedText(value)
                        + " is not 0 or 1");
            project->bondNo = *choice == 1;
        } else {
            project->fields[static_cast<std::size_t>(*field)] = std::string(value);
        }
    }
    if (project) {
        std::vector<std::string> missing;
        for (const InputField field : kProjectFields)
            if (fieldLine[static_cast<std::size_t>(field)] == 0)
                missing.emplace_back(InputFieldInfoOf(field).objectName);
        if (layerModeLine == 0)
            missing.emplace_back(kLayerModeKey);
        if (bondLine == 0)
            missing.emplace_back(kBondKey);
        if (!missing.empty())
            reader.fail(markerLine,
                "the project section that begins here lacks " + Listed(missing)
                    + ", which every saved file holds, so it was cut short");
    }
    return project;
}

} // namespace

InputFileData ParseInputFile(
    std::string_view content, const std::filesystem::path& source, FileReach reach)
{
    const LineReader reader(content, source);
    InputFileData data;

    if (const int nul = NulLine(content))
        reader.fail(nul, "the line holds a NUL byte, which no input data file holds");
    reader.line(1, "the title line");
    const std::string_view marker = reader.line(2, "the unit marker");
    if (marker == kEnglishMarker)
        data.units = UnitSystem::English;
    else if (marker == kMetricMarker)
        data.units = UnitSystem::Metric;
    else
        reader.fail(2,
            "the unit marker " + QuotedText(marker) + " is neither " + kEnglishMarker + " nor "
                + kMetricMarker);
    reader.line(3, "an empty line");
    data.E = reader.line(4, "the elastic modulus of concrete");
    data.Sc = reader.line(5, "the concrete flexural strength");
    data.k = reader.line(6, "the modulus of subgrade reaction");
    reader.line(7, "an empty line");
    if (reader.line(8, std::string("the marker ") + kAircraftMarker) != kAircraftMarker)
        reader.failExactly(8, kIncorrectInputFile);

    std::string written;
    const long long count = reader.wholeNumber(kCountLine, "the aircraft count", written);
    if (count < 0)
        reader.fail(kCountLine, "the aircraft count " + written + " is negative");
    if (count > kMaxAircraftRecords)
        reader.fail(kCountLine,
            "the aircraft count " + written + " is more than the "
                + std::to_string(kMaxAircraftRecords) + " aircraft of a traffic mix");

    // record -> aircraft number
    std::vector<int> givenFor(static_cast<std::size_t>(kMaxAircraftRecords) + 1);
    for (int i = 1; i <= count; ++i) {
        const int first = kCountLine + 1 + (i - 1) * kAircraftLines;
        const std::string which = "aircraft " + std::to_string(i) + " of " + std::to_string(count);
        const long long record
            = reader.wholeNumber(first, "the record number of " + which, written);
        if (record < 1 || record > kMaxAircraftRecords)
            reader.fail(first,
                "the record number " + written + " of " + which + " is outside 1.."
                    + std::to_string(kMaxAircraftRecords));
        int& earlier = givenFor[static_cast<std::size_t>(record)];
        if (earlier != 0)
            reader.fail(first,
                "aircraft " + std::to_string(i) + " names record " + std::to_string(record)
                    + ", which aircraft " + std::to_string(earlier) + " already names");
        earlier = i;

        InputFileAircraft& aircraft = data.aircraft.emplace_back();
        aircraft.record = static_cast<int>(record);
        for (std::size_t v = 0; v < aircraft.values.size(); ++v)
            aircraft.values[v] = reader.line(first + 1 + static_cast<int>(v),
                "the " + ValueName(v) + " of " + which + " (record " + std::to_string(record)
                    + ")");
    }
    const int last = kCountLine + static_cast<int>(count) * kAircraftLines;
    reader.checkTerminated(last, reader.line(last, "the last aircraft value"));
    if (reach == FileReach::Whole)
        data.project = ParseProjectSection(reader, last, static_cast<int>(count));
    return data;
}

std::string ReadInputFileText(const std::filesystem::path& path)
{
    try {
        return ReadFileUpTo(path, kMaxInputFileBytes);
    } catch (const FileError& error) {
        throw InputFileError(error.what(), path, 0);
    }
}

InputFileData ReadInputFile(const std::filesystem::path& path)
{
    return ParseInputFile(ReadInputFileText(path), path);
}

} // namespace korvant
