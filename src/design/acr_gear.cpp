// Gear layouts of the ACR from the catalogue's wheel count and spacings, centred on the gear.
#include "design/acr_gear.h"

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

// The number of a field that must be a positive number; `unit` for the message.
double PositiveField(
    const AircraftRecord& record, const std::string& text, const char* what, const char* unit)
{
    const double value = NumberOfText(text);
    if (!(value > 0) || !std::isfinite(value))
        throw AcrError(AircraftName(record) + ": the " + what + " " + QuotedText(text)
            + " must be a positive number (" + unit + ")");
    return value;
}

// A spacing: 0 when absent, otherwise a positive number of inches, returned in mm.
double Spacing(const AircraftRecord& record, const std::string& text, const char* what)
{
    const double value = NumberOfText(text);
    if (!(value >= 0) || !std::isfinite(value))
        throw AcrError(AircraftName(record) + ": the " + what + " " + QuotedText(text)
            + " must be a number of at least 0 (in.)");
    return value * kMillimetrePerInch;
}

} // namespace

double AcrGear::contactRadius() const
{
    return std::sqrt(wheelLoad / (std::numbers::pi * tirePressure));
}

AcrGear AcrGearOf(const AircraftRecord& record)
{
    return AcrGearOf(record, PositiveField(record, record.grossWeight, "gross weight", "lb"));
}

AcrGear AcrGearOf(const AircraftRecord& record, double grossWeight)
{
    const std::string name = AircraftName(record);
    if (!(grossWeight > 0) || !std::isfinite(grossWeight))
        throw AcrError(name + ": the gross weight " + GeneralNumberText(grossWeight)
            + " must be a positive number (lb)");
    const double percent = PositiveField(record, record.gearLoadPercent, "gear load", "%");
    const double pressure = PositiveField(record, record.tirePressure, "tire pressure", "psi");
    const double count = NumberOfText(record.wheelCount);
    const double dual = Spacing(record, record.dualSpacing, "dual spacing");
    const double tandem = Spacing(record, record.tandemSpacing, "tandem spacing");

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

} // namespace korvant
