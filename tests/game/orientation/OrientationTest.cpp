#include "engine/common/JsonError.hpp"
#include "game/orientation/Facing.hpp"
#include "game/orientation/OrientationComponent.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <vector>

using tarsk::OrientationComponent;
using Orientation = OrientationComponent::Orientation;

namespace {

TEST(OrientationComponent, AnglesCountClockwiseFromStraightDown) {
    const std::vector<std::pair<Orientation, float>> table = {
        {OrientationComponent::NORTH, 180.f},      {OrientationComponent::SOUTH, 0.f},
        {OrientationComponent::WEST, 90.f},        {OrientationComponent::EAST, 270.f},
        {OrientationComponent::NORTH_EAST, 225.f}, {OrientationComponent::SOUTH_EAST, 315.f},
        {OrientationComponent::NORTH_WEST, 135.f}, {OrientationComponent::SOUTH_WEST, 45.f},
    };
    for (const auto& [code, angle] : table) {
        EXPECT_EQ(OrientationComponent(code).getAngle(), angle) << code;
    }
    EXPECT_EQ(OrientationComponent(static_cast<Orientation>(8)).getAngle(), 0.f);
    EXPECT_EQ(OrientationComponent(static_cast<Orientation>(0xffffffffu)).getAngle(), 0.f);
}

TEST(OrientationComponent, SettingEmitsEvenWhenUnchanged) {
    OrientationComponent component(OrientationComponent::WEST);
    std::vector<Orientation> heard;
    component.getOrientationChangedSignal().connect(
        [&heard](const Orientation& code) { heard.push_back(code); });
    component.setOrientation(OrientationComponent::WEST);
    component.setOrientation(OrientationComponent::NORTH_EAST);
    EXPECT_EQ(heard,
              (std::vector<Orientation>{OrientationComponent::WEST, OrientationComponent::NORTH_EAST}));
    EXPECT_EQ(component.getOrientation(), OrientationComponent::NORTH_EAST);
}

TEST(OrientationComponent, JsonRoundTrip) {
    const OrientationComponent component(OrientationComponent::SOUTH_WEST);
    EXPECT_EQ(component.getName(), "orientation");
    EXPECT_EQ(component.toJsonData(), nlohmann::json({{"orientation", 7}}));
    EXPECT_EQ(OrientationComponent::fromJson(component.toJsonData())->getOrientation(),
              OrientationComponent::SOUTH_WEST);
}

TEST(OrientationComponent, JsonMustBeAnObjectWithTheCode) {
    try {
        OrientationComponent::fromJson(3);
        FAIL() << "expected a type error";
    } catch (const nlohmann::json::type_error& error) {
        EXPECT_EQ(error.id, 305);
        EXPECT_STREQ(
            error.what(),
            "[json.exception.type_error.305] cannot use operator[] with a string argument with number");
    }
    EXPECT_THROW(OrientationComponent::fromJson(nlohmann::json::object()), std::logic_error);
    EXPECT_THROW(OrientationComponent::fromJson({{"orientation", "up"}}), orv::JsonError);
}

Orientation facingAt(double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return tarsk::facingFor({float(std::cos(radians)), float(std::sin(radians))});
}

TEST(Facing, ScreenDirections) {
    // y grows downwards.
    EXPECT_EQ(tarsk::facingFor({1.f, 0.f}), OrientationComponent::EAST);
    EXPECT_EQ(tarsk::facingFor({0.f, 1.f}), OrientationComponent::SOUTH);
    EXPECT_EQ(tarsk::facingFor({-1.f, 0.f}), OrientationComponent::WEST);
    EXPECT_EQ(tarsk::facingFor({0.f, -1.f}), OrientationComponent::NORTH);
    EXPECT_EQ(tarsk::facingFor({3.f, 3.f}), OrientationComponent::SOUTH_EAST);
    EXPECT_EQ(tarsk::facingFor({-3.f, 3.f}), OrientationComponent::SOUTH_WEST);
    EXPECT_EQ(tarsk::facingFor({3.f, -3.f}), OrientationComponent::NORTH_EAST);
    EXPECT_EQ(tarsk::facingFor({-3.f, -3.f}), OrientationComponent::NORTH_WEST);
}

TEST(Facing, EveryCodeFacesItsOwnAngle) {
    // A direction's code has the angle (clockwise from down) of that direction.
    for (int step = 0; step < 8; ++step) {
        const double atan2Degrees = step * 45.0 - 180.0;
        const double clockwiseFromDown = std::fmod(atan2Degrees - 90.0 + 720.0, 360.0);
        EXPECT_EQ(OrientationComponent::angleOf(tarsk::facingForAngle(atan2Degrees)), clockwiseFromDown)
            << atan2Degrees;
    }
}

TEST(Facing, SectorBordersFollowTheRoundingRule) {
    // atan2 + 292.5, rounded half away from zero, then cut into multiples of 45: each sector runs
    // from its direction - 23 (included) to its direction + 22 (excluded).
    for (int step = 0; step < 8; ++step) {
        const double centre = step * 45.0 - 180.0;
        const Orientation code = tarsk::facingForAngle(centre);
        EXPECT_EQ(tarsk::facingForAngle(centre + 21.99), code) << centre;
        EXPECT_EQ(tarsk::facingForAngle(centre - 23.0), code) << centre;
        EXPECT_NE(tarsk::facingForAngle(centre + 22.0), code) << centre;
        EXPECT_NE(tarsk::facingForAngle(centre - 23.01), code) << centre;
        EXPECT_EQ(tarsk::facingForAngle(centre + 22.0), tarsk::facingForAngle(centre + 45.0)) << centre;
    }
    EXPECT_EQ(facingAt(21.0), OrientationComponent::EAST);
    EXPECT_EQ(facingAt(23.0), OrientationComponent::SOUTH_EAST);
    EXPECT_EQ(facingAt(180.0), OrientationComponent::WEST);
    EXPECT_EQ(facingAt(-180.0), OrientationComponent::WEST);
}

TEST(Facing, NoDirectionFacesEast) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(tarsk::facingFor({0.f, 0.f}), OrientationComponent::EAST);
    EXPECT_EQ(tarsk::facingFor({nan, 1.f}), OrientationComponent::EAST);
    EXPECT_EQ(tarsk::facingForAngle(std::numeric_limits<double>::infinity()), OrientationComponent::EAST);
}

} // namespace
