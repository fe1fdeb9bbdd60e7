// The texts the window shows around a session: the report's lines and their pages, the About
// box, and the messages for a catalogue, a report PDF, an export or the manual that could not be
// handled.
#pragma once

#include <string>
#include <vector>

#include "design/design_model.h"
#include "design/prompter.h"
#include "traffic/aircraft_database.h"

namespace korvant {

// The report's lines without their line ends, in order: of a report text, or of the model's
// report.
std::vector<std::string> ReportLines(const std::string& reportText);
std::vector<std::string> ReportLines(const DesignModel& model);

// The report on printed or PDF pages: its lines, the header above them on each page, and the
// lines that follow the report on pages of their own (none for the report alone).
struct ReportPages
{
    std::vector<std::string> header;
    std::vector<std::string> lines;
    std::vector<std::string> ratings;
};

// Splits lines into pages of at most linesPerPage lines (at least one line a page); an empty
// text still gives one empty page.
std::vector<std::vector<std::string>> PaginateLines(
    const std::vector<std::string>& lines, int linesPerPage);

// The About box's two texts, lines separated by CR LF.
std::string AboutCreditsText();
std::string AboutDescriptionText();

// The message for a catalogue that could not be read at start-up.
Message CatalogueFailureMessage(const CatalogueError& error);
// The message for an export that could not be written: "Cannot write the <what> to <path>:
// <reason>", for the report, the calculation trace, the damage charts and the studies.
Message ExportFailureMessage(
    const std::string& what, const std::string& path, const std::string& reason);
// The message for Help > Manual when the manual is not where it was looked for.
Message ManualMissingMessage(const std::string& path);

// The message for a window command that ran out of memory: "<command>: out of memory.", title
// "KORVANT", critical; the command did not complete.
Message OutOfMemoryMessage(const std::string& command);

} // namespace korvant
