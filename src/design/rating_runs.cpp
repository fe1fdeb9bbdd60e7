// The ACR and PCR runs: started over copies, followed through their flags, their outcome taken
// once. Every failure, running out of memory among them, ends as a text for the window rather
// than in std::terminate on the run's thread.
#include "design/rating_runs.h"

#include <exception>
#include <new>
#include <utility>

#include "design/window_texts.h"

namespace korvant {

AcrRun::AcrRun(std::vector<AcrRowInput> rows, int threads)
    : rows_(std::move(rows))
    , threads_(threads)
{
    background_.start([this] { return run(); });
}

AcrOutcome AcrRun::run() noexcept
{
    AcrOutcome outcome;
    try {
        outcome.results = ComputeAircraftAcr(rows_, threads_, &progress_);
    } catch (const std::bad_alloc&) {
        outcome.results.clear();
        outcome.failure = OutOfMemoryMessage("ACR table").text;
    } catch (const std::exception& error) {
        outcome.results.clear();
        outcome.failure = std::string("ACR table: ") + error.what();
    }
    return outcome;
}

AcrOutcome AcrRun::take()
{
    AcrOutcome outcome = background_.take();
    if (cancelled())
        return {};
    return outcome;
}

PcrRun::PcrRun(
    DesignBasis basis, float thickness, UnitSystem units, std::optional<SubgradeCategory> category)
    : basis_(std::move(basis))
    , thickness_(thickness)
    , units_(units)
    , category_(category)
{
    background_.start([this] { return run(); });
}

PcrOutcome PcrRun::run() noexcept
{
    PcrOutcome outcome;
    try {
        outcome.result = ComputePcr(basis_, thickness_, units_, category_);
    } catch (const PcrRefused& refused) {
        outcome.refusal = refused.what();
    } catch (const std::bad_alloc&) {
        outcome.refusal = OutOfMemoryMessage("PCR").text;
    } catch (const std::exception& error) {
        outcome.refusal = error.what();
    }
    return outcome;
}

} // namespace korvant
