// The main window's state and decisions without the widgets: the session it shows, the view,
// the traffic grid's texts and bookkeeping (clicked row, the cell under edit and its old value),
// the Change Data prompt and the checked storing of an edited value, the report request, the
// design and the evaluation of a given slab, when the damage charts and the calculation trace
// are shown, reading and saving input data files with the close prompt, the unit switch, the
// settings and last results of the sensitivity and reliability studies, the ACR view and the PCR
// panel, which shown results are out of date, and the status line after each command. The Qt
// window only shows what this object says and hands it the user's actions.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/acr_view_state.h"
#include "design/design_model.h"
#include "design/input_check.h"
#include "design/pcr_panel_state.h"
#include "design/prompter.h"
#include "design/rating_runs.h"
#include "design/reliability_run.h"
#include "design/reliability_study.h"
#include "design/sensitivity_study.h"
#include "design/slab_evaluation.h"
#include "design/unit_switch.h"
#include "design/window_status.h"
#include "design/window_views.h"
#include "io/input_file.h"
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
    // project section restored the structure, to that structure's view; the file becomes the
    // current file, first in the recent files. A file that cannot be read is reported and
    // changes nothing (one that no longer exists leaves the recent files). Returns whether it
    // was read.
    bool readInputData(const std::filesystem::path& path, Prompter& prompter);

    // Save and Save As after the path is known: saves the session silently, which makes the
    // file written the current file, first in the recent files; or reports the failure. Returns
    // the path written, nothing on failure.
    std::optional<std::filesystem::path> saveInputData(
        const std::filesystem::path& path, Prompter& prompter);

    // A unit menu entry (ChooseUnitSystem); a typed slab thickness and its evaluation, which
    // were in the old units, are dropped. Returns whether the units were switched.
    bool chooseUnits(UnitSystem units, Prompter& prompter);

    // --- The input data file as a document -----------------------------------------------------

    // The input data file the session was last read from or saved to (empty: none).
    const std::filesystem::path& currentFile() const { return currentFile_; }

    // Whether saving now would write another text than the current file holds; for a session
    // that was never read or saved, another text than its start state gives. The structure is
    // compared as the design reads it (see window_document.cpp).
    bool modified() const;

    // "design.inp[*] — KORVANT", or "KORVANT[*]" before a file was read or saved. The
    // window shows "[*]" as "*" while the session is modified, and drops it otherwise.
    std::string windowTitle() const;

    // Where a file dialog starts: the current file for the input data, else `name` in the last
    // folder a file was read from or written to (`name` alone before any).
    std::filesystem::path proposedPath(const std::string& name, bool inputData) const;
    const std::filesystem::path& lastFolder() const { return lastFolder_; }
    void setLastFolder(std::filesystem::path folder) { lastFolder_ = std::move(folder); }

    // The input data files last read or saved, newest first (see recent_files.h).
    const std::vector<std::filesystem::path>& recentFiles() const { return recentFiles_; }
    void setRecentFiles(std::vector<std::filesystem::path> files);

    // The start state in `units`, its texts converted as a switch converts them, without the
    // switch's message; the session is then not modified.
    void startIn(UnitSystem units);

    // Before the session's work would be lost by closing the window or reading another file:
    // asks its question (SaveBeforeClosingQuestion, SaveBeforeReadingQuestion) only when the
    // session is modified. Yes runs `save` (the window's Save), which returns false when it was
    // cancelled or failed, and then the work stays. Returns whether the work may be left.
    enum class Leaving { Closing, ReadingAnother };
    bool confirmLeave(Leaving leaving, Prompter& prompter, const std::function<bool()>& save) const;

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

    // The report for the Report button, Print Report and Save Report as PDF, or, before any
    // design, the request to design first.
    std::optional<std::string> reportForView(Prompter& prompter);
    // The lines above the report on each printed or PDF page, dated `date`.
    std::vector<std::string> reportHeader(const std::string& date) const;

    // --- Results out of date and the status line -----------------------------------------------

    // Whether the shown thickness (with its charts, trace and report), the evaluation and each
    // study's result still rest on the inputs as they are now. A change of an input field, the
    // bond option, the structure or the mix after a result was computed marks it, and so does a
    // later design that stops; a unit switch converts the results and does not.
    Staleness designStaleness() const;
    Staleness evaluationStaleness() const;
    Staleness sensitivityStaleness() const;
    Staleness reliabilityStaleness() const;

    // The one-line status after the last command ("" before any).
    const std::string& statusText() const { return status_; }
    // An export by the window: "Saved the <what> to <path>." or that it was not.
    void noteExport(const std::string& what, const std::string& path, bool saved);

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
    // settings, which the window may go on changing while it runs; its result rests on the
    // inputs as they were at the start.
    [[nodiscard]] std::unique_ptr<ReliabilityRun> startReliability();
    // Takes what a run ended with, waiting for its end: keeps its result, or reports why it could
    // not run as runSensitivity does; a cancelled run changes nothing. Returns whether a result
    // was kept.
    bool finishReliability(ReliabilityRun& run, Prompter& prompter);

    // --- The ACR view --------------------------------------------------------------------------

    const AcrViewState& acrView() const { return acrView_; }
    void setAcrScope(AcrScope scope);

    // A what-if gross weight for a listed record, typed in the session's units and checked as
    // Change Data checks a value (name "This", 0 .. 1e8, an offered bound taken on Yes); it
    // rates the row only and never changes the catalogue. Returns whether it was taken.
    bool setWhatIfWeight(int record, std::string_view text, Prompter& prompter);
    // The row goes back to the catalogue's gross weight.
    void clearWhatIfWeight(int record);

    // Starts rating the listed rows whose data changed since their rating, on a thread of its
    // own over copies; none when every row is current.
    [[nodiscard]] std::unique_ptr<AcrRun> startAcr() const;
    // Keeps the ratings a run ended with, waiting for its end; a failure is reported. A row whose
    // data changed while it ran keeps the rating as outdated and is rated again by the next run.
    bool finishAcr(AcrRun& run, Prompter& prompter);

    // The ACRs of the mix's aircraft at their catalogue weights, for the report's PDF: the
    // ratings the view keeps, the others computed now.
    std::vector<AcrResult> mixAcr() const;

    // --- The PCR panel -------------------------------------------------------------------------

    const PcrSettings& pcrSettings() const { return pcrSettings_; }
    void setPcrTypedSlab(bool typed);
    void setPcrThicknessText(std::string text);
    void setPcrCategory(std::optional<SubgradeCategory> category);
    // The PCR last computed (or why there is none), until a file is read.
    const std::optional<PcrShown>& pcr() const { return pcr_; }
    // Whether the shown PCR still rests on the inputs, the design and the panel's settings.
    Staleness pcrStaleness() const;

    // Whether the PCR is to be computed now: a design is shown and current, and the PCR does not
    // rest on it and the panel's settings. The panel follows the design in this way; a typed
    // slab alone waits for the next design or Compute PCR.
    bool pcrDue() const;
    // Compute PCR: a typed slab must be a thickness (else its message, title "KORVANT"); then
    // the design runs as with Design Thickness. Returns whether it was designed, after which
    // pcrDue() says whether a PCR is to be computed.
    bool computePcr(Prompter& prompter);
    // Starts the PCR of the panel's slab on a thread of its own over copies of the design's
    // basis. A slab that cannot be taken (no design thickness, a typed text that is not one) is
    // kept as the reason and gives no run.
    [[nodiscard]] std::unique_ptr<PcrRun> startPcr();
    // Keeps what a run ended with, waiting for its end; it rests on the inputs as they were at
    // the start. The status line gives it when the panel asked for it (Compute PCR, its slab or
    // category), and stays the design's when it followed a design. A run of a session read or
    // replaced since is dropped.
    void finishPcr(PcrRun& run);

    // The lines after the report on its PDF and print pages: the ACR table of the mix and the
    // PCR section, with the PCR's out-of-date note.
    std::vector<std::string> ratingsReportLines() const;

