#include "engine/transform/UnitConversions.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

TEST(UnitConversions, PixelRectangleBecomesUnits) {
    EXPECT_EQ(orv::pixelRectToUnits({16, 32, 16, 16}), sf::FloatRect(1, 2, 1, 1));
    EXPECT_EQ(orv::pixelRectToUnits({-8, 4, 24, 40}), sf::FloatRect(-0.5f, 0.25f, 1.5f, 2.5f));
}

TEST(UnitConversions, AnglesAndVectorsAreRadians) {
    EXPECT_FLOAT_EQ(orv::angleOfVector({0, 1}), std::numbers::pi_v<float> / 2);
    EXPECT_FLOAT_EQ(orv::angleOfVector({-1, 0}), std::numbers::pi_v<float>);
    EXPECT_FLOAT_EQ(orv::angleOfVector({1, -1}), -std::numbers::pi_v<float> / 4);
    EXPECT_EQ(orv::vectorOfAngle(0), sf::Vector2f(1, 0));
    const sf::Vector2f up = orv::vectorOfAngle(std::numbers::pi_v<float> / 2);
    EXPECT_NEAR(up.x, 0, 1e-6);
    EXPECT_FLOAT_EQ(up.y, 1);
    // The two are inverse within (-pi, pi].
    EXPECT_FLOAT_EQ(orv::angleOfVector(orv::vectorOfAngle(2.5f)), 2.5f);
}

} // namespace
