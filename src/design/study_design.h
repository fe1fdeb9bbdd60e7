// One design of a varied session, as the sensitivity and reliability studies run thousands of
// them: the base session is read once, and each variation changes the texts of some input
// fields and scales the departures of the whole mix, exactly as if those texts had been typed
// into the window, so that a design of the varied session gives the same thickness to the bit.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "design/design_data.h"
#include "design/design_model.h"
#include "design/thickness_design.h"

namespace korvant {

// The inputs a study varies: seven input fields and the departures of the whole mix.
enum class StudyInput {
    Sc,
    k,
    E,
    SlabLength,
    SlabWidth,
    Temperature,
    Precipitation,
    WindSpeed,
    Departures
};
inline constexpr int kStudyInputCount = 9;

struct StudyInputInfo
{
    StudyInput input;
    const char* name; // as tables and files name it
    std::optional<InputField> field; // none for the departures
};
const std::array<StudyInputInfo, kStudyInputCount>& StudyInputs();

// A varied session: a number (in the session's units) for some fields, and the factor on every
// mix aircraft's annual departures. A value that differs from the field's own number enters the
// field as its general number text; an equal one leaves the field's text as it was.
struct Variation
{
    std::array<std::optional<double>, kInputFieldCount> fields {};
    double departuresFactor = 1;
    std::optional<double>& field(InputField f) { return fields[static_cast<std::size_t>(f)]; }
};

// The outcome of one varied design: the thickness in inches, or the message of a design that
// stopped outside a model's domain.
struct StudyOutcome
{
    float thickness = 0;
    bool converged = false;
    // Every trial was too thin: the traffic needs more than the 30 in the procedure searches, and
    // the thickness is only the search's limit.
    bool beyondSearch = false;
    std::string stopped; // empty for a design that ended with a thickness
    bool ok() const { return stopped.empty(); }
    // The thickness as the studies rank it: +infinity beyond the search, above every design.
    float rankedThickness() const;
};

// A study's thickness in the session's units as its tables show it: the design's caption, or
// "> 30 in" ("> 76.2 cm") for a design beyond the search.
std::string StudyThicknessText(const StudyOutcome& outcome, UnitSystem units);

class StudyBase
{
public:
    // Reads the session; throws DesignStopped when its own design cannot run.
    explicit StudyBase(const DesignModel& model);

    UnitSystem units() const { return units_; }
    const DesignModel& session() const { return session_; }
    // The number of a field of the session, and its base design.
    double fieldValue(InputField field) const;
    const StudyOutcome& base() const { return base_; }

    // The design of the session with a variation. Safe to call from several threads at once.
    StudyOutcome design(const Variation& variation) const;
    // The session with the variation applied to its texts, for a single design to compare.
    DesignModel variedSession(const Variation& variation) const;

private:
    bool changes(const Variation& variation, std::size_t field) const;

    DesignModel session_;
    UnitSystem units_;
    DesignBasis basis_;
    std::array<double, kInputFieldCount> values_ {};
    StudyOutcome base_;
};

} // namespace korvant
