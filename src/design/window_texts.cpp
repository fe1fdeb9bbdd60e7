// The report's lines and pages, the About texts and the window's failure messages.
#include "design/window_texts.h"

#include <algorithm>
#include <initializer_list>

#include "basics/program_info.h"
#include "design/report.h"

namespace korvant {
namespace {

std::string JoinLines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text.append(line).append("\r\n");
    return text;
}

} // namespace

std::vector<std::string> ReportLines(const std::string& reportText)
{
    const std::string& text = reportText;
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == '\r')
            --stop;
        lines.emplace_back(text, start, stop - start);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> ReportLines(const DesignModel& model)
{
    return ReportLines(ReportText(model));
}

std::vector<std::vector<std::string>> PaginateLines(
    const std::vector<std::string>& lines, int linesPerPage)
{
    const auto perPage = static_cast<std::size_t>(std::max(linesPerPage, 1));
    std::vector<std::vector<std::string>> pages;
    for (std::size_t first = 0; first < lines.size(); first += perPage) {
        const std::size_t last = std::min(first + perPage, lines.size());
        pages.emplace_back(lines.begin() + static_cast<std::ptrdiff_t>(first),
            lines.begin() + static_cast<std::ptrdiff_t>(last));
    }
    if (pages.empty())
        pages.emplace_back();
    return pages;
}

std::string AboutCreditsText()
{
    const std::string head = ProgramVersionLine() + "\r\n" + kDescriptiveTitle + "\r\n\r\n";
    return head
        + JoinLines({
            "Developed by the KORVANT development team, 2026.",
            "Thickness design of rigid (concrete) airfield pavements",
            "for one-layer and two-layer structures.",
        });
}

std::string AboutDescriptionText()
{
    return JoinLines({
        "KORVANT designs the thickness of portland-cement concrete slabs for airfield pavements.",
        "",
        "The design procedure rests on Westergaard plate theory: the edge-load stress of a slab on "
        "a dense-liquid foundation, corrected for multi-wheel gears, finite slab size, a bottom "
        "layer, traffic wander and temperature curling, and summed over the traffic mix as "
        "fatigue damage over a 20-year life.",
        "",
        "The aircraft data come from public gear data: the FAA and ICAO ACR tables as published.",
        "",
        "Contact: KORVANT development team",
        "korvant@users.noreply.example",
    });
}

Message CatalogueFailureMessage(const CatalogueError& error)
{
    return { std::string(error.what()) + "\n\nKORVANT cannot start without its aircraft catalogue.",
        kProgramName, Buttons::Ok, Icon::Critical };
}

Message ExportFailureMessage(
    const std::string& what, const std::string& path, const std::string& reason)
{
    return { "Cannot write the " + what + " to " + path + ": " + reason, kProgramName, Buttons::Ok,
        Icon::Warning };
}

Message ManualMissingMessage(const std::string& path)
{
    return { "The manual is not installed: there is no " + path
            + ". Reinstall KORVANT, or read docs/manual/index.html in its sources.",
        kProgramName, Buttons::Ok, Icon::Warning };
}

Message OutOfMemoryMessage(const std::string& command)
{
    return { command + ": out of memory.", kProgramName, Buttons::Ok, Icon::Critical };
}

} // namespace korvant
