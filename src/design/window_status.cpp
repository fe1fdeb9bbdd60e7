// Out-of-date notes, the report's page header and the status lines of the window.
#include "design/window_status.h"

#include "basics/program_info.h"
#include "design/slab_evaluation.h"

namespace korvant {
namespace {

std::string TwoDigits(unsigned value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

std::string OutOfDateNote(ShownResult result, Staleness staleness)
{
    if (staleness == Staleness::Current)
        return "";
    const bool stopped = staleness == Staleness::DesignStopped;
    switch (result) {
    case ShownResult::Thickness:
        return stopped ? "out of date \u2014 the last design stopped"
                       : "out of date \u2014 press Design Thickness";
    case ShownResult::Charts:
        return stopped ? "Out of date: the last design stopped; these charts show the design "
                         "before it."
                       : "Out of date: the inputs changed after this design. Press Design "
                         "Thickness to design again.";
    case ShownResult::Trace:
        return stopped ? "Out of date: the last design stopped; this trace is of the design "
                         "before it."
                       : "Out of date: the inputs changed after this design. Press Design "
                         "Thickness to design again.";
    case ShownResult::Report:
        return stopped ? "Out of date: the last design stopped; the thickness and the fatigue "
                         "table are those of the design before it."
                       : "Out of date: the inputs changed after this design, so the thickness and "
                         "the fatigue table do not belong to the inputs listed. Press Design "
                         "Thickness, then Report.";
    case ShownResult::Evaluation:
        return stopped ? "Out of date: the last design stopped; this evaluation rests on the "
                         "design before it."
                       : "Out of date: the inputs or the slab changed after this evaluation. "
                         "Press Evaluate to evaluate again.";
    case ShownResult::Pcr:
        return stopped ? "Out of date: the last design stopped; this PCR rests on the design "
                         "before it."
                       : "Out of date: the inputs, the slab or the category changed after this "
                         "PCR. Press Compute PCR to compute it again.";
    case ShownResult::Study:
        return stopped ? "Out of date: a design stopped after this study ran. Press Run to run "
                         "it again."
                       : "Out of date: the inputs changed after this study ran. Press Run to run "
                         "it again.";
    }
    return "";
}

std::string DateText(std::chrono::year_month_day date)
{
    const int year = static_cast<int>(date.year());
    std::string text = std::to_string(year);
    text.insert(0, text.size() < 4 ? 4 - text.size() : 0, '0');
    return text + "-" + TwoDigits(static_cast<unsigned>(date.month())) + "-"
        + TwoDigits(static_cast<unsigned>(date.day()));
}

std::vector<std::string> ReportPageHeader(const std::string& inputFileName, bool unsavedChanges,
    const std::string& date, Staleness staleness)
{
    std::string file
        = inputFileName.empty() ? std::string("none (the inputs were never saved)") : inputFileName;
    if (!inputFileName.empty() && unsavedChanges)
        file += " (unsaved changes)";
    std::vector<std::string> lines
        = { "Input file: " + file + "   Date: " + date + "   " + kProgramName + " " + kVersion };
    const std::string note = OutOfDateNote(ShownResult::Report, staleness);
    if (!note.empty())
        lines.push_back(note);
    return lines;
}

std::string FirstLine(std::string_view text)
{
    const std::size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    while (!line.empty() && line.back() == ' ')
        line.remove_suffix(1);
    while (!line.empty() && line.front() == ' ')
        line.remove_prefix(1);
    return std::string(line);
}

std::string DesignedStatus(const std::string& thickness, UnitSystem units)
{
    return "Designed: slab thickness " + thickness + " " + SlabThicknessUnit(units) + ".";
}

std::string StoppedStatus(std::string_view what, const Message* message)
{
    const std::string line = message ? FirstLine(message->text) : std::string();
    return std::string(what) + (line.empty() ? "." : ": " + line);
}

} // namespace korvant