private:
    // Starting over on a session read or replaced: every result marked, no typed slab, no
    // evaluation, no what-if weights, no PCR, the title screen and the mix's bookkeeping stale.
    void startOver();
    // The ratings' part of starting over: no what-if weights, no PCR.
    void ratingsReset();
    // Converts the typed thicknesses and the what-if weights after a unit switch.
    void ratingsSwitched(UnitSystem from);

    // evaluateSlab without its guard against running out of memory.
    bool evaluate(Prompter& prompter);
    // Shows why a command stopped and puts "<what>: <its first line>" on the status line.
    void reportStop(std::string_view what, const Message& message, Prompter& prompter);
    // The same for a failure `reason` (title "KORVANT", critical).
    void reportFailure(std::string_view what, const std::string& reason, Prompter& prompter);
    // Whether a typed slab `text` is a thickness in the session's units; if not, reports why
    // (a warning) as a stop of `what`.
    bool isThickness(const std::string& text, std::string_view what, Prompter& prompter);

    // Tells the bookkeeping that the mix was replaced as a whole (for example from a file).
    void mixReplaced() { clickStale_ = true; }
    // Marks every result computed so far as out of date, for `why`.
    void inputsChanged(Staleness why = Staleness::InputsChanged);
    Staleness stalenessSince(std::uint64_t revision) const;
    // Runs the design checks and the design, keeping what they rest on and the status line.
    DesignOutcome runDesign(Prompter& prompter);
    // The text saving would write now, with the structure as the design reads it; none when a
    // value cannot be written.
    std::optional<std::string> fileText() const;
    // The text of file data with the structure written as the design reads it; none when a
    // value cannot be written.
    static std::optional<std::string> comparableText(InputFileData data);

    DesignModel design_;
    std::filesystem::path cataloguePath_;
    View view_ = View::Title;
    std::string slabText_;
    std::optional<SlabEvaluation> evaluation_;
    std::filesystem::path currentFile_;
    std::optional<std::string> savedText_; // what the current file holds, or the start state's
    std::filesystem::path lastFolder_;
    std::vector<std::filesystem::path> recentFiles_;
    std::string status_;

    // Each change of the inputs counts one revision; a result keeps the revision it rests on.
    std::uint64_t revision_ = 0;
    Staleness lastChange_ = Staleness::Current; // why the revision last moved on
    std::uint64_t designRevision_ = 0;
    std::uint64_t evaluationRevision_ = 0;
    std::string evaluatedSlabText_;
    std::uint64_t sensitivityRevision_ = 0;
    std::uint64_t reliabilityRevision_ = 0;
    std::uint64_t reliabilityStartRevision_ = 0;

    std::int16_t clickedRow_ = 0;
    bool clickStale_ = false;
    std::int16_t editRow_ = 0; // mix slot of the cell under edit
    std::int16_t editColumn_ = 0; // grid column 1..8; the field is editColumn + 1
    std::string oldValue_;

    double sensitivityPercent_ = kDefaultSensitivityPercent;
    ReliabilitySettings reliabilitySettings_;
    std::optional<SensitivityResult> sensitivity_;
    std::optional<ReliabilityResult> reliability_;

    AcrViewState acrView_;
    PcrSettings pcrSettings_;
    std::optional<PcrShown> pcr_;
    std::uint64_t pcrRevision_ = 0;
    bool pcrRequested_ = false; // a design ran since the PCR last started, which was not current
    // The PCR's outcome goes to the status line: the user asked for it in the panel rather than
    // by a design it follows.
    bool pcrAnnounced_ = false;
    // Counts the sessions read or replaced, so that a PCR still running for an earlier one is
    // dropped.
    std::uint64_t pcrSession_ = 0;
    // What the last PCR run started from, for its outcome.
    struct PcrStart
    {
        std::uint64_t revision = 0;
        PcrSettings settings;
        bool announced = false;
        std::uint64_t session = 0;
    };
    std::optional<PcrStart> pcrStart_;
};

// Reads the aircraft catalogue at start-up from the first candidate that is a file (the first
// candidate when none is) and returns the path read. Throws CatalogueError naming the path and
// the reason. `note` receives the reader's note for the user ("" when there is none).
std::filesystem::path LoadStartCatalogue(
    DesignModel& model, const std::vector<std::filesystem::path>& candidates, std::string& note);

} // namespace korvant
