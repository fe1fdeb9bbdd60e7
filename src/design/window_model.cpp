// The main window's views, traffic grid bookkeeping, Change Data editing, report request and
// About texts, kept apart from the widgets so that they can be tested without a display.
#include "design/window_model.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

#include "basics/program_info.h"
#include "design/input_check.h"
#include "design/report.h"
#include "design/session_file.h"
#include "design/unit_switch.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr const char* kRemovePrompt = "Please Select the aircarft that you want to delete!";
constexpr const char* kDesignFirstPrompt = "Plesae click \"Design Thickness\" button, First !  ";

// The display pattern of each grid column; "" shows the text as stored.
constexpr const char* kColumnPatterns[kGridColumns]
    = { "", "0", "", "", "0.00", "", "0.00", "0.00", "0.00" };

AircraftField FieldOfColumn(int column)
{
    return static_cast<AircraftField>(column + 1);
}

void ReportStudyFailure(const std::string& reason, Prompter& prompter)
{
    prompter.ask({ reason, kProgramName, Buttons::Ok, Icon::Critical });
}

std::string JoinLines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text.append(line).append("\r\n");
    return text;
}

} // namespace

const ViewLayout& ViewLayoutOf(View view)
{
    // The picture area hides everything it carries, so the aircraft view need not hide the
    // design groups one by one; only the unit captions of the slab rows are hidden explicitly.
    static const ViewLayout title = {
        .picture = true,
        .titleLines = true,
        .slabGroup = false,
        .slabUnitCaptions = false,
        .climate = false,
        .bottomLayer = false,
        .designButtons = false,
        .aircraftControls = false,
        .report = false,
        .trace = false,
        .aircraftMenu = true,
        .structureMenu = true,
        .rowsLowered = {},
    };
    static const ViewLayout aircraft = {
        .picture = false,
        .titleLines = false,
        .slabGroup = {},
        .slabUnitCaptions = false,
        .climate = {},
        .bottomLayer = {},
        .designButtons = false,
        .aircraftControls = true,
        .report = false,
        .trace = false,
        .aircraftMenu = false,
        .structureMenu = true,
        .rowsLowered = {},
    };
    static const ViewLayout oneLayer = {
        .picture = true,
        .titleLines = false,
        .slabGroup = true,
        .slabUnitCaptions = true,
        .climate = true,
        .bottomLayer = false,
        .designButtons = true,
        .aircraftControls = false,
        .report = false,
        .trace = false,
        .aircraftMenu = true,
        .structureMenu = false,
        .rowsLowered = false,
    };
    static const ViewLayout twoLayer = [] {
        ViewLayout layout = oneLayer;
        layout.bottomLayer = true;
        layout.rowsLowered = true;
        return layout;
    }();
    switch (view) {
    case View::Title:
        return title;
    case View::Aircraft:
        return aircraft;
    case View::OneLayer:
        return oneLayer;
    case View::TwoLayer:
        return twoLayer;
    }
    return title;
}

const ViewLayout& ReportShownLayout()
{
    static const ViewLayout layout = [] {
        ViewLayout shown;
        shown.report = true;
        shown.trace = false;
        shown.structureMenu = true;
        return shown;
    }();
    return layout;
}

const ViewLayout& TraceShownLayout()
{
    static const ViewLayout layout = [] {
        ViewLayout shown;
        shown.report = false;
        shown.trace = true;
        shown.aircraftMenu = true;
        shown.structureMenu = true;
        return shown;
    }();
    return layout;
}

const ViewLayout& WindowModel::enterView(View view)
{
    view_ = view;
    if (view == View::OneLayer || view == View::TwoLayer) {
        design.layerMode = view == View::OneLayer ? kOneLayer : kTwoLayerBonded;
        design.lbh.clear();
        evaluation_.reset();
    }
    return ViewLayoutOf(view);
}

bool WindowModel::chooseUnits(UnitSystem units, Prompter& prompter)
{
    if (!ChooseUnitSystem(design, units, prompter))
        return false;
    slabText.clear();
    evaluation_.reset();
    return true;
}

