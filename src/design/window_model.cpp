// The window's state: views, units, files, the design and its evaluation, the studies, and what
// each shown result rests on.
#include "design/window_model.h"

#include <new>
#include <optional>
#include <stdexcept>
#include <utility>

#include "basics/program_info.h"
#include "design/recent_files.h"
#include "design/report.h"
#include "design/session_file.h"
#include "design/thickness_design.h"
#include "design/window_texts.h"

namespace korvant {
namespace {

constexpr const char* kDesignFirstPrompt = "Plesae click \"Design Thickness\" button, First !  ";

// Passes every message on and keeps the last one, for the status line.
class RecordingPrompter : public Prompter
{
public:
    explicit RecordingPrompter(Prompter& inner)
        : inner_(inner)
    {
    }
    Answer ask(const Message& message) override
    {
        last_ = message;
        return inner_.ask(message);
    }
    const Message* last() const { return last_ ? &*last_ : nullptr; }

private:
    Prompter& inner_;
    std::optional<Message> last_;
};

bool IsDesignView(View view)
{
    return view == View::OneLayer || view == View::TwoLayer;
}

} // namespace

WindowModel::WindowModel(DesignModel design, std::filesystem::path cataloguePath)
    : design_(std::move(design))
    , cataloguePath_(std::move(cataloguePath))
{
    savedText_ = fileText();
}

void WindowModel::setField(InputField field, std::string text)
{
    std::string& stored = design_.field(field);
    if (stored == text)
        return;
    stored = std::move(text);
    inputsChanged();
}

void WindowModel::setBondNo(bool bondNo)
{
    if (design_.bondNo == bondNo)
        return;
    design_.bondNo = bondNo;
    inputsChanged();
}

void WindowModel::setSlabText(std::string text)
{
    slabText_ = std::move(text);
}

void WindowModel::replaceSession(DesignModel design)
{
    design_ = std::move(design);
    startOver();
}

void WindowModel::startOver()
{
    inputsChanged();
    slabText_.clear();
    evaluation_.reset();
    ratingsReset();
    view_ = View::Title;
    mixReplaced();
}

void WindowModel::inputsChanged(Staleness why)
{
    ++revision_;
    lastChange_ = why;
}

Staleness WindowModel::stalenessSince(std::uint64_t revision) const
{
    return revision == revision_ ? Staleness::Current : lastChange_;
}

Staleness WindowModel::designStaleness() const
{
    return design_.result.trace.empty() ? Staleness::Current : stalenessSince(designRevision_);
}

Staleness WindowModel::evaluationStaleness() const
{
    if (!evaluation_)
        return Staleness::Current;
    const Staleness staleness = stalenessSince(evaluationRevision_);
    if (staleness == Staleness::Current && slabText_ != evaluatedSlabText_)
        return Staleness::InputsChanged;
    return staleness;
}

Staleness WindowModel::sensitivityStaleness() const
{
    return sensitivity_ ? stalenessSince(sensitivityRevision_) : Staleness::Current;
}

Staleness WindowModel::reliabilityStaleness() const
{
    return reliability_ ? stalenessSince(reliabilityRevision_) : Staleness::Current;
}

void WindowModel::noteExport(const std::string& what, const std::string& path, bool saved)
{
    status_ = saved ? "Saved the " + what + " to " + path + "." : "The " + what + " was not saved.";
    if (saved)
        lastFolder_ = std::filesystem::path(path).parent_path();
}

void WindowModel::setReliabilitySettings(const ReliabilitySettings& settings)
{
    reliabilitySettings_ = settings;
}

const char* WindowModel::unitCaption(const UnitCaption& caption) const
{
    return CaptionText(caption, design_.units);
}

const ViewLayout& WindowModel::enterView(View view)
{
    view_ = view;
    if (IsDesignView(view)) {
        // Another structure is another design: what was computed for the old one is marked.
        if ((design_.layerMode == kOneLayer) != (view == View::OneLayer))
            inputsChanged();
        design_.layerMode = view == View::OneLayer ? kOneLayer : kTwoLayerBonded;
        design_.lbh.clear();
        evaluation_.reset();
    }
    return ViewLayoutOf(view);
}

bool WindowModel::chooseUnits(UnitSystem units, Prompter& prompter)
{
    RecordingPrompter recorder(prompter);
    const UnitSystem from = design_.units;
    if (!ChooseUnitSystem(design_, units, recorder)) {
        if (design_.units != units)
            status_ = StoppedStatus("Units not switched", recorder.last());
        return false;
    }
    ratingsSwitched(from);
    slabText_.clear();
    evaluation_.reset();
    status_ = units == UnitSystem::Metric ? "Units: Metric." : "Units: English.";
    return true;
}

DesignOutcome WindowModel::runDesign(Prompter& prompter)
{
    RecordingPrompter recorder(prompter);
    const auto fieldsBefore = design_.fields;
    const DesignOutcome outcome = DesignThickness(design_, recorder);
    // An offered bound the user accepted is an input changed by the check.
    if (design_.fields != fieldsBefore)
        inputsChanged();
    switch (outcome) {
    case DesignOutcome::Designed:
        designRevision_ = revision_;
        // The PCR follows the design, a typed slab included; the status line stays the design's.
        pcrRequested_ = !pcr_ || pcrStaleness() != Staleness::Current;
        pcrAnnounced_ = false;
        status_ = DesignedStatus(design_.lbh, design_.units);
        break;
    case DesignOutcome::InvalidInput:
        status_ = StoppedStatus("Not designed", recorder.last());
        break;
    case DesignOutcome::Stopped:
        // The results of the design before stay on screen, marked.
        inputsChanged(Staleness::DesignStopped);
        status_ = StoppedStatus("Design stopped", recorder.last());
        break;
    }
    return outcome;
}

DesignOutcome WindowModel::designThickness(Prompter& prompter)
{
    try {
        const DesignOutcome outcome = runDesign(prompter);
        if (outcome != DesignOutcome::Designed)
            return outcome;
        evaluation_.reset();
        if (!slabText_.empty()) {
            try {
                evaluation_
                    = EvaluateSlabText(design_.result.trace.basis, slabText_, design_.units);
                evaluationRevision_ = revision_;
                evaluatedSlabText_ = slabText_;
            } catch (const EvaluationRefused&) {
            } catch (const DesignStopped&) {
                // Evaluate reports these; the design itself has succeeded.
            }
        }
        return outcome;
    } catch (const std::bad_alloc&) {
        reportStop("Design stopped", OutOfMemoryMessage("Design Thickness"), prompter);
    }
    return DesignOutcome::Stopped;
}

bool WindowModel::evaluateSlab(Prompter& prompter)
{
    try {
        return evaluate(prompter);
    } catch (const std::bad_alloc&) {
        reportStop("Evaluation stopped", OutOfMemoryMessage("Evaluate"), prompter);
    }
    return false;
}

bool WindowModel::evaluate(Prompter& prompter)
{
    if (!isThickness(slabText_, "Not evaluated", prompter))
        return false;
    if (runDesign(prompter) != DesignOutcome::Designed)
        return false;
    evaluation_.reset();
    try {
        evaluation_ = EvaluateSlabText(design_.result.trace.basis, slabText_, design_.units);
    } catch (const DesignStopped& stopped) {
        reportFailure("Evaluation stopped", stopped.what(), prompter);
        return false;
    }
    evaluationRevision_ = revision_;
    evaluatedSlabText_ = slabText_;
    status_ = "Evaluated the " + evaluation_->thicknessText
        + " slab: " + EvaluationSummary(*evaluation_) + ".";
    return true;
}

bool WindowModel::runSensitivity(Prompter& prompter)
{
    std::string failure;
    try {
        sensitivity_ = RunSensitivityStudy(design_, sensitivityPercent_);
        sensitivityRevision_ = revision_;
        status_ = "Sensitivity study done.";
        return true;
    } catch (const DesignStopped& stopped) {
        failure = stopped.what();
    } catch (const std::invalid_argument& invalid) {
        failure = invalid.what();
    } catch (const std::bad_alloc&) {
        reportStop("Sensitivity study stopped", OutOfMemoryMessage("Sensitivity study"), prompter);
        return false;
    }
    reportFailure("Sensitivity study stopped", failure, prompter);
    return false;
}

void WindowModel::reportStop(std::string_view what, const Message& message, Prompter& prompter)
{
    prompter.ask(message);
    status_ = StoppedStatus(what, &message);
}

void WindowModel::reportFailure(
    std::string_view what, const std::string& reason, Prompter& prompter)
{
    reportStop(what, { reason, kProgramName, Buttons::Ok, Icon::Critical }, prompter);
}

bool WindowModel::isThickness(const std::string& text, std::string_view what, Prompter& prompter)
{
    try {
        SlabThicknessOfText(text, design_.units);
        return true;
    } catch (const EvaluationRefused& refused) {
        reportStop(what, { refused.what(), kProgramName, Buttons::Ok, Icon::Warning }, prompter);
    }
    return false;
}

std::unique_ptr<ReliabilityRun> WindowModel::startReliability()
{
    reliabilityStartRevision_ = revision_;
    return std::make_unique<ReliabilityRun>(design_, reliabilitySettings_);
}

bool WindowModel::finishReliability(ReliabilityRun& run, Prompter& prompter)
{
    const bool cancelled = run.cancelled();
    ReliabilityOutcome outcome = run.take();
    if (!outcome.failure.empty()) {
        reportFailure("Reliability study stopped", outcome.failure, prompter);
    } else if (!outcome.result) {
        status_ = cancelled ? "Reliability study cancelled." : "Reliability study stopped.";
    }
    if (!outcome.result)
        return false;
    reliability_ = std::move(outcome.result);
    reliabilityRevision_ = reliabilityStartRevision_;
    status_ = "Reliability study done.";
    return true;
}

std::vector<std::string> WindowModel::designNotes() const
{
    if (design_.lbh.empty())
        return {};
    return DesignNotes(design_.result, design_.units);
}

bool WindowModel::chartsShown() const
{
    return (view_ == View::OneLayer || view_ == View::TwoLayer) && !design_.lbh.empty()
        && !design_.result.trace.empty();
}

std::optional<std::string> WindowModel::reportForView(Prompter& prompter)
{
    if (design_.lbh.empty()) {
        prompter.ask({ kDesignFirstPrompt, kProgramName, Buttons::CancelTryAgainContinue,
            Icon::Information });
        status_ = "No report: press Design Thickness first.";
        return std::nullopt;
    }
    return ReportText(design_);
}

std::vector<std::string> WindowModel::reportHeader(const std::string& date) const
{
    return ReportPageHeader(currentFile_.filename().string(), modified(), date, designStaleness());
}

bool WindowModel::readInputData(const std::filesystem::path& path, Prompter& prompter)
{
    RecordingPrompter recorder(prompter);
    const std::optional<InputFileLoaded> loaded
        = ReadDataFromFile(design_, path, cataloguePath_, recorder);
    if (!loaded) {
        status_ = StoppedStatus("Not read", recorder.last());
        std::error_code error;
        if (!std::filesystem::exists(path, error) && !error)
            recentFiles_ = WithoutRecentFile(std::move(recentFiles_), path);
        return false;
    }
    currentFile_ = loaded->path;
    savedText_ = comparableText(loaded->data);
    lastFolder_ = currentFile_.parent_path();
    recentFiles_ = WithRecentFile(std::move(recentFiles_), currentFile_);
    status_ = "Read " + loaded->path.string() + ".";
    startOver();
    // The view sets the menu's layerMode, so the file's unbonded structure comes back from the
    // bond option at the next design, as it does for a structure chosen by hand.
    if (loaded->layerMode)
        enterView(*loaded->layerMode == kOneLayer ? View::OneLayer : View::TwoLayer);
    return true;
}

std::optional<std::filesystem::path> WindowModel::saveInputData(
    const std::filesystem::path& path, Prompter& prompter)
{
    RecordingPrompter recorder(prompter);
    const std::optional<std::string> text = fileText();
    std::optional<std::filesystem::path> saved = SaveInputData(design_, path, recorder);
    if (!saved) {
        status_ = StoppedStatus("Not saved", recorder.last());
        return saved;
    }
    currentFile_ = *saved;
    savedText_ = text;
    lastFolder_ = currentFile_.parent_path();
    recentFiles_ = WithRecentFile(std::move(recentFiles_), currentFile_);
    status_ = "Saved " + saved->string() + ".";
    return saved;
}

std::filesystem::path LoadStartCatalogue(
    DesignModel& model, const std::vector<std::filesystem::path>& candidates, std::string& note)
{
    if (candidates.empty())
        throw CatalogueError("Cannot read the aircraft catalogue fly.dll: no place to look for it");
    std::filesystem::path chosen = FindCatalogue(candidates);
    note = ReadAircraftData(chosen, model.database);
    return chosen;
}

} // namespace korvant
