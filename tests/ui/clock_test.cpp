#include "clock.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(TickCount, NeverGoesBackAndFollowsSleeping)
{
    const auto before = tickCount();
    sleepMilliseconds(30);
    const auto after = tickCount();
    EXPECT_GE(after - before, 30);
}

TEST(RandomInt, StaysWithinZeroToNInclusiveAndReachesBothEnds)
{
    std::set<int> seen;
    for (int draw = 0; draw < 2000; ++draw) {
        const int value = randomInt(8);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 8);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 9U);
    EXPECT_EQ(randomInt(0), 0);
}

}  // namespace
