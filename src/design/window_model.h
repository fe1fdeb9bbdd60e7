// The main window's state and decisions without the widgets: the session it shows, the view,
// the traffic grid's texts and bookkeeping (clicked row, the cell under edit and its old value),
// the Change Data prompt and the checked storing of an edited value, the report request, the
// design and the evaluation of a given slab, when the damage charts and the calculation trace
// are shown, reading and saving input data files with the close prompt, the unit switch, and the
// settings and last results of the sensitivity and reliability studies. The Qt window only shows
// what this object says and hands it the user's actions.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
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
#include "design/unit_switch.h"
#include "design/window_views.h"
#include "traffic/aircraft_database.h"

namespace korvant {

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

class WindowModel
{
public:
    // A session (with its aircraft catalogue already read from `cataloguePath`, which reading an
    // input data file reads again) on the title screen.
    explicit WindowModel(DesignModel design = {}, std::filesystem::path cataloguePath = {});

    const DesignModel& design() const { return design_; }
    const std::filesystem::path& cataloguePath() const { return cataloguePath_; }

    // What the user types and chooses in the design views.
    void setField(InputField field, std::string text);
    void setBondNo(bool bondNo);
    // The slab thickness typed for an evaluation, in the session's units.
    const std::string& slabText() const { return slabText_; }
    void setSlabText(std::string text);

    // Replaces the whole session, as reading a file does, and goes back to the title screen.
    void replaceSession(DesignModel design);

    View view() const { return view_; }
    // Switches to a view: sets layerMode (0 one-layer, 1 two-layer) and clears the thickness
    // caption in the design views. Returns what the window is to show.
    const ViewLayout& enterView(View view);

    // The text of a unit caption label in the session's units.
    const char* unitCaption(const UnitCaption& caption) const;

    // --- The traffic mix -----------------------------------------------------------------------

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

    // A double click on a grid cell: the Change Data question for an aircraft value, nothing for
    // the title row, the unit row and the name column. Remembers the cell and its old value.
    std::optional<ChangeDataRequest> beginEdit(int row, int column);

    // OK in the Change Data dialog: checks the typed text (name "This", 0 .. 1e8) and stores its
    // number as a general number text into the aircraft's record, or rejects it.
    EditResult confirmEdit(std::string_view text, Prompter& prompter);

    std::int16_t clickedRow() const { return clickedRow_; }
    std::int16_t editRow() const { return editRow_; }
    std::int16_t editColumn() const { return editColumn_; }
    const std::string& oldValue() const { return oldValue_; }

    // --- Files and units -----------------------------------------------------------------------

    // "Read Data From File..." after the open dialog returned `path`: reads the file whole with
    // the catalogue again, then returns to the title screen with the file's mix, or, when its
    // project section restored the structure, to that structure's view; a file that cannot be
    // read is reported and changes nothing. Returns whether it was read.
    bool readInputData(const std::filesystem::path& path, Prompter& prompter);

    // "Save Input Data..." after the save dialog returned `path`: saves the session silently, or
    // reports the failure. Returns the path written, nothing on failure.
    std::optional<std::filesystem::path> saveInputData(
        const std::filesystem::path& path, Prompter& prompter) const;

    // The close prompt: whether the window may close. Yes runs `saveInputData` (the window's
    // whole save with its dialog), which returns false when it was cancelled or failed.
    bool confirmClose(Prompter& prompter, const std::function<bool()>& saveInputData) const;

    // A unit menu entry (ChooseUnitSystem); a typed slab thickness and its evaluation, which
    // were in the old units, are dropped. Returns whether the units were switched.
    bool chooseUnits(UnitSystem units, Prompter& prompter);

    // --- Design and evaluation -----------------------------------------------------------------

    // Design Thickness: the checks and the design (DesignThickness). A slab typed for
    // evaluation is then evaluated again with the new design; one that cannot be is dropped
    // without a message.
    DesignOutcome designThickness(Prompter& prompter);

    // Evaluate: the typed slab thickness must be a thickness (else its message, title
    // "KORVANT"); then the design runs as with Design Thickness, and the slab is evaluated with
    // the design's inputs. A slab outside a model's domain is reported. Returns whether an
    // evaluation is shown.
    bool evaluateSlab(Prompter& prompter);

    // The evaluation beside the design result, while the design result is shown.
    const std::optional<SlabEvaluation>& evaluation() const { return evaluation_; }

    // What the engineer must know beside the shown thickness (below 4 in, beyond the 30 in
    // searched, a thicker slab that fails); empty while no thickness is shown.
    std::vector<std::string> designNotes() const;

    // The design views show the damage charts after a design, while its thickness is shown.
    bool chartsShown() const;
    // The calculation trace of the last design can be shown once a design has run (until a
    // file is read).
    bool traceAvailable() const { return !design_.result.trace.empty(); }

    // The report for the Report button, or, before any design, the request to design first.
    std::optional<std::string> reportForView(Prompter& prompter) const;

    // --- Studies -------------------------------------------------------------------------------

    // The settings of the two studies, and the result of the last run of each. A result
    // describes the session as it was when the study ran; its base design comes with it.
    double sensitivityPercent() const { return sensitivityPercent_; }
    void setSensitivityPercent(double percent) { sensitivityPercent_ = percent; }
    const ReliabilitySettings& reliabilitySettings() const { return reliabilitySettings_; }
    void setReliabilitySettings(const ReliabilitySettings& settings);
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

private:
    // evaluateSlab without its guard against running out of memory.
    bool evaluate(Prompter& prompter);

    // Tells the bookkeeping that the mix was replaced as a whole (for example from a file).
    void mixReplaced() { clickStale_ = true; }

    DesignModel design_;
    std::filesystem::path cataloguePath_;
    View view_ = View::Title;
    std::string slabText_;
    std::optional<SlabEvaluation> evaluation_;

    std::int16_t clickedRow_ = 0;
    bool clickStale_ = false;
    std::int16_t editRow_ = 0; // mix slot of the cell under edit
    std::int16_t editColumn_ = 0; // grid column 1..8; the field is editColumn + 1
    std::string oldValue_;

    double sensitivityPercent_ = kDefaultSensitivityPercent;
    ReliabilitySettings reliabilitySettings_;
    std::optional<SensitivityResult> sensitivity_;
    std::optional<ReliabilityResult> reliability_;
};

// Reads the aircraft catalogue at start-up from the first candidate that is a file (the first
// candidate when none is) and returns the path read. Throws CatalogueError naming the path and
// the reason. `note` receives the reader's note for the user ("" when there is none).
std::filesystem::path LoadStartCatalogue(
    DesignModel& model, const std::vector<std::filesystem::path>& candidates, std::string& note);

} // namespace korvant
