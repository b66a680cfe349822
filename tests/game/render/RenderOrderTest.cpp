#include "game/render/RenderOrder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

using tarsk::drawsBefore;

namespace {

const float nan = std::numeric_limits<float>::quiet_NaN();

TEST(RenderOrder, ZThenYThenX) {
    // Further back first, whatever y and x say.
    EXPECT_TRUE(drawsBefore({100.f, 100.f, -100.f}, {0.f, 0.f, 0.f}));
    EXPECT_FALSE(drawsBefore({0.f, 0.f, 0.f}, {100.f, 100.f, -100.f}));
    // Same depth: higher on screen first, even when further right.
    EXPECT_TRUE(drawsBefore({50.f, 1.f, 0.f}, {0.f, 2.f, 0.f}));
    EXPECT_FALSE(drawsBefore({0.f, 2.f, 0.f}, {50.f, 1.f, 0.f}));
    // Same depth and height: left first.
    EXPECT_TRUE(drawsBefore({1.f, 2.f, 0.f}, {3.f, 2.f, 0.f}));
    EXPECT_FALSE(drawsBefore({3.f, 2.f, 0.f}, {1.f, 2.f, 0.f}));
    EXPECT_FALSE(drawsBefore({3.f, 2.f, 0.f}, {3.f, 2.f, 0.f}));
}

TEST(RenderOrder, NanKeysKeepAStrictWeakOrder) {
    const std::vector<sf::Vector3f> keys = {
        {0.f, 0.f, 0.f}, {nan, 0.f, 0.f}, {0.f, nan, 0.f}, {0.f, 0.f, nan},
        {1.f, 0.f, 0.f}, {nan, nan, nan}, {0.f, 1.f, nan}, {-1.f, nan, -5.f},
    };
    auto equivalent = [](const sf::Vector3f& a, const sf::Vector3f& b) {
        return !drawsBefore(a, b) && !drawsBefore(b, a);
    };
    for (const auto& a : keys) {
        EXPECT_FALSE(drawsBefore(a, a));
        for (const auto& b : keys) {
            EXPECT_FALSE(drawsBefore(a, b) && drawsBefore(b, a));
            for (const auto& c : keys) {
                if (drawsBefore(a, b) && drawsBefore(b, c)) {
                    EXPECT_TRUE(drawsBefore(a, c));
                }
                if (equivalent(a, b) && equivalent(b, c)) {
                    EXPECT_TRUE(equivalent(a, c));
                }
            }
        }
    }
    // A NaN depth goes behind every number, i.e. is drawn last.
    EXPECT_TRUE(drawsBefore({0.f, 0.f, 1e30f}, {0.f, 0.f, nan}));
    EXPECT_FALSE(drawsBefore({0.f, 0.f, nan}, {0.f, 0.f, -1e30f}));
}

} // namespace
