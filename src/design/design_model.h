// The state of a design session that the main window shows and edits: the ten input field
// texts, the unit system, the structure, the aircraft catalogue, the traffic mix, the results of
// the last design and the thickness caption. The window computes nothing of its own.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "basics/input_fields.h"
#include "basics/unit_system.h"
#include "design/design_data.h"
#include "traffic/aircraft_database.h"
#include "traffic/traffic_mix.h"

namespace korvant {

// layerMode: 0 one-layer system, 1 two-layer bonded, 2 two-layer unbonded.
inline constexpr std::int16_t kOneLayer = 0;
inline constexpr std::int16_t kTwoLayerBonded = 1;
inline constexpr std::int16_t kTwoLayerUnbonded = 2;

struct DesignModel
{
    DesignModel(); // starting texts, English units, one-layer system, "No" under "Bonded"

    std::array<std::string, kInputFieldCount> fields;
    UnitSystem units = UnitSystem::English;
    std::int16_t layerMode = kOneLayer;
    bool bondNo = true; // the option "No" under "Bonded" is selected
    AircraftDatabase database;
    TrafficMix mix;
    DesignResult result;
    std::string lbh; // the design thickness caption; empty until a design has run

    std::string& field(InputField f) { return fields[static_cast<std::size_t>(f)]; }
    const std::string& field(InputField f) const { return fields[static_cast<std::size_t>(f)]; }

    bool operator==(const DesignModel&) const = default;
};

} // namespace korvant
