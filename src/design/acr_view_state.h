// The ACR view's state without widgets: whether it lists the whole catalogue or the mix's
// aircraft, the what-if gross weights typed for some of them (kept beside the catalogue, which
// they never change), and each row's rating with the aircraft data it was computed from, so that
// only a row whose data changed is rated again. Its cells, notes and CSV are the ACR table's
// (design/acr_table.h).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "design/acr.h"
#include "design/design_model.h"

namespace korvant {

enum class AcrScope { Catalogue, Mix };

enum class AcrRowState {
    Waiting, // not rated yet
    Outdated, // its data changed after its rating, which is shown until the new one comes
    Current,
};

struct AcrViewRow
{
    int record = 0;
    AcrRowState state = AcrRowState::Waiting;
    bool whatIf = false; // rated at a what-if gross weight
    std::vector<std::string> cells; // the ACR table's row; the rating's cells empty while waiting
    std::string note; // why the row or some of its categories have no rating; "" otherwise
};

// "These ACRs are computed by KORVANT from the catalogue's gear data ... published ACRs.": the
// line above the table.
std::string AcrSourceLine();

// What the view says in place of rows when it lists none: an empty mix, or a catalogue without
// aircraft.
std::string AcrEmptyNote(AcrScope scope);

class AcrViewState
{
public:
    AcrScope scope() const { return scope_; }
    void setScope(AcrScope scope) { scope_ = scope; }

    // The records listed: every record of the catalogue, or the mix's in mix order.
    std::vector<int> records(const DesignModel& session) const;

    // The what-if gross weight of a record as a number text in the session's units; none while
    // the row takes the catalogue's.
    std::optional<std::string> whatIfWeight(int record) const;
    void setWhatIfWeight(int record, std::string text);
    void clearWhatIfWeight(int record);
    void clearWhatIfWeights();
    // Converts the what-if weights as a unit switch converts the catalogue's gross weights.
    void convertWhatIfWeights(UnitSystem from, UnitSystem to);

    // The data the record's row is rated from now.
    AcrRowInput inputOf(int record, const DesignModel& session) const;
    // The listed rows whose rating does not rest on their data as it is now.
    std::vector<AcrRowInput> pending(const DesignModel& session) const;
    // Keeps a rating with the data it was computed from.
    void store(const AcrRowInput& input, AcrResult result);
    // The rating that rests on exactly this data, if one is kept.
    const AcrResult* ratingOf(const AcrRowInput& input) const;

    // The table's headings and the listed rows, each with its state, weight and note.
    std::vector<std::string> headings(UnitSystem units) const;
    std::vector<AcrViewRow> rows(const DesignModel& session) const;
    // The listed rows as CSV, a what-if row with its what-if weight; none while a row is not
    // current.
    std::optional<std::string> csv(const DesignModel& session) const;

private:
    // The session's catalogue with the what-if weights put in.
    AircraftDatabase shownCatalogue(const DesignModel& session) const;

    struct Rating
    {
        AcrRowInput input;
        AcrResult result;
    };
    AcrScope scope_ = AcrScope::Catalogue;
    std::map<int, std::string> whatIf_;
    std::map<int, Rating> ratings_;
};

} // namespace korvant
