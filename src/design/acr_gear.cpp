// Gear layouts of the ACR from the catalogue's wheel count and spacings, centred on the gear.
#include "design/acr_gear.h"

#include "design/aircraft_step.h"
#include "io/number_text.h"
#include "io/quoted_text.h"

#include <cmath>
#include <numbers>

namespace korvant {
namespace {

std::string AircraftName(const AircraftRecord& record)
{
    return record.name.empty() ? std::string("an unnamed aircraft") : record.name;
}

// The field's unit in `units` for a message, " (lb)"; "" for a field without a unit.
std::string UnitNote(AircraftField field, UnitSystem units)
{
    const AircraftFieldInfo& info = AircraftFieldInfoOf(field);
    const std::string unit = units == UnitSystem::Metric ? info.metricUnit : info.englishUnit;
    return unit.empty() ? unit : " (" + unit + ")";
}

// The English value of a field as the design reads it; 0 for a text that is not a number.
double FieldValue(const AircraftRecord& record, AircraftField field, UnitSystem units)
{
    const std::string& text = record.field(field);
    return IsNumberText(text) ? EnglishAircraftValue(text, field, units) : 0;
}

// A field that must be a positive number.
double PositiveField(const AircraftRecord& record, AircraftField field, UnitSystem units)
{
    const double value = FieldValue(record, field, units);
    if (!(value > 0) || !std::isfinite(value))
        throw AcrError(AircraftName(record) + ": the " + AircraftFieldInfoOf(field).word + " "
            + QuotedText(record.field(field)) + " must be a positive number"
            + UnitNote(field, units));
    return value;
}

// A spacing: 0 when absent, otherwise a positive number of inches, returned in mm.
double Spacing(const AircraftRecord& record, AircraftField field, UnitSystem units)
{
    const double value = FieldValue(record, field, units);
    if (!IsNumberText(record.field(field)) || !(value >= 0) || !std::isfinite(value))
        throw AcrError(AircraftName(record) + ": the " + AircraftFieldInfoOf(field).word + " "
            + QuotedText(record.field(field)) + " must be a number of at least 0"
            + UnitNote(field, units));
    return value * kMillimetrePerInch;
}

// The gear at `grossWeight` (lb, checked), the record's other texts in `units`.
AcrGear GearOf(const AircraftRecord& record, double grossWeight, UnitSystem units)
{
    const std::string name = AircraftName(record);
    const double percent = PositiveField(record, AircraftField::gearLoadPercent, units);
    const double pressure = PositiveField(record, AircraftField::tirePressure, units);
    const double count = FieldValue(record, AircraftField::wheelCount, units);
    const double dual = Spacing(record, AircraftField::dualSpacing, units);
    const double tandem = Spacing(record, AircraftField::tandemSpacing, units);
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
        throw AcrError(name + ": a gear of " + QuotedText(record.wheelCount)
            + " wheels, dual spacing " + QuotedText(record.dualSpacing) + " and tandem spacing "
            + QuotedText(record.tandemSpacing)
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
    return GearOf(record, PositiveField(record, AircraftField::grossWeight, units), units);
}

AcrGear AcrGearOf(const AircraftRecord& record, double grossWeight)
{
    if (!(grossWeight > 0) || !std::isfinite(grossWeight))
        throw AcrError(AircraftName(record) + ": the gross weight " + GeneralNumberText(grossWeight)
            + " must be a positive number (lb)");
    return GearOf(record, grossWeight, UnitSystem::English);
}

} // namespace korvant
