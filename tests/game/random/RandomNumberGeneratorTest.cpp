#include "game/random/RandomNumberGenerator.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace {

TEST(RandomNumberGenerator, IntsCoverBothEnds) {
    const tarsk::RandomNumberGenerator random(42);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int value = random.randomInt(0, 5);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 5);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(random.randomInt(3, 3), 3);
}

TEST(RandomNumberGenerator, IntsAreUniformEnough) {
    const tarsk::RandomNumberGenerator random(7);
    int zeros = 0;
    const int draws = 71000;
    for (int i = 0; i < draws; ++i)
        zeros += random.randomInt(0, 70) == 0;
    EXPECT_NEAR(zeros, draws / 71, 150);
}

TEST(RandomNumberGenerator, FullRangeAndInvertedRange) {
    const tarsk::RandomNumberGenerator random(1);
    const auto lo = std::numeric_limits<std::int32_t>::min();
    const auto hi = std::numeric_limits<std::int32_t>::max();
    bool negative = false, positive = false;
    for (int i = 0; i < 100; ++i) {
        const auto value = random.randomInt(lo, hi);
        negative |= value < 0;
        positive |= value > 0;
    }
    EXPECT_TRUE(negative && positive);
    EXPECT_THROW(random.randomInt(5, 4), std::invalid_argument);
}

TEST(RandomNumberGenerator, FloatsStayInHalfOpenRange) {
    const tarsk::RandomNumberGenerator random(3);
    for (int i = 0; i < 10000; ++i) {
        const float value = random.randomFloat(1.0f, 1.0000002f);
        ASSERT_GE(value, 1.0f);
        ASSERT_LT(value, 1.0000002f);
    }
    EXPECT_EQ(random.randomFloat(2.0f, 2.0f), 2.0f);
}

TEST(RandomNumberGenerator, SameSeedSameSequence) {
    const tarsk::RandomNumberGenerator a(99), b(99);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(a.randomInt(0, 1000000), b.randomInt(0, 1000000));
}

} // namespace
