// The window's words about its results and commands: whether a shown result still rests on the
// inputs (and why not), the note each kind of result shows when it does not, the header lines of
// the report's PDF and print, and the status line after a command.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "basics/unit_system.h"
#include "design/prompter.h"

namespace korvant {

// Whether a result computed earlier still describes the inputs as they are now.
enum class Staleness {
    Current,
    InputsChanged, // an input, the mix, the structure or the bond option changed since
    DesignStopped, // a later design stopped; the result is from the design before it
};

// The results that the window marks when they are out of date.
enum class ShownResult { Thickness, Charts, Trace, Report, Evaluation, Study, Pcr };

// The note beside an out-of-date result ("" while it is current). The thickness gets a short
// line under the number; the others a sentence for a banner above them.
std::string OutOfDateNote(ShownResult result, Staleness staleness);

// "2026-03-14": a date as the report's header writes it, the same in every locale.
std::string DateText(std::chrono::year_month_day date);

// The lines printed above the report on each page of its PDF and its print: the input data file
// (its name, with "(unsaved changes)" when the inputs differ from it, or that the session was
// never saved), the date and the program version; then, for an out-of-date design, the report's
// out-of-date note.
std::vector<std::string> ReportPageHeader(const std::string& inputFileName, bool unsavedChanges,
    const std::string& date, Staleness staleness);

// --- Status lines --------------------------------------------------------------------------

// The first line of a message's text without trailing blanks, for the one-line status bar.
std::string FirstLine(std::string_view text);

// "Designed: slab thickness 13.1 in."
std::string DesignedStatus(const std::string& thickness, UnitSystem units);
// "<what>: <the first line of the message>", or "<what>." without a message.
std::string StoppedStatus(std::string_view what, const Message* message);

} // namespace korvant