DesignOutcome WindowModel::designThickness(Prompter& prompter)
{
    const DesignOutcome outcome = DesignThickness(design, prompter);
    if (outcome != DesignOutcome::Designed)
        return outcome;
    evaluation_.reset();
    if (!slabText.empty()) {
        try {
            evaluation_ = EvaluateSlabText(design.result.trace.basis, slabText, design.units);
        } catch (const EvaluationRefused&) {
        } catch (const DesignStopped&) {
            // Evaluate reports these; the design itself has succeeded.
        }
    }
    return outcome;
}

bool WindowModel::evaluateSlab(Prompter& prompter)
{
    try {
        SlabThicknessOfText(slabText, design.units);
    } catch (const EvaluationRefused& refused) {
        prompter.ask({ refused.what(), kProgramName, Buttons::Ok, Icon::Warning });
        return false;
    }
    if (DesignThickness(design, prompter) != DesignOutcome::Designed)
        return false;
    evaluation_.reset();
    try {
        evaluation_ = EvaluateSlabText(design.result.trace.basis, slabText, design.units);
    } catch (const DesignStopped& stopped) {
        prompter.ask({ stopped.what(), kProgramName, Buttons::Ok, Icon::Critical });
        return false;
    }
    return true;
}

bool WindowModel::runSensitivity(Prompter& prompter)
{
    try {
        sensitivity_ = RunSensitivityStudy(design, sensitivityPercent);
        return true;
    } catch (const DesignStopped& stopped) {
        ReportStudyFailure(stopped.what(), prompter);
    } catch (const std::invalid_argument& invalid) {
        ReportStudyFailure(invalid.what(), prompter);
    }
    return false;
}

std::unique_ptr<ReliabilityRun> WindowModel::startReliability() const
{
    return std::make_unique<ReliabilityRun>(design, reliabilitySettings);
}

bool WindowModel::finishReliability(ReliabilityRun& run, Prompter& prompter)
{
    ReliabilityOutcome outcome = run.take();
    if (!outcome.failure.empty())
        ReportStudyFailure(outcome.failure, prompter);
    if (!outcome.result)
        return false;
    reliability_ = std::move(outcome.result);
    return true;
}

bool WindowModel::chartsShown() const
{
    return (view_ == View::OneLayer || view_ == View::TwoLayer) && !design.lbh.empty()
        && !design.result.trace.empty();
}

std::vector<std::string> WindowModel::aircraftListNames() const
{
    std::vector<std::string> names;
    for (int r = 1; r <= design.database.recordCount; ++r)
        names.push_back(design.database.record(r).name);
    return names;
}

std::vector<std::vector<std::string>> WindowModel::gridTexts() const
{
    const int count = design.mix.count();
    std::vector<std::vector<std::string>> rows(
        static_cast<std::size_t>(kGridHeaderRows + count), std::vector<std::string>(kGridColumns));
    for (int c = 0; c < kGridColumns; ++c) {
        const auto column = static_cast<std::size_t>(c);
        rows[0][column] = design.database.titles[column + 1];
        rows[1][column] = GridUnitCaption(FieldOfColumn(c), design.units);
    }
    for (int slot = 1; slot <= count; ++slot) {
        const AircraftRecord& record = design.database.record(design.mix.record(slot));
        auto& row = rows[static_cast<std::size_t>(slot + 1)];
        for (int c = 0; c < kGridColumns; ++c) {
            const std::string& text = record.field(FieldOfColumn(c));
            const std::string_view pattern = kColumnPatterns[c];
            row[static_cast<std::size_t>(c)] = pattern.empty() ? text : FormatText(text, pattern);
        }
    }
    return rows;
}

bool WindowModel::addListAircraft(int listPosition)
{
    if (listPosition < 0 || listPosition >= design.database.recordCount)
        return false;
    return design.mix.add(listPosition + 1);
}

void WindowModel::clickCell(int row, int /*column*/)
{
    clickedRow_ = static_cast<std::int16_t>(row);
    clickStale_ = false;
}

