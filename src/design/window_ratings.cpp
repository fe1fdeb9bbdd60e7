// The window's ACR view and PCR panel: the view's scope and what-if weights, its runs taken
// into the kept ratings; the panel's slab and category, the PCR that follows the design and
// what it rests on; and the ratings pages of the report's PDF.
#include <new>
#include <utility>

#include "basics/program_info.h"
#include "design/ratings_report.h"
#include "design/window_model.h"
#include "design/window_texts.h"

namespace korvant {
namespace {

std::string WeightText(const std::string& weight, UnitSystem units)
{
    return weight + " " + GridUnitCaption(AircraftField::grossWeight, units);
}

} // namespace

void WindowModel::setAcrScope(AcrScope scope)
{
    acrView_.setScope(scope);
}

bool WindowModel::setWhatIfWeight(int record, std::string_view text, Prompter& prompter)
{
    if (record < 1 || record > design_.database.recordCount)
        return false;
    const AircraftRecord& catalogue = design_.database.record(record);
    AircraftRecord whatIf = catalogue;
    if (!ChangeAircraftValue(whatIf, AircraftField::grossWeight, text, prompter).stored) {
        status_ = "Not changed: the value is not a valid number.";
        return false;
    }
    if (whatIf.grossWeight == catalogue.grossWeight) {
        clearWhatIfWeight(record);
        return true;
    }
    acrView_.setWhatIfWeight(record, whatIf.grossWeight);
    status_ = "What-if gross weight of " + catalogue.name + ": "
        + WeightText(whatIf.grossWeight, design_.units) + " (the catalogue holds "
        + WeightText(catalogue.grossWeight, design_.units) + ").";
    return true;
}

void WindowModel::clearWhatIfWeight(int record)
{
    if (record < 1 || record > design_.database.recordCount)
        return;
    acrView_.clearWhatIfWeight(record);
    const AircraftRecord& catalogue = design_.database.record(record);
    status_ = catalogue.name + " at its catalogue gross weight of "
        + WeightText(catalogue.grossWeight, design_.units) + ".";
}

std::unique_ptr<AcrRun> WindowModel::startAcr() const
{
    std::vector<AcrRowInput> rows = acrView_.pending(design_);
    if (rows.empty())
        return nullptr;
    return std::make_unique<AcrRun>(std::move(rows));
}

bool WindowModel::finishAcr(AcrRun& run, Prompter& prompter)
{
    AcrOutcome outcome = run.take();
    if (!outcome.failure.empty()) {
        reportFailure("ACRs not computed", outcome.failure, prompter);
        return false;
    }
    if (outcome.results.size() != run.rows().size())
        return false; // cancelled
    for (std::size_t i = 0; i < outcome.results.size(); ++i)
        acrView_.store(run.rows()[i], std::move(outcome.results[i]));
    const std::size_t count = run.rows().size();
    status_ = count == 1 ? "Computed the ACRs of " + run.rows().front().aircraft.name + "."
                         : "Computed the ACRs of " + std::to_string(count) + " aircraft.";
    return true;
}

std::vector<AcrResult> WindowModel::mixAcr() const
{
    std::vector<AcrResult> results(static_cast<std::size_t>(design_.mix.count()));
    std::vector<AcrRowInput> missing;
    std::vector<std::size_t> where;
    for (int slot = 1; slot <= design_.mix.count(); ++slot) {
        const int record = design_.mix.record(slot);
        const auto index = static_cast<std::size_t>(slot - 1);
        AcrRowInput input { record, design_.database.record(record), design_.units };
        if (const AcrResult* kept = acrView_.ratingOf(input)) {
            results[index] = *kept;
        } else {
            missing.push_back(std::move(input));
            where.push_back(index);
        }
    }
    std::vector<AcrResult> computed = ComputeAircraftAcr(missing);
    for (std::size_t i = 0; i < computed.size(); ++i)
        results[where[i]] = std::move(computed[i]);
    return results;
}

void WindowModel::setPcrTypedSlab(bool typed)
{
    pcrSettings_.typedSlab = typed;
    pcrAnnounced_ = true;
}

void WindowModel::setPcrThicknessText(std::string text)
{
    pcrSettings_.thicknessText = std::move(text);
}

void WindowModel::setPcrCategory(std::optional<SubgradeCategory> category)
{
    pcrSettings_.category = category;
    pcrAnnounced_ = true;
}

Staleness WindowModel::pcrStaleness() const
{
    if (!pcr_)
        return Staleness::Current;
    const Staleness staleness = stalenessSince(pcrRevision_);
    if (staleness == Staleness::Current && !(pcr_->settings == pcrSettings_))
        return Staleness::InputsChanged;
    return staleness;
}

bool WindowModel::pcrDue() const
{
    const bool designShown = !design_.lbh.empty() && !design_.result.trace.empty();
    if (!designShown || designStaleness() != Staleness::Current)
        return false;
    if (!pcr_ || pcrRequested_)
        return true;
    PcrSettings typed = pcr_->settings;
    typed.thicknessText = pcrSettings_.thicknessText;
    return pcrStaleness() != Staleness::Current && !(typed == pcrSettings_ && typed.typedSlab);
}

bool WindowModel::computePcr(Prompter& prompter)
{
    if (pcrSettings_.typedSlab && !isThickness(pcrSettings_.thicknessText, "No PCR", prompter))
        return false;
    try {
        const bool designed = runDesign(prompter) == DesignOutcome::Designed;
        pcrAnnounced_ = true;
        return designed;
    } catch (const std::bad_alloc&) {
        reportStop("No PCR", OutOfMemoryMessage("Compute PCR"), prompter);
    }
    return false;
}

std::unique_ptr<PcrRun> WindowModel::startPcr()
{
    pcrRequested_ = false;
    pcrStart_ = PcrStart { revision_, pcrSettings_, pcrAnnounced_, pcrSession_ };
    const DesignBasis& basis = design_.result.trace.basis;
    try {
        const float thickness = PcrSlabThickness(pcrSettings_, design_.result, design_.units);
        return std::make_unique<PcrRun>(basis, thickness, design_.units, pcrSettings_.category);
    } catch (const PcrRefused& refused) {
        pcr_ = PcrShown { pcrSettings_, basis, 0, std::nullopt, refused.what() };
        pcrRevision_ = revision_;
        if (pcrAnnounced_)
            status_ = PcrStatus(*pcr_, design_.units);
    }
    return nullptr;
}

void WindowModel::finishPcr(PcrRun& run)
{
    PcrOutcome outcome = run.take();
    if (!pcrStart_ || pcrStart_->session != pcrSession_)
        return; // a PCR of a session read over since
    pcr_ = PcrShown { pcrStart_->settings, run.basis(), run.thickness(), std::move(outcome.result),
        std::move(outcome.refusal) };
    pcrRevision_ = pcrStart_->revision;
    if (pcrStart_->announced)
        status_ = PcrStatus(*pcr_, design_.units);
}

std::vector<std::string> WindowModel::ratingsReportLines() const
{
    return RatingsReportLines(mixAcr(), design_, pcr_, pcrStaleness());
}

void WindowModel::ratingsReset()
{
    acrView_.clearWhatIfWeights();
    pcrSettings_ = {};
    pcr_.reset();
    pcrRequested_ = false;
    ++pcrSession_;
}

void WindowModel::ratingsSwitched(UnitSystem from)
{
    const UnitSystem to = design_.units;
    acrView_.convertWhatIfWeights(from, to);
    const auto convert = [&](PcrSettings& settings) {
        settings.thicknessText = ConvertedThicknessText(settings.thicknessText, from, to);
    };
    convert(pcrSettings_);
    if (pcrStart_)
        convert(pcrStart_->settings);
    if (pcr_)
        convert(pcr_->settings);
}

} // namespace korvant
