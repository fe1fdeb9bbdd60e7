// Adding to, removing from and emptying the traffic mix.
#include "traffic/traffic_mix.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace korvant {
namespace {

TEST(TrafficMix, AddsEachRecordOnceUpToSixtyFive)
{
    TrafficMix mix;
    for (int r = 65; r >= 1; --r)
        ASSERT_TRUE(mix.add(r));
    EXPECT_EQ(mix.record(1), 65);
    EXPECT_EQ(mix.record(65), 1);
    const TrafficMix full = mix;
    for (int r : { 0, 1, 30, 65 })
        EXPECT_FALSE(mix.add(r)) << r;
    EXPECT_EQ(mix, full);
    EXPECT_THROW(mix.add(66), std::out_of_range);

    mix.removeSlot(1);
    EXPECT_FALSE(mix.contains(65));
    EXPECT_TRUE(mix.add(65));
    EXPECT_EQ(mix.record(65), 65);
}

TEST(TrafficMix, RemovesKeepingOrderAndClears)
{
    TrafficMix mix;
    for (int r : { 4, 9, 2 })
        mix.add(r);
    mix.removeSlot(2);
    EXPECT_EQ(mix.count(), 2);
    EXPECT_EQ(mix.nextSlot, 3);
    EXPECT_EQ(mix.record(1), 4);
    EXPECT_EQ(mix.record(2), 2);
    EXPECT_EQ(mix.entries[3], 0);
    EXPECT_THROW(mix.removeSlot(3), std::out_of_range);
    EXPECT_FALSE(mix.contains(9));

    mix.removeSlot(1);
    mix.removeSlot(1);
    EXPECT_EQ(mix, TrafficMix {});

    for (int r : { 5, 6, 7 })
        mix.add(r);
    mix.clear();
    EXPECT_EQ(mix, TrafficMix {});
}

} // namespace
} // namespace korvant
