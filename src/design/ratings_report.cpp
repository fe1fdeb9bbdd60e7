// The ratings pages: text tables laid out from the window's tables, notes wrapped to the width
// of the report's fatigue table. The ACR table is split in two (the ACRs with the gross weight,
// then the slabs of step 1 and the DSWLs) so that each fits a page in the report's type size.
#include "design/ratings_report.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "design/acr_table.h"
#include "design/acr_view_state.h"
#include "design/pcr_table.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr const char* kIndent = "     "; // as the report's lines
constexpr std::size_t kTextWidth = 89; // the report's 94 columns less the indent
constexpr const char* kGap = "  ";
constexpr std::size_t kShortHeading = 12; // a heading up to this long keeps to one line
constexpr std::array<const char*, 4> kCategoryLetters = { "A", "B", "C", "D" };

void Add(std::vector<std::string>& lines, const std::vector<std::string>& more)
{
    for (const std::string& line : more)
        lines.push_back(line.empty() ? line : kIndent + line);
}

void AddText(std::vector<std::string>& lines, const std::string& text)
{
    Add(lines, WrappedLines(text, kTextWidth));
}

// The columns `keep` of a table, their headings replaced where `headings` gives one.
TraceTable Columns(const TraceTable& table, const std::vector<std::size_t>& keep,
    const std::vector<std::string>& headings)
{
    TraceTable part;
    for (std::size_t i = 0; i < keep.size(); ++i)
        part.headings.push_back(headings[i].empty() ? table.headings[keep[i]] : headings[i]);
    for (const auto& row : table.rows) {
        std::vector<std::string>& cells = part.rows.emplace_back();
        for (const std::size_t column : keep)
            cells.push_back(row[column]);
    }
    return part;
}

void AcrSection(std::vector<std::string>& lines, const std::vector<AcrResult>& mixAcr,
    const DesignModel& session)
{
    AddText(lines, "ACR of the aircraft of the mix");
    AddText(lines, AcrSourceLine());
    lines.emplace_back();
    if (mixAcr.empty()) {
        AddText(lines, "The traffic mix is empty.");
        return;
    }
    const TraceTable table = AcrTable(mixAcr, session.database, session.units);
    const std::vector<AcrQuantity> quantities = AcrQuantities(session.units);
    const auto title = [](const AcrQuantity& quantity) {
        return quantity.unit.empty() ? quantity.name : quantity.name + " (" + quantity.unit + ")";
    };
    // Record, aircraft and gross weight, then four columns a quantity.
    std::vector<std::size_t> first = { 0, 1, 2 };
    std::vector<std::string> firstHeadings = { "", "", "" };
    std::vector<std::size_t> second = { 0, 1 };
    std::vector<std::string> secondHeadings = { "", "" };
    for (std::size_t q = 0; q < quantities.size(); ++q)
        for (std::size_t c = 0; c < kCategoryLetters.size(); ++c) {
            const std::size_t column = 3 + q * kCategoryLetters.size() + c;
            (q == 0 ? first : second).push_back(column);
            (q == 0 ? firstHeadings : secondHeadings).emplace_back(kCategoryLetters[c]);
        }
    Add(lines,
        TextTableLines(Columns(table, first, firstHeadings), { { 3, 4, title(quantities[0]) } }));
    lines.emplace_back();
    Add(lines,
        TextTableLines(Columns(table, second, secondHeadings),
            { { 2, 4, title(quantities[1]) }, { 6, 4, title(quantities[2]) } }));
    bool noted = false;
    for (const AcrResult& result : mixAcr) {
        const std::string note = AcrRowNote(result, session.units);
        if (note.empty())
            continue;
        if (!noted)
            lines.emplace_back();
        noted = true;
        AddText(lines, note);
    }
}

