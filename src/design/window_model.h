// The main window's state and decisions without the widgets: which control groups each view
// shows, the traffic grid's texts and bookkeeping (clicked row, the cell under edit and its old
// value), the Change Data prompt and the checked storing of an edited value, the report request,
// the design and the evaluation of a given slab, when the damage charts and the calculation trace
// are shown, the settings and last results of the sensitivity and reliability studies, the page
// split of a printed report and the texts of the About box. The Qt window only shows what this
// object says and hands it the user's actions.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/design_model.h"
#include "design/input_check.h"
#include "design/prompter.h"
#include "design/reliability_run.h"
#include "design/reliability_study.h"
#include "design/sensitivity_study.h"
#include "design/slab_evaluation.h"
#include "traffic/aircraft_database.h"

namespace korvant {

enum class View { Title, Aircraft, OneLayer, TwoLayer };

// What a view does to the window. Each entry is "show/enable" (true), "hide/disable" (false) or
// "leave as it is" (empty).
struct ViewLayout
{
    std::optional<bool> picture; // the picture area with everything it carries
    std::optional<bool> titleLines; // LbTitle1, LbTitle2
    std::optional<bool> slabGroup; // slab and subgrade rows, slab size, their bands
    std::optional<bool> slabUnitCaptions; // the units of E, Sc, k and the thickness result
    std::optional<bool> climate; // the frame of the annual mean climate
    std::optional<bool> bottomLayer; // bottom-layer fields, the "Bonded" frame, its band
    std::optional<bool> designButtons; // Design Thickness, Report
    std::optional<bool> aircraftControls; // aircraft list, grid, Add, Remove, Remove ALL
    std::optional<bool> report; // the report text
    std::optional<bool> trace; // the calculation trace
    std::optional<bool> aircraftMenu; // "&Aircraft Data" enabled
    std::optional<bool> structureMenu; // "&Design Structure" enabled
    // The subgrade and slab-size rows sit kRowShiftTwips lower (two-layer view).
    std::optional<bool> rowsLowered;
};

// How far the subgrade and slab-size rows move down in the two-layer view.
inline constexpr int kRowShiftTwips = 1000;

const ViewLayout& ViewLayoutOf(View view);
// Showing the report over a design view: the report text and "&Design Structure" again.
const ViewLayout& ReportShownLayout();
// Showing the calculation trace over any view: the trace, and both view menus again.
const ViewLayout& TraceShownLayout();

// A question the Change Data dialog shows for one grid cell.
struct ChangeDataRequest
{
    std::string prompt; // "Please input the new <title> data of <name>"
    std::string value; // the field as stored, not as the grid formats it
    std::string unit; // the unit row's caption of that column
};

enum class EditOutcome {
    Stored, // the value passed the check and is in the aircraft's record
    Rejected, // the check failed; the dialog shows the old value again and stays open
    TargetGone // the mix no longer has the edited slot; nothing is stored
};

struct EditResult
{
    EditOutcome outcome;
    std::string text; // what the dialog's value field is to show
};

// The grid: 9 columns, row 0 the column titles, row 1 the unit captions, then one row per
// aircraft of the mix (grid row = mix slot + 1).
inline constexpr int kGridColumns = 9;
inline constexpr int kGridHeaderRows = 2;
inline constexpr int kNameColumnTwips = 1300;
inline constexpr int kValueColumnTwips = 1200;
inline constexpr int kTitleRowTwips = 500;

class WindowModel
{
public:
    DesignModel design;
    // Where the catalogue was read at start-up; reading an input data file reads it again.
    std::filesystem::path cataloguePath;

    View view() const { return view_; }
    // Switches to a view: sets layerMode (0 one-layer, 1 two-layer) and clears the thickness
    // caption in the design views. Returns what the window is to show.
    const ViewLayout& enterView(View view);

    // The names of the aircraft list, in record order (list position p is record p + 1).
    std::vector<std::string> aircraftListNames() const;

    // Every cell text of the grid, kGridHeaderRows + count rows by kGridColumns columns.
    std::vector<std::vector<std::string>> gridTexts() const;

    // Adds the aircraft at a list position (-1: nothing selected). Nothing selected, an aircraft
    // already in the mix or a full mix change nothing. Returns whether it was added.
    bool addListAircraft(int listPosition);

    // A single click on a grid cell: remembers its row for Remove.
    void clickCell(int row, int column);

    // Remove: takes the clicked aircraft out of the mix. An empty mix does nothing; without a
    // clicked aircraft row (a title row, no click, or a row left over from before the mix was
    // emptied) the user is told to select one. Returns whether an aircraft was removed.
    bool removeClicked(Prompter& prompter);

    // Remove ALL: empties the mix. The clicked row no longer names a selection.
    void removeAll();

    // Tells the bookkeeping that the mix was replaced as a whole (for example from a file).
    void mixReplaced() { clickStale_ = true; }

