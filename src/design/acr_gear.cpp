// Gear layouts of the ACR from the catalogue's wheel count and spacings, centred on the gear.
#include "design/acr_gear.h"

#include "design/aircraft_step.h"
#include "io/number_text.h"
#include "io/quoted_text.h"

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

namespace korvant {
namespace {

// The values the ACR reads of an aircraft, in English units (lb, %, psi, in.), NaN for a text
// that is not a number, with what messages say of them: its name, each field's text as the
// aircraft holds it and the units of those texts.
struct GearValues
{
    std::string name;
    double grossWeight = 0;
    double gearLoadPercent = 0;
    double tirePressure = 0;
    double wheelCount = 0;
    double dualSpacing = 0;
    double tandemSpacing = 0;
    std::function<std::string(AircraftField)> text;
    UnitSystem units = UnitSystem::English;
};

std::string AircraftName(const AircraftRecord& record)
{
    return record.name.empty() ? std::string("an unnamed aircraft") : record.name;
}

// A record's values, its texts in `units` read as the design reads them.
GearValues ValuesOf(const AircraftRecord& record, UnitSystem units)
{
    const auto value = [&](AircraftField field) {
        const std::string& text = record.field(field);
        return IsNumberText(text) ? EnglishAircraftValue(text, field, units)
                                  : std::numeric_limits<double>::quiet_NaN();
    };
    return { AircraftName(record), value(AircraftField::grossWeight),
        value(AircraftField::gearLoadPercent), value(AircraftField::tirePressure),
        value(AircraftField::wheelCount), value(AircraftField::dualSpacing),
        value(AircraftField::tandemSpacing),
        [&record](AircraftField field) { return record.field(field); }, units };
}

// The field's unit in `units` for a message, " (lb)"; "" for a field without a unit.
std::string UnitNote(AircraftField field, UnitSystem units)
{
    const std::string unit = UnitIn(AircraftFieldInfoOf(field), units);
    return unit.empty() ? unit : " (" + unit + ")";
}

// A value that must be a positive number.
double Positive(const GearValues& values, AircraftField field, double value)
{
    if (!(value > 0) || !std::isfinite(value))
        throw AcrError(values.name + ": the " + AircraftFieldInfoOf(field).word + " "
            + QuotedText(values.text(field)) + " must be a positive number"
            + UnitNote(field, values.units));
    return value;
}

// A spacing: a number of inches of at least 0, returned in mm.
double Spacing(const GearValues& values, AircraftField field, double value)
{
    if (!(value >= 0) || !std::isfinite(value))
        throw AcrError(values.name + ": the " + AircraftFieldInfoOf(field).word + " "
            + QuotedText(values.text(field)) + " must be a number of at least 0"
            + UnitNote(field, values.units));
    return value * kMillimetrePerInch;
}

// The gear at `grossWeight` (lb, checked).
AcrGear GearOf(const GearValues& values, double grossWeight)
{
    const std::string& name = values.name;
    const double percent = Positive(values, AircraftField::gearLoadPercent, values.gearLoadPercent);
    const double pressure = Positive(values, AircraftField::tirePressure, values.tirePressure);
    const double count = values.wheelCount;
    const double dual = Spacing(values, AircraftField::dualSpacing, values.dualSpacing);
    const double tandem = Spacing(values, AircraftField::tandemSpacing, values.tandemSpacing);
    AcrGear gear;
    gear.name = name;
    gear.tirePressure = pressure * kMegapascalPerPsi;
    using P = layered::PlanPoint;
    const double x = dual / 2;
    if (count == 1) {
        gear.wheels = { P { 0, 0 } };
    } else if (count == 2 && dual > 0) {
        gear.wheels = { P { -x, 0 }, P { x, 0 } };
        gear.points = { P { 0, 0 } };
    } else if (count == 2 && tandem > 0) {
        gear.wheels = { P { 0, -tandem / 2 }, P { 0, tandem / 2 } };
    } else if (count == 4 && dual > 0 && tandem > 0) {
        for (double y : { -tandem / 2, tandem / 2 }) {
            gear.wheels.insert(gear.wheels.end(), { P { -x, y }, P { x, y } });
            gear.points.push_back(P { 0, y });
        }
    } else if (count == 6 && dual > 0 && tandem > 0) {
        for (double y : { -tandem, 0.0, tandem }) {
            gear.wheels.insert(gear.wheels.end(), { P { -x, y }, P { x, y } });
            gear.points.push_back(P { 0, y });
        }
    } else {
        throw AcrError(name + ": a gear of " + QuotedText(values.text(AircraftField::wheelCount))
            + " wheels, dual spacing " + QuotedText(values.text(AircraftField::dualSpacing))
            + " and tandem spacing " + QuotedText(values.text(AircraftField::tandemSpacing))
            + " is none of single, dual, single tandem, dual tandem or three-axle dual tandem");
    }
    gear.points.insert(gear.points.begin(), gear.wheels.begin(), gear.wheels.end());
    const double gearLoad = grossWeight * kKilogramPerPound * kGravity * percent / 100;
    gear.wheelLoad = gearLoad / static_cast<double>(gear.wheels.size());
    if (!std::isfinite(gear.wheelLoad) || !std::isfinite(gear.contactRadius())
        || !std::isfinite(gear.tirePressure) || !(gear.contactRadius() > 0))
        throw AcrError(name + ": the wheel load or tire pressure exceeds the range of numbers");
    return gear;
}

} // namespace

double AcrGear::contactRadius() const
{
    return std::sqrt(wheelLoad / (std::numbers::pi * tirePressure));
}

AcrGear AcrGearOf(const AircraftRecord& record, UnitSystem units)
{
    const GearValues values = ValuesOf(record, units);
    return GearOf(values, Positive(values, AircraftField::grossWeight, values.grossWeight));
}

AcrGear AcrGearOf(const AircraftRecord& record, double grossWeight)
{
    if (!(grossWeight > 0) || !std::isfinite(grossWeight))
        throw AcrError(AircraftName(record) + ": the gross weight " + GeneralNumberText(grossWeight)
            + " must be a positive number (lb)");
    return GearOf(ValuesOf(record, UnitSystem::English), grossWeight);
}

AcrGear AcrGearOf(const MixAircraft& aircraft, double grossWeight)
{
    if (!(grossWeight > 0) || !std::isfinite(grossWeight))
        throw AcrError(aircraft.label + ": the gross weight " + GeneralNumberText(grossWeight)
            + " must be a positive number (lb)");
    const auto text = [&aircraft](AircraftField field) {
        switch (field) {
        case AircraftField::gearLoadPercent:
            return GeneralNumberText(aircraft.gearLoadPercent);
        case AircraftField::tirePressure:
            return GeneralNumberText(aircraft.tirePressure);
        case AircraftField::wheelCount:
            return GeneralNumberText(aircraft.wheelCount);
        case AircraftField::dualSpacing:
            return GeneralNumberText(aircraft.dualSpacing);
        case AircraftField::tandemSpacing:
            return GeneralNumberText(aircraft.tandemSpacing);
        default:
            return GeneralNumberText(aircraft.grossWeight);
        }
    };
    return GearOf({ aircraft.label, aircraft.grossWeight, aircraft.gearLoadPercent,
                      aircraft.tirePressure, aircraft.wheelCount, aircraft.dualSpacing,
                      aircraft.tandemSpacing, text, UnitSystem::English },
        grossWeight);
}

} // namespace korvant