bool WindowModel::removeClicked(Prompter& prompter)
{
    const int count = design.mix.count();
    if (count == 0)
        return false;
    if (clickStale_ || clickedRow_ < kGridHeaderRows || clickedRow_ > count + 1) {
        prompter.ask({ kRemovePrompt, kProgramName, Buttons::Ok, Icon::Information });
        return false;
    }
    design.mix.removeSlot(clickedRow_ - 1);
    clickedRow_ = 0;
    return true;
}

void WindowModel::removeAll()
{
    design.mix.clear();
    clickStale_ = true;
}

std::optional<ChangeDataRequest> WindowModel::beginEdit(int row, int column)
{
    if (row < kGridHeaderRows || row > design.mix.count() + 1 || column < 1
        || column >= kGridColumns)
        return std::nullopt;
    editRow_ = static_cast<std::int16_t>(row - 1);
    editColumn_ = static_cast<std::int16_t>(column);
    const AircraftField field = FieldOfColumn(column);
    const AircraftRecord& record = design.database.record(design.mix.record(editRow_));
    oldValue_ = record.field(field);
    return ChangeDataRequest {
        "Please input the new " + design.database.titles[static_cast<std::size_t>(field)]
            + " data of " + record.name,
        oldValue_,
        GridUnitCaption(field, design.units),
    };
}

EditResult WindowModel::confirmEdit(std::string_view text, Prompter& prompter)
{
    // The dialog is modeless: the mix may have shrunk since the cell was double-clicked. The
    // value is still checked, but then it has nowhere to go.
    const bool targetKept = editRow_ >= 1 && editRow_ <= design.mix.count() && editColumn_ >= 1;
    AircraftRecord nowhere;
    AircraftRecord& record
        = targetKept ? design.database.record(design.mix.record(editRow_)) : nowhere;
    const AircraftField field = FieldOfColumn(targetKept ? editColumn_ : 1);
    ChangeOutcome outcome = ChangeAircraftValue(record, field, text, prompter);
    if (!outcome.stored)
        return { EditOutcome::Rejected, oldValue_ };
    return { targetKept ? EditOutcome::Stored : EditOutcome::TargetGone, outcome.text };
}

std::optional<std::string> WindowModel::reportForView(Prompter& prompter) const
{
    if (design.lbh.empty()) {
        prompter.ask({ kDesignFirstPrompt, kProgramName, Buttons::CancelTryAgainContinue,
            Icon::Information });
        return std::nullopt;
    }
    return ReportText(design);
}

std::vector<std::string> ReportLines(const DesignModel& model)
{
    const std::string text = ReportText(model);
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

bool WindowModel::readInputData(const std::filesystem::path& path, Prompter& prompter)
{
    const std::optional<InputFileLoaded> loaded
        = ReadDataFromFile(design, path, cataloguePath, prompter);
    if (!loaded)
        return false;
    slabText.clear();
    evaluation_.reset();
    if (loaded->layerMode) {
        // The view sets the menu's layerMode, so the file's unbonded structure comes back from
        // the bond option at the next design, as it does for a structure chosen by hand.
        enterView(*loaded->layerMode == kOneLayer ? View::OneLayer : View::TwoLayer);
    } else {
        enterView(View::Title);
    }
    mixReplaced();
    return true;
}

std::filesystem::path LoadStartCatalogue(
    DesignModel& model, const std::vector<std::filesystem::path>& candidates, std::string& note)
{
    if (candidates.empty())
        throw CatalogueError("Cannot read the aircraft catalogue fly.dll: no place to look for it");
    const std::filesystem::path chosen = FindCatalogue(candidates);
    note = ReadAircraftData(chosen, model.database);
    return chosen;
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

Message ReportPdfFailureMessage(const std::string& path, const std::string& reason)
{
    return { "Cannot write the report to " + path + ": " + reason, kProgramName, Buttons::Ok,
        Icon::Warning };
}

} // namespace korvant
