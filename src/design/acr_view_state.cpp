// The ACR view's rows: each listed record's data with its what-if weight, the rating kept for
// it, and the ACR table's cells of the catalogue as the view shows it.
#include "design/acr_view_state.h"

#include <cctype>

#include "design/acr_table.h"
#include "io/number_text.h"

namespace korvant {

std::string AcrSourceLine()
{
    std::string line = kAcrSourceNote;
    if (!line.empty())
        line[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
    return line + ".";
}

std::string AcrEmptyNote(AcrScope scope)
{
    return scope == AcrScope::Mix
        ? "The traffic mix is empty: add aircraft in Aircraft Data, or list the whole catalogue."
        : "The catalogue holds no aircraft.";
}

std::vector<int> AcrViewState::records(const DesignModel& session) const
{
    std::vector<int> records;
    if (scope_ == AcrScope::Mix) {
        for (int slot = 1; slot <= session.mix.count(); ++slot)
            records.push_back(session.mix.record(slot));
    } else {
        for (int record = 1; record <= session.database.recordCount; ++record)
            records.push_back(record);
    }
    return records;
}

std::optional<std::string> AcrViewState::whatIfWeight(int record) const
{
    const auto found = whatIf_.find(record);
    if (found == whatIf_.end())
        return std::nullopt;
    return found->second;
}

void AcrViewState::setWhatIfWeight(int record, std::string text)
{
    whatIf_[record] = std::move(text);
}

void AcrViewState::clearWhatIfWeight(int record)
{
    whatIf_.erase(record);
}

void AcrViewState::clearWhatIfWeights()
{
    whatIf_.clear();
}

void AcrViewState::convertWhatIfWeights(UnitSystem from, UnitSystem to)
{
    if (from == to)
        return;
    const double factor = AircraftFieldInfoOf(AircraftField::grossWeight).metricFactor;
    for (auto& [record, text] : whatIf_) {
        const double value = NumberOfText(text);
        text = GeneralNumberText(to == UnitSystem::Metric ? value * factor : value / factor);
    }
}

AcrRowInput AcrViewState::inputOf(int record, const DesignModel& session) const
{
    AcrRowInput input { record, session.database.record(record), session.units };
    if (const auto weight = whatIfWeight(record))
        input.aircraft.grossWeight = *weight;
    return input;
}

std::vector<AcrRowInput> AcrViewState::pending(const DesignModel& session) const
{
    std::vector<AcrRowInput> rows;
    for (const int record : records(session)) {
        AcrRowInput input = inputOf(record, session);
        if (!ratingOf(input))
            rows.push_back(std::move(input));
    }
    return rows;
}

void AcrViewState::store(const AcrRowInput& input, AcrResult result)
{
    ratings_[input.record] = { input, std::move(result) };
}

const AcrResult* AcrViewState::ratingOf(const AcrRowInput& input) const
{
    const auto found = ratings_.find(input.record);
    if (found == ratings_.end() || !(found->second.input == input))
        return nullptr;
    return &found->second.result;
}

AircraftDatabase AcrViewState::shownCatalogue(const DesignModel& session) const
{
    AircraftDatabase catalogue = session.database;
    for (const auto& [record, weight] : whatIf_)
        if (record >= 1 && record <= catalogue.recordCount)
            catalogue.record(record).grossWeight = weight;
    return catalogue;
}

std::vector<std::string> AcrViewState::headings(UnitSystem units) const
{
    return AcrTable({}, AircraftDatabase {}, units).headings;
}

std::vector<AcrViewRow> AcrViewState::rows(const DesignModel& session) const
{
    std::vector<AcrViewRow> rows;
    std::vector<AcrResult> results;
    for (const int record : records(session)) {
        AcrViewRow& row = rows.emplace_back();
        row.record = record;
        row.whatIf = whatIf_.contains(record);
        AcrResult& result = results.emplace_back();
        const auto rated = ratings_.find(record);
        if (rated != ratings_.end()) {
            result = rated->second.result;
            row.state = rated->second.input == inputOf(record, session) ? AcrRowState::Current
                                                                        : AcrRowState::Outdated;
            row.note = AcrRowNote(result, session.units);
        }
        result.record = record;
    }
    TraceTable table = AcrTable(results, shownCatalogue(session), session.units);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].cells = std::move(table.rows[i]);
    return rows;
}

std::optional<std::string> AcrViewState::csv(const DesignModel& session) const
{
    std::vector<AcrResult> results;
    for (const int record : records(session)) {
        const AcrResult* rating = ratingOf(inputOf(record, session));
        if (!rating)
            return std::nullopt;
        results.push_back(*rating);
    }
    return AcrCsv(results, shownCatalogue(session), session.units);
}

} // namespace korvant