    // "Read Data From File..." after the open dialog returned `path`: reads the file whole with
    // the catalogue again, then returns to the title screen with the file's mix, or, when its
    // project section restored the structure, to that structure's view; a file that cannot be
    // read is reported and changes nothing. Returns whether it was read.
    bool readInputData(const std::filesystem::path& path, Prompter& prompter);

    // A unit menu entry (ChooseUnitSystem); a typed slab thickness and its evaluation, which
    // were in the old units, are dropped. Returns whether the units were switched.
    bool chooseUnits(UnitSystem units, Prompter& prompter);

    // Design Thickness: the checks and the design (DesignThickness). A slab typed for
    // evaluation is then evaluated again with the new design; one that cannot be is dropped
    // without a message.
    DesignOutcome designThickness(Prompter& prompter);

    // Evaluate: the typed slab thickness must be a thickness (else its message, title
    // "KORVANT"); then the design runs as with Design Thickness, and the slab is evaluated with
    // the design's inputs. A slab outside a model's domain is reported. Returns whether an
    // evaluation is shown.
    bool evaluateSlab(Prompter& prompter);

    // The slab thickness typed for an evaluation, in the session's units.
    std::string slabText;
    // The evaluation beside the design result, while the design result is shown.
    const std::optional<SlabEvaluation>& evaluation() const { return evaluation_; }

    // The design views show the damage charts after a design, while its thickness is shown.
    bool chartsShown() const;
    // The calculation trace of the last design can be shown once a design has run (until a
    // file is read).
    bool traceAvailable() const { return !design.result.trace.empty(); }

    // A double click on a grid cell: the Change Data question for an aircraft value, nothing for
    // the title row, the unit row and the name column. Remembers the cell and its old value.
    std::optional<ChangeDataRequest> beginEdit(int row, int column);

    // OK in the Change Data dialog: checks the typed text (name "This", 0 .. 1e8) and stores its
    // number as a general number text into the aircraft's record, or rejects it.
    EditResult confirmEdit(std::string_view text, Prompter& prompter);

    // The report for the Report button, or, before any design, the request to design first.
    std::optional<std::string> reportForView(Prompter& prompter) const;

    // The settings of the two studies, and the result of the last run of each. A result
    // describes the session as it was when the study ran; its base design comes with it.
    double sensitivityPercent = kDefaultSensitivityPercent;
    ReliabilitySettings reliabilitySettings;
    const std::optional<SensitivityResult>& sensitivity() const { return sensitivity_; }
    const std::optional<ReliabilityResult>& reliability() const { return reliability_; }

    // Runs the sensitivity study on the session and keeps its result. A session whose own
    // design stops is reported (title "KORVANT") and every stored value stays as it was.
    // Returns whether a result was kept.
    bool runSensitivity(Prompter& prompter);

    // Starts the reliability study on its own thread over copies of the session and the
    // settings, which the window may go on changing while it runs.
    [[nodiscard]] std::unique_ptr<ReliabilityRun> startReliability() const;
    // Takes what a run ended with, waiting for its end: keeps its result, or reports why it could
    // not run as runSensitivity does; a cancelled run changes nothing. Returns whether a result
    // was kept.
    bool finishReliability(ReliabilityRun& run, Prompter& prompter);

    std::int16_t clickedRow() const { return clickedRow_; }
    std::int16_t editRow() const { return editRow_; }
    std::int16_t editColumn() const { return editColumn_; }
    const std::string& oldValue() const { return oldValue_; }

private:
    View view_ = View::Title;
    std::int16_t clickedRow_ = 0;
    bool clickStale_ = false;
    std::int16_t editRow_ = 0; // mix slot of the cell under edit
    std::int16_t editColumn_ = 0; // grid column 1..8; the field is editColumn + 1
    std::string oldValue_;
    std::optional<SlabEvaluation> evaluation_;
    std::optional<SensitivityResult> sensitivity_;
    std::optional<ReliabilityResult> reliability_;
};

// The report's lines without their line ends, in order.
std::vector<std::string> ReportLines(const DesignModel& model);

// Splits lines into pages of at most linesPerPage lines (at least one line a page); an empty
// text still gives one empty page.
std::vector<std::vector<std::string>> PaginateLines(
    const std::vector<std::string>& lines, int linesPerPage);

// The About box's two texts, lines separated by CR LF.
std::string AboutCreditsText();
std::string AboutDescriptionText();

// Reads the aircraft catalogue at start-up from the first candidate that exists (the first
// candidate when none does) and returns the path read. Throws CatalogueError naming the path and
// the reason. `note` receives the reader's note for the user ("" when there is none).
std::filesystem::path LoadStartCatalogue(
    DesignModel& model, const std::vector<std::filesystem::path>& candidates, std::string& note);
// The message for a catalogue that could not be read at start-up.
Message CatalogueFailureMessage(const CatalogueError& error);
// The message for a report PDF that could not be written.
Message ReportPdfFailureMessage(const std::string& path, const std::string& reason);
// The message for an export that could not be written: "Cannot write the <what> to <path>:
// <reason>", for the calculation trace and the damage charts.
Message ExportFailureMessage(
    const std::string& what, const std::string& path, const std::string& reason);

} // namespace korvant
