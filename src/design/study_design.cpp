// One varied design of a study: the base session read once, the varied texts and departures
// applied as if typed, and the design run on the result.
#include "design/study_design.h"

#include <limits>

#include "design/aircraft_step.h"
#include "design/input_check.h"
#include "design/thickness_design.h"
#include "io/number_text.h"

namespace korvant {
namespace {

std::string ScaledDepartures(const std::string& text, double factor)
{
    return factor == 1 ? text : GeneralNumberText(NumberOfText(text) * factor);
}

// The basis of a session whose fields hold what a design needs, as Design Thickness checks them.
DesignBasis ReadCheckedBasis(const DesignModel& model)
{
    const std::vector<Message> invalid = FieldCheckMessages(model);
    if (!invalid.empty())
        throw DesignStopped(invalid.front().text);
    return ReadDesignBasis(model);
}

} // namespace

const std::array<StudyInputInfo, kStudyInputCount>& StudyInputs()
{
    static const std::array<StudyInputInfo, kStudyInputCount> inputs { {
        { StudyInput::Sc, "Sc", InputField::Sc },
        { StudyInput::k, "k", InputField::k },
        { StudyInput::E, "E", InputField::E },
        { StudyInput::SlabLength, "Slab length", InputField::SlabLength },
        { StudyInput::SlabWidth, "Slab width", InputField::SlabWidth },
        { StudyInput::Temperature, "Temperature", InputField::Temperature },
        { StudyInput::Precipitation, "Precipitation", InputField::Precipitation },
        { StudyInput::WindSpeed, "Wind speed", InputField::WindSpeed },
        { StudyInput::Departures, "Departures factor", std::nullopt },
    } };
    return inputs;
}

float StudyOutcome::rankedThickness() const
{
    return beyondSearch ? std::numeric_limits<float>::infinity() : thickness;
}

std::string StudyThicknessText(const StudyOutcome& outcome, UnitSystem units)
{
    if (outcome.beyondSearch)
        return BeyondSearchText(units);
    return ThicknessCaption(outcome.thickness, units);
}

StudyBase::StudyBase(const DesignModel& model)
    : session_(model)
    , units_(model.units)
    , basis_(ReadCheckedBasis(model))
{
    session_.result = {};
    for (const InputFieldInfo& info : InputFields())
        values_[static_cast<std::size_t>(info.field)] = NumberOfText(model.field(info.field));
    base_ = design(Variation {});
}

double StudyBase::fieldValue(InputField field) const
{
    return values_[static_cast<std::size_t>(field)];
}

bool StudyBase::changes(const Variation& variation, std::size_t field) const
{
    return variation.fields[field] && *variation.fields[field] != values_[field];
}

DesignModel StudyBase::variedSession(const Variation& variation) const
{
    DesignModel varied = session_;
    for (std::size_t f = 0; f < variation.fields.size(); ++f)
        if (changes(variation, f))
            varied.fields[f] = GeneralNumberText(*variation.fields[f]);
    for (int slot = 1; slot <= varied.mix.count(); ++slot) {
        std::string& departures = varied.database.record(varied.mix.record(slot)).annualDepartures;
        departures = ScaledDepartures(departures, variation.departuresFactor);
    }
    return varied;
}

StudyOutcome StudyBase::design(const Variation& variation) const
{
    StudyOutcome outcome;
    try {
        DesignBasis basis = basis_;
        FieldTexts fields = session_.fields;
        for (std::size_t f = 0; f < fields.size(); ++f)
            if (changes(variation, f))
                fields[f] = GeneralNumberText(*variation.fields[f]);
        basis.inputs = ReadDesignInputs(fields, units_);
        for (MixAircraft& aircraft : basis.mix) {
            const std::string& text = session_.database.record(aircraft.record).annualDepartures;
            aircraft.annualDepartures
                = EnglishAircraftValue(ScaledDepartures(text, variation.departuresFactor),
                    AircraftField::annualDepartures, units_);
        }
        if (!basis.mix.empty())
            CheckDesignInputs(basis.inputs);
        const DesignTrace trace = BisectThickness(std::move(basis), units_);
        outcome.thickness = trace.thickness();
        outcome.converged = trace.converged();
        outcome.beyondSearch = trace.end == DesignEnd::BeyondSearch;
    } catch (const DesignStopped& stopped) {
        outcome.stopped = stopped.what();
    }
    return outcome;
}

} // namespace korvant
