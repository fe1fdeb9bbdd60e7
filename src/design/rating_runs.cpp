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
    thread_ = std::thread([this] { run(); });
}

AcrRun::~AcrRun()
{
    cancel();
    if (thread_.joinable())
        thread_.join();
}

void AcrRun::run() noexcept
{
    try {
        outcome_.results = ComputeAircraftAcr(rows_, threads_, &progress_);
    } catch (const std::bad_alloc&) {
        outcome_.results.clear();
        outcome_.failure = OutOfMemoryMessage("ACR table").text;
    } catch (const std::exception& error) {
        outcome_.results.clear();
        outcome_.failure = std::string("ACR table: ") + error.what();
    }
    finished_ = true;
}

AcrOutcome AcrRun::take()
{
    if (thread_.joinable())
        thread_.join();
    if (cancelled())
        return {};
    return std::move(outcome_);
}

PcrRun::PcrRun(
    DesignBasis basis, float thickness, UnitSystem units, std::optional<SubgradeCategory> category)
    : basis_(std::move(basis))
    , thickness_(thickness)
    , units_(units)
    , category_(category)
{
    thread_ = std::thread([this] { run(); });
}

PcrRun::~PcrRun()
{
    if (thread_.joinable())
        thread_.join();
}

void PcrRun::run() noexcept
{
    try {
        outcome_.result = ComputePcr(basis_, thickness_, units_, category_);
    } catch (const PcrRefused& refused) {
        outcome_.refusal = refused.what();
    } catch (const std::bad_alloc&) {
        outcome_.refusal = OutOfMemoryMessage("PCR").text;
    } catch (const std::exception& error) {
        outcome_.refusal = error.what();
    }
    finished_ = true;
}

PcrOutcome PcrRun::take()
{
    if (thread_.joinable())
        thread_.join();
    return std::move(outcome_);
}

} // namespace korvant
