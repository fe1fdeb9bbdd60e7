// The main gear of a catalogue aircraft as the ACR analyses it: equal wheels, each a uniform
// circular load at the tire pressure, laid out from the wheel count and the dual and tandem
// spacings, and the plan points where the slab's stress is sought. The record's texts are in
// English units (lb, %, psi, in.); the gear is metric (N, MPa, mm).
#pragma once

#include "basics/domain_error.h"
#include "basics/unit_factors.h"
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

// The gear of `record` at its gross weight, or at `grossWeight` (lb). Gears: 1 wheel single;
// 2 wheels dual (dual spacing > 0) or single tandem (dual spacing 0, tandem spacing > 0);
// 4 wheels dual tandem; 6 wheels three axles of duals at the tandem spacing. Throws AcrError for
// any other gear, and for a gross weight, gear load or tire pressure that is not a positive
// number, naming the aircraft and the value.
AcrGear AcrGearOf(const AircraftRecord& record);
AcrGear AcrGearOf(const AircraftRecord& record, double grossWeight);

} // namespace korvant
