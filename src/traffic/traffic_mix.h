// The traffic mix: the aircraft the design must carry, as record numbers of the aircraft
// catalogue in the order they were added, with adding, removing and emptying.
#pragma once

#include <array>
#include <cstdint>

#include "basics/aircraft_fields.h"

namespace korvant {

struct TrafficMix
{
    static constexpr int kSlots = kMaxAircraftRecords;

    // Slots 1..count hold distinct record numbers in the order added; all later slots hold 0,
    // slot 0 is never used.
    std::array<std::int16_t, kSlots + 1> entries {};
    std::int16_t nextSlot = 1; // count + 1

    int count() const { return nextSlot - 1; }

    // The record number in slot 1..count; throws std::out_of_range otherwise.
    int record(int slot) const;

    // Whether the record is in the mix; false for 0.
    bool contains(int recordNumber) const;

    // Appends the record. Returns false, changing nothing, for 0, a record already in the mix or a
    // full mix. Throws std::out_of_range for a number outside 0..65.
    bool add(int recordNumber);

    // Removes slot 1..count; the later slots move up in order and the freed last slot becomes 0.
    // Throws std::out_of_range for any other slot.
    void removeSlot(int slot);

    void clear();

    bool operator==(const TrafficMix&) const = default;
};

} // namespace korvant
