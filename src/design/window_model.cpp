// The window's state: views, units, files, the design and its evaluation, and the studies.
#include "design/window_model.h"

#include <new>
#include <stdexcept>
#include <utility>

#include "basics/program_info.h"
#include "design/report.h"
#include "design/session_file.h"
#include "design/thickness_design.h"
#include "design/window_texts.h"

namespace korvant {
namespace {

constexpr const char* kDesignFirstPrompt = "Plesae click \"Design Thickness\" button, First !  ";

void ReportStudyFailure(const std::string& reason, Prompter& prompter)
{
    prompter.ask({ reason, kProgramName, Buttons::Ok, Icon::Critical });
}

} // namespace

WindowModel::WindowModel(DesignModel design, std::filesystem::path cataloguePath)
    : design_(std::move(design))
    , cataloguePath_(std::move(cataloguePath))
{
}

void WindowModel::setField(InputField field, std::string text)
{
    design_.field(field) = std::move(text);
}

void WindowModel::setBondNo(bool bondNo)
{
    design_.bondNo = bondNo;
}

void WindowModel::setSlabText(std::string text)
{
    slabText_ = std::move(text);
}

void WindowModel::replaceSession(DesignModel design)
{
    design_ = std::move(design);
    slabText_.clear();
    evaluation_.reset();
    view_ = View::Title;
    mixReplaced();
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
    if (view == View::OneLayer || view == View::TwoLayer) {
        design_.layerMode = view == View::OneLayer ? kOneLayer : kTwoLayerBonded;
        design_.lbh.clear();
        evaluation_.reset();
    }
    return ViewLayoutOf(view);
}

bool WindowModel::chooseUnits(UnitSystem units, Prompter& prompter)
{
    if (!ChooseUnitSystem(design_, units, prompter))
        return false;
    slabText_.clear();
    evaluation_.reset();
    return true;
}

DesignOutcome WindowModel::designThickness(Prompter& prompter)
{
    try {
        const DesignOutcome outcome = DesignThickness(design_, prompter);
        if (outcome != DesignOutcome::Designed)
            return outcome;
        evaluation_.reset();
        if (!slabText_.empty()) {
            try {
                evaluation_
                    = EvaluateSlabText(design_.result.trace.basis, slabText_, design_.units);
            } catch (const EvaluationRefused&) {
            } catch (const DesignStopped&) {
                // Evaluate reports these; the design itself has succeeded.
            }
        }
        return outcome;
    } catch (const std::bad_alloc&) {
        prompter.ask(OutOfMemoryMessage("Design Thickness"));
    }
    return DesignOutcome::Stopped;
}

bool WindowModel::evaluateSlab(Prompter& prompter)
{
    try {
        return evaluate(prompter);
    } catch (const std::bad_alloc&) {
        prompter.ask(OutOfMemoryMessage("Evaluate"));
    }
    return false;
}

bool WindowModel::evaluate(Prompter& prompter)
{
    try {
        SlabThicknessOfText(slabText_, design_.units);
    } catch (const EvaluationRefused& refused) {
        prompter.ask({ refused.what(), kProgramName, Buttons::Ok, Icon::Warning });
        return false;
    }
    if (DesignThickness(design_, prompter) != DesignOutcome::Designed)
        return false;
    evaluation_.reset();
    try {
        evaluation_ = EvaluateSlabText(design_.result.trace.basis, slabText_, design_.units);
    } catch (const DesignStopped& stopped) {
        prompter.ask({ stopped.what(), kProgramName, Buttons::Ok, Icon::Critical });
        return false;
    }
    return true;
}

bool WindowModel::runSensitivity(Prompter& prompter)
{
    try {
        sensitivity_ = RunSensitivityStudy(design_, sensitivityPercent_);
        return true;
    } catch (const DesignStopped& stopped) {
        ReportStudyFailure(stopped.what(), prompter);
    } catch (const std::invalid_argument& invalid) {
        ReportStudyFailure(invalid.what(), prompter);
    } catch (const std::bad_alloc&) {
        prompter.ask(OutOfMemoryMessage("Sensitivity study"));
    }
    return false;
}

std::unique_ptr<ReliabilityRun> WindowModel::startReliability() const
{
    return std::make_unique<ReliabilityRun>(design_, reliabilitySettings_);
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

std::optional<std::string> WindowModel::reportForView(Prompter& prompter) const
{
    if (design_.lbh.empty()) {
        prompter.ask({ kDesignFirstPrompt, kProgramName, Buttons::CancelTryAgainContinue,
            Icon::Information });
        return std::nullopt;
    }
    return ReportText(design_);
}

bool WindowModel::readInputData(const std::filesystem::path& path, Prompter& prompter)
{
    const std::optional<InputFileLoaded> loaded
        = ReadDataFromFile(design_, path, cataloguePath_, prompter);
    if (!loaded)
        return false;
    slabText_.clear();
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

std::optional<std::filesystem::path> WindowModel::saveInputData(
    const std::filesystem::path& path, Prompter& prompter) const
{
    return SaveInputData(design_, path, prompter);
}

bool WindowModel::confirmClose(Prompter& prompter, const std::function<bool()>& saveInputData) const
{
    return ConfirmClose(prompter, saveInputData);
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
