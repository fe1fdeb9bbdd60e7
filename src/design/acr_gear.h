// The main gear of a catalogue aircraft as the ACR analyses it: equal wheels, each a uniform
// circular load at the tire pressure, laid out from the wheel count and the dual and tandem
// spacings, and the plan points where the slab's stress is sought. The record's texts are in the
// session's units and read into English values (lb, %, psi, in.) as the design reads them; the
// gear is in the method's units (N, MPa, mm).
#pragma once

#include "basics/domain_error.h"
#include "basics/unit_factors.h"
#include "basics/unit_system.h"
#include "design/design_data.h"
#include "layered/wheel_plan.h"
#include "traffic/aircraft_database.h"

#include <string>
#include <vector>

namespace korvant {

// A gear or an aircraft's data that the ACR cannot analyse; the message names the aircraft.
class AcrError : public DomainError
{
public:
    using DomainError::DomainError;
};

struct AcrGear
{
    std::string name;
    double wheelLoad = 0; // N on each wheel
    double tirePressure = 0; // MPa
    // Wheel centres, x across the gear (dual spacing), y along it (tandem spacing), mm.
    std::vector<layered::PlanPoint> wheels;
    // The points searched for the largest stress: every wheel centre and the midpoint between the
    // two wheels of each axle.
    std::vector<layered::PlanPoint> points;

    // Radius of the circle that carries a wheel's load at the tire pressure, mm.
    double contactRadius() const;
};

// The gear of `record`, whose texts are in `units`, at its gross weight; or at `grossWeight` (lb)
// with the other texts in English units. Gears: 1 wheel single; 2 wheels dual (dual spacing > 0)
// or single tandem (dual spacing 0, tandem spacing > 0); 4 wheels dual tandem; 6 wheels three
// axles of duals at the tandem spacing. Throws AcrError for any other gear, for a gross weight,
// gear load or tire pressure that is not a positive number and for a spacing that is not a
// number of at least 0, naming the aircraft and the value as the record holds it.
AcrGear AcrGearOf(const AircraftRecord& record, UnitSystem units = UnitSystem::English);
AcrGear AcrGearOf(const AircraftRecord& record, double grossWeight);

// The gear of an aircraft of the mix at `grossWeight` (lb), from its English values; messages
// write those values as general number texts.
AcrGear AcrGearOf(const MixAircraft& aircraft, double grossWeight);

} // namespace korvant
