// Switching a session between the English and Metric unit systems: the unit captions of the window
// and the grid, and switching every field, the thickness caption and the aircraft table between the
// two systems.
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "basics/aircraft_fields.h"
#include "basics/unit_system.h"
#include "design/design_model.h"
#include "design/prompter.h"

namespace korvant {

// The unit caption labels of the main window, by object name: LbunitE, LbunitSc, Lbunitk,
// Lbunith, lbUnitE2, lbunith2, lbunitW, LbunitL, lbunitprec, lbunittemp, lbunitwind.
struct UnitCaption
{
    const char* objectName;
    const char* english;
    const char* metric;
};
const std::array<UnitCaption, 11>& UnitCaptions();
const char* CaptionText(const UnitCaption& caption, UnitSystem units);

// The unit row of the traffic grid for field 1..9 ("" for fields without a unit).
std::string GridUnitCaption(AircraftField field, UnitSystem units);

// A switch refused because a field holds no number, or a value lies beyond the range of numbers
// before or after its conversion; nothing was changed. problem() says which value and why,
// without the consequence ("annual mean temperature \"abc\" is not a number"), so that other
// operations that convert can word their own message.
class UnitSwitchRefused : public std::runtime_error
{
public:
    explicit UnitSwitchRefused(const std::string& problem)
        : UnitSwitchRefused(problem, "The " + problem + ", so the units were not switched.")
    {
    }
    UnitSwitchRefused(std::string problem, const std::string& message)
        : std::runtime_error(message)
        , problem_(std::move(problem))
    {
    }
    const std::string& problem() const { return problem_; }

private:
    std::string problem_;
};

// Converts the ten fields, a shown thickness and rows 1..65 of the aircraft table into `target`
// and sets the unit system. Everything is converted before anything is stored: a field without a
// number, or a field or aircraft value that is or would become infinite, throws
// UnitSwitchRefused naming it, and then nothing has changed. Switching to the current system
// does nothing.
void SwitchUnits(DesignModel& model, UnitSystem target);
inline void SwitchToMetric(DesignModel& model)
{
    SwitchUnits(model, UnitSystem::Metric);
}
inline void SwitchToEnglish(DesignModel& model)
{
    SwitchUnits(model, UnitSystem::English);
}

// The ten field texts converted from `from` to `to` as a switch converts and shows them (the
// same texts when the systems are equal). Throws UnitSwitchRefused as SwitchUnits does.
std::array<std::string, kInputFieldCount> ConvertFields(
    const std::array<std::string, kInputFieldCount>& fields, UnitSystem from, UnitSystem to);

// The value of an aircraft field's text converted from `from` to `to` as a switch converts it
// (with the field's Metric factor), before it is written back; the value itself when the systems
// are equal or the field has no unit. Infinite when the conversion overflows.
double ConvertedAircraftValue(
    AircraftField field, std::string_view text, UnitSystem from, UnitSystem to);

// Converts a typed slab thickness (in or cm) as a unit switch converts the other thicknesses; a
// text that is not a number, or whose conversion overflows, stays as it is.
std::string ConvertedThicknessText(const std::string& text, UnitSystem from, UnitSystem to);

// Converts only the unit-bearing fields of the aircraft rows 1..65 (used with a freshly read
// English catalogue when the session is in Metric units). A value that is or would become
// infinite throws UnitSwitchRefused, and then `database` is unchanged.
void ConvertAircraftTable(AircraftDatabase& database, UnitSystem from, UnitSystem to);

// The menu command: "Metric System Selected" / "English System Selected" (title "KORVANT"),
// then the switch; a refused switch is reported and changes nothing. Returns whether it switched.
bool ChooseUnitSystem(DesignModel& model, UnitSystem target, Prompter& prompter);

} // namespace korvant
