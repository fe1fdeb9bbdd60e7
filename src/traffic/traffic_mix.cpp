// Adding, removing and emptying the traffic mix. Free slots always hold 0, so the slots after
// the last aircraft need no separate bookkeeping.
#include "traffic/traffic_mix.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace korvant {

namespace {

std::size_t Index(int slot)
{
    return static_cast<std::size_t>(slot);
}

void CheckSlot(const TrafficMix& mix, int slot)
{
    if (slot < 1 || slot > mix.count())
        throw std::out_of_range("traffic mix slot " + std::to_string(slot) + " is outside 1.."
            + std::to_string(mix.count()));
}

} // namespace

int TrafficMix::record(int slot) const
{
    CheckSlot(*this, slot);
    return entries[Index(slot)];
}

bool TrafficMix::contains(int recordNumber) const
{
    if (recordNumber == 0)
        return false;
    const auto used = entries.begin() + 1;
    return std::find(used, used + count(), recordNumber) != used + count();
}

bool TrafficMix::add(int recordNumber)
{
    if (recordNumber < 0 || recordNumber > kSlots)
        throw std::out_of_range("aircraft record number " + std::to_string(recordNumber)
            + " is outside 1.." + std::to_string(kSlots));
    if (recordNumber == 0 || contains(recordNumber) || count() == kSlots)
        return false;
    entries[Index(nextSlot)] = static_cast<std::int16_t>(recordNumber);
    ++nextSlot;
    return true;
}

void TrafficMix::removeSlot(int slot)
{
    CheckSlot(*this, slot);
    const auto last = entries.begin() + nextSlot;
    std::move(entries.begin() + slot + 1, last, entries.begin() + slot);
    *(last - 1) = 0;
    --nextSlot;
}

void TrafficMix::clear()
{
    entries.fill(0);
    nextSlot = 1;
}

} // namespace korvant
