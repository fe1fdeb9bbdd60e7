// The nine fields of an aircraft record: their numbers in file order, the keys the command line
// and the files use, the words messages use, and the units with their Metric factors. Every
// place that names or converts an aircraft field takes it from this one table.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "basics/unit_system.h"

namespace korvant {

// The most aircraft records a catalogue holds, and so the most aircraft of a traffic mix.
inline constexpr int kMaxAircraftRecords = 65;

// Field numbers of a record, in file order; field n is shown in grid column n - 1.
enum class AircraftField : int {
    name = 1,
    grossWeight, // lb / kN
    annualDepartures,
    gearLoadPercent, // percent of the gross weight on one main gear
    tirePressure, // psi / kPa
    wheelCount, // wheels on that gear
    dualSpacing, // in. / cm, 0 without dual wheels
    tandemSpacing, // in. / cm, 0 without tandem wheels
    tireContactWidth // in. / cm
};
inline constexpr int kAircraftFieldCount = 9;

struct AircraftFieldInfo
{
    AircraftField field;
    const char* key; // "grossWeight"
    const char* word; // "gross weight"
    const char* englishUnit; // "" for a field without a unit
    const char* metricUnit;
    double metricFactor; // Metric value = English value x factor; 0 without a unit
};

// Fields 1..9 in order.
const std::array<AircraftFieldInfo, kAircraftFieldCount>& AircraftFields();
const AircraftFieldInfo& AircraftFieldInfoOf(AircraftField field);
// The field's unit in a unit system ("lb" or "kN"; "" for a field without a unit).
inline const char* UnitIn(const AircraftFieldInfo& info, UnitSystem units)
{
    return units == UnitSystem::Metric ? info.metricUnit : info.englishUnit;
}

// The field of a key ("tirePressure"); none for any other text.
std::optional<AircraftField> AircraftFieldOfKey(std::string_view key);

} // namespace korvant
