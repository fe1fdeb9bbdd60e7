// The pages that follow the design report on its PDF and print: the ACR table of the mix's
// aircraft and the PCR section (the slab, the code, the category, the rounds and each aircraft
// against the PCR), as fixed-layout text lines of the tables the window shows, so that the
// numbers on paper are the window's and the CSV's. The report itself is not changed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "design/acr.h"
#include "design/design_model.h"
#include "design/design_trace.h"
#include "design/pcr_panel_state.h"
#include "design/window_status.h"

namespace korvant {

// A heading over neighbouring columns of a table.
struct ColumnGroup
{
    std::size_t first = 0;
    std::size_t count = 0;
    std::string title;
};

// A heading as a table shows it over cells `cellWidth` characters wide: one line, or, when it is
// longer than 12 characters and wider than its cells, two lines split where its words allow.
std::vector<std::string> HeadingLines(const std::string& heading, std::size_t cellWidth);

// The table as lines of text: each column as wide as its heading (HeadingLines) and cells, two
// blanks apart, numbers right-aligned and words left-aligned; the groups' titles centred on a
// line above.
std::vector<std::string> TextTableLines(
    const TraceTable& table, const std::vector<ColumnGroup>& groups = {});

// The text broken at blanks into lines of at most `width` characters (a longer word on a line
// of its own).
std::vector<std::string> WrappedLines(const std::string& text, std::size_t width);

// The ACR section of the mix's aircraft (`mixAcr` in mix order) and the PCR section with its
// out-of-date note, in the session's units.
std::vector<std::string> RatingsReportLines(const std::vector<AcrResult>& mixAcr,
    const DesignModel& session, const std::optional<PcrShown>& pcr, Staleness pcrStaleness);

} // namespace korvant
