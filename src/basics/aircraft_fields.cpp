// The table of the aircraft fields.
#include "basics/aircraft_fields.h"

#include <stdexcept>
#include <string>

#include "basics/unit_factors.h"

namespace korvant {

const std::array<AircraftFieldInfo, kAircraftFieldCount>& AircraftFields()
{
    static const std::array<AircraftFieldInfo, kAircraftFieldCount> fields = { {
        { AircraftField::name, "name", "name", "", "", 0 },
        { AircraftField::grossWeight, "grossWeight", "gross weight", "lb", "kN",
            kKilonewtonPerPound },
        { AircraftField::annualDepartures, "annualDepartures", "annual departures", "", "", 0 },
        { AircraftField::gearLoadPercent, "gearLoadPercent", "gear load percent", "", "", 0 },
        { AircraftField::tirePressure, "tirePressure", "tire pressure", "psi", "kPa",
            kKilopascalPerPsi },
        { AircraftField::wheelCount, "wheelCount", "wheel count", "", "", 0 },
        { AircraftField::dualSpacing, "dualSpacing", "dual spacing", "in.", "cm",
            kCentimetrePerInch },
        { AircraftField::tandemSpacing, "tandemSpacing", "tandem spacing", "in.", "cm",
            kCentimetrePerInch },
        { AircraftField::tireContactWidth, "tireContactWidth", "tire contact width", "in.", "cm",
            kCentimetrePerInch },
    } };
    return fields;
}

const AircraftFieldInfo& AircraftFieldInfoOf(AircraftField field)
{
    const int number = static_cast<int>(field);
    if (number < 1 || number > kAircraftFieldCount)
        throw std::out_of_range("aircraft field " + std::to_string(number) + " does not exist");
    return AircraftFields()[static_cast<std::size_t>(number - 1)];
}

std::optional<AircraftField> AircraftFieldOfKey(std::string_view key)
{
    for (const AircraftFieldInfo& info : AircraftFields())
        if (key == info.key)
            return info.field;
    return std::nullopt;
}

} // namespace korvant