void PcrSection(std::vector<std::string>& lines, const DesignModel& session,
    const std::optional<PcrShown>& pcr, Staleness staleness)
{
    if (!pcr) {
        AddText(lines, "PCR");
        AddText(lines, PcrNotComputedText());
        return;
    }
    const PcrTexts texts = PcrTextsOf(*pcr, session.units);
    AddText(lines, texts.slab);
    if (const std::string note = OutOfDateNote(ShownResult::Pcr, staleness); !note.empty())
        AddText(lines, note);
    AddText(lines, texts.code);
    AddText(lines, texts.note);
    if (!pcr->result)
        return;
    const PcrResult& result = *pcr->result;
    lines.emplace_back();
    Add(lines, TextTableLines(PcrRoundsTable(result, pcr->basis, session.units)));
    lines.emplace_back();
    Add(lines, TextTableLines(PcrAircraftTable(result, pcr->basis)));
}

} // namespace

std::vector<std::string> HeadingLines(const std::string& heading, std::size_t cellWidth)
{
    std::size_t width = std::max(
        cellWidth, heading.size() <= kShortHeading ? heading.size() : (heading.size() + 1) / 2);
    while (WrappedLines(heading, width).size() > 2)
        ++width;
    return WrappedLines(heading, width);
}

std::vector<std::string> TextTableLines(
    const TraceTable& table, const std::vector<ColumnGroup>& groups)
{
    const std::size_t columns = table.headings.size();
    std::vector<std::size_t> widths(columns);
    std::vector<bool> numbers(columns, true);
    std::vector<std::vector<std::string>> headings(columns);
    std::size_t headingLines = 1;
    for (std::size_t c = 0; c < columns; ++c) {
        for (const auto& row : table.rows) {
            widths[c] = std::max(widths[c], row[c].size());
            if (!row[c].empty() && !IsNumberText(row[c]))
                numbers[c] = false;
        }
        headings[c] = HeadingLines(table.headings[c], widths[c]);
        for (const std::string& line : headings[c])
            widths[c] = std::max(widths[c], line.size());
        headingLines = std::max(headingLines, headings[c].size());
    }
    const auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t c = 0; c < columns; ++c) {
            const std::string padding(widths[c] - cells[c].size(), ' ');
            text += (c == 0 ? "" : kGap) + (numbers[c] ? padding + cells[c] : cells[c] + padding);
        }
        text.erase(text.find_last_not_of(' ') + 1);
        return text;
    };
    // The headings' last lines side by side on the line above the cells.
    std::vector<std::string> lines;
    for (std::size_t l = 0; l < headingLines; ++l) {
        std::vector<std::string> cells(columns);
        for (std::size_t c = 0; c < columns; ++c) {
            const std::size_t blank = headingLines - headings[c].size();
            if (l >= blank)
                cells[c] = headings[c][l - blank];
        }
        lines.push_back(line(cells));
    }
    // A group's title centred over its columns on the line above their headings.
    std::vector<std::size_t> starts(columns + 1, 0);
    for (std::size_t c = 0; c < columns; ++c)
        starts[c + 1] = starts[c] + widths[c] + std::string_view(kGap).size();
    for (const ColumnGroup& group : groups) {
        std::size_t tallest = 0;
        for (std::size_t c = group.first; c < group.first + group.count; ++c)
            tallest = std::max(tallest, headings[c].size());
        if (tallest >= headingLines) {
            lines.insert(lines.begin(), std::string());
            ++headingLines;
        }
        std::string& over = lines[headingLines - tallest - 1];
        const std::size_t begin = starts[group.first];
        const std::size_t span
            = starts[group.first + group.count] - begin - std::string_view(kGap).size();
        const std::size_t at
            = begin + (span > group.title.size() ? (span - group.title.size()) / 2 : 0);
        over.resize(std::max(over.size(), at + group.title.size()), ' ');
        over.replace(at, group.title.size(), group.title);
    }
    for (const auto& row : table.rows)
        lines.push_back(line(row));
    return lines;
}

std::vector<std::string> WrappedLines(const std::string& text, std::size_t width)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    if (!line.empty() || lines.empty())
        lines.push_back(line);
    return lines;
}

std::vector<std::string> RatingsReportLines(const std::vector<AcrResult>& mixAcr,
    const DesignModel& session, const std::optional<PcrShown>& pcr, Staleness pcrStaleness)
{
    std::vector<std::string> lines;
    AcrSection(lines, mixAcr, session);
    lines.emplace_back();
    lines.emplace_back();
    PcrSection(lines, session, pcr, pcrStaleness);
    return lines;
}

} // namespace korvant
