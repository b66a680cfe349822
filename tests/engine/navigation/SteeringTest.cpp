#include "VectorMatchers.hpp"

#include "engine/navigation/Steering.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

using orv::Steering;

// The AI's settings, with an output scale that shows where it is applied.
Steering agentSteering() {
    return Steering(100.f, 60.f, 1.f, 1.f);
}

TEST(SteeringSeek, FullSpeedOutsideTheArrivalRadiusAndSlowerInside) {
    Steering steering = agentSteering();
    steering.update({0, 0}, {0, 0});
    steering.seek({10, 0}, 0.f);
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {60, 0}));

    steering.update({0, 0}, {0, 0});
    steering.seek({0, -10}, 20.f);
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {0, -30}));

    // Exactly on the radius still counts as inside, which is full speed as well.
    steering.update({0, 0}, {0, 0});
    steering.seek({6, 8}, 10.f);
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {36, 48}));

    steering.update({3, 4}, {1, 1});
    steering.seek({3, 4}, 5.f);
    steering.seek({3, 4}, 0.f);
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {0, 0}));
}

TEST(SteeringSeek, WishesAddUpAndUpdateClearsThem) {
    Steering steering = agentSteering();
    steering.update({0, 0}, {0, 0});
    steering.seek({10, 0}, 0.f);
    steering.seek({0, 10}, 0.f);
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {60, 60}));
    steering.update({1, 1}, {2, 3});
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {0, 0}));
    EXPECT_EQ(steering.getPosition(), sf::Vector2f(1, 1));
    EXPECT_EQ(steering.getVelocity(), sf::Vector2f(2, 3));
}

TEST(SteeringPursue, AimsWhereTheTargetWillBe) {
    Steering steering = agentSteering();
    // 10 units at speed 60 take 1/6 s, in which the target moves 1 unit up.
    steering.update({0, 0}, {0, 0});
    steering.pursue({10, 0}, {0, 6}, 1.f);
    const float norm = std::hypot(10.f, 1.f);
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {60 * 10 / norm, 60 * 1 / norm}));

    // The look-ahead factor stretches that time.
    steering.update({0, 0}, {0, 0});
    steering.pursue({10, 0}, {0, 6}, 10.f);
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(),
                           {60 * 10 / std::hypot(10.f, 10.f), 60 * 10 / std::hypot(10.f, 10.f)}));

    steering.update({0, 0}, {0, 0});
    steering.pursue({0, 5}, {7, 7}, 0.f);
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {0, 60}));
}

TEST(SteeringCalculate, NoWishGivesNoForce) {
    Steering steering = agentSteering();
    steering.update({0, 0}, {40, -20});
    EXPECT_EQ(steering.calculate(0.1f), sf::Vector2f(0, 0));
}

TEST(SteeringCalculate, SpeedLimitShrinksTheForce) {
    Steering steering(100.f, 60.f, 3.f, 1.f);
    steering.update({0, 0}, {55, 0});
    steering.seek({10, 0}, 0.f);   // 60
    steering.seek({10, 0}, 25.f);  // 10 / 25 x 60 = 24
    steering.seek({10, 0}, 37.5f); // 16, for 100 in all
    ASSERT_TRUE(nearVector(steering.getDesiredVelocity(), {100, 0}));
    // 55 + 100 x 0.1 = 65 is above 60, so the force only brings the speed to 60.
    EXPECT_TRUE(nearVector(steering.calculate(0.1f), {150, 0}, 1e-3f));
    // calculate leaves the wishes alone.
    EXPECT_TRUE(nearVector(steering.calculate(0.01f), {300, 0}, 1e-3f));
}

TEST(SteeringCalculate, ForceLimitAndScales) {
    Steering steering(40.f, 60.f, 2.f, 1.f);
    steering.update({0, 0}, {0, 0});
    steering.seek({0, 10}, 0.f);
    // 60 is within the speed limit after 0.01 s but above the force limit.
    EXPECT_TRUE(nearVector(steering.calculate(0.01f), {0, 80}));

    Steering halved(100.f, 60.f, 2.f, 0.5f);
    halved.update({0, 0}, {0, 0});
    halved.seek({0, 10}, 0.f);
    EXPECT_TRUE(nearVector(halved.calculate(0.01f), {0, 60}));
    halved.setOutputScale(0.f);
    EXPECT_EQ(halved.calculate(0.01f), sf::Vector2f(0, 0));
}

TEST(SteeringCalculate, NoTimeStepGivesAFiniteZeroForce) {
    Steering steering = agentSteering();
    steering.update({0, 0}, {59, 0});
    steering.seek({10, 0}, 0.f);
    for (float dt : {0.f, -0.1f, std::numeric_limits<float>::quiet_NaN()}) {
        const sf::Vector2f force = steering.calculate(dt);
        EXPECT_EQ(force, sf::Vector2f(0, 0)) << "dt " << dt;
    }
}

TEST(Steering, RefusesValuesThatWouldPoisonThePhysics) {
    EXPECT_THROW(Steering(100.f, 0.f, 1.f, 1.f), std::invalid_argument);
    EXPECT_THROW(Steering(100.f, -5.f, 1.f, 1.f), std::invalid_argument);
    EXPECT_THROW(Steering(100.f, std::numeric_limits<float>::quiet_NaN(), 1.f, 1.f), std::invalid_argument);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    Steering steering = agentSteering();
    steering.update({0, 0}, {0, 0});
    EXPECT_THROW(steering.seek({nan, 0}, 0.f), std::invalid_argument);
    EXPECT_THROW(steering.pursue({0, inf}, {0, 0}, 1.f), std::invalid_argument);
    EXPECT_THROW(steering.pursue({1, 0}, {nan, 0}, 1.f), std::invalid_argument);
    EXPECT_THROW(steering.pursue({1, 0}, {0, 0}, inf), std::invalid_argument);
    EXPECT_THROW(steering.setPath({{0, 0}, {inf, 1}}, 2.f, 0.1f), std::invalid_argument);
    // Nothing refused reached the wishes or replaced the path.
    EXPECT_EQ(steering.getDesiredVelocity(), sf::Vector2f(0, 0));
    EXPECT_FALSE(steering.hasPath());
}

TEST(SteeringPath, CursorAdvancesOnFramesThatStartAtTheWaypoint) {
    Steering steering = agentSteering();
    steering.setPath({{10, 0}, {10, 10}, {20, 10}}, 2.f, 0.1f);
    ASSERT_TRUE(steering.hasPath());

    steering.update({0, 0}, {0, 0});
    EXPECT_EQ(steering.getCursor(), 0u);
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {60, 0}));

    // Just outside the reach distance: still the first waypoint.
    steering.update({9.85f, 0}, {0, 0});
    EXPECT_EQ(steering.getCursor(), 0u);
    // Within it: the frame still seeks the first waypoint, the next frame the second.
    steering.update({9.95f, 0}, {0, 0});
    EXPECT_EQ(steering.getCursor(), 1u);
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {60, 0}));

    // No slowing down for a waypoint that is not the last, however close.
    steering.update({10, 9}, {0, 0});
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {0, 60}));
    steering.update({10, 9.99f}, {0, 0});
    EXPECT_EQ(steering.getCursor(), 2u);

    // The last waypoint is approached within the arrival radius.
    steering.update({19, 10}, {0, 0});
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {30, 0}));
    EXPECT_EQ(steering.getCursor(), 2u);
    steering.update({19.95f, 10}, {0, 0});
    EXPECT_EQ(steering.getCursor(), 3u);
    EXPECT_TRUE(steering.hasPath());

    // The frame after the last waypoint drops the path and wishes nothing.
    steering.update({19.95f, 10}, {0, 0});
    EXPECT_FALSE(steering.hasPath());
    EXPECT_EQ(steering.getDesiredVelocity(), sf::Vector2f(0, 0));
}

TEST(SteeringPath, EmptyPathIsDroppedAndNewPathsStartOver) {
    Steering steering = agentSteering();
    steering.setPath({}, 2.f, 0.1f);
    EXPECT_TRUE(steering.hasPath());
    steering.update({0, 0}, {0, 0});
    EXPECT_FALSE(steering.hasPath());
    EXPECT_EQ(steering.getDesiredVelocity(), sf::Vector2f(0, 0));

    steering.setPath({{0, 0}, {5, 0}}, 2.f, 0.1f);
    steering.update({0, 0}, {0, 0});
    EXPECT_EQ(steering.getCursor(), 1u);
    steering.setPath({{0, 8}}, 4.f, 0.5f);
    EXPECT_EQ(steering.getCursor(), 0u);
    steering.update({0, 0}, {0, 0});
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {0, 60}));
    steering.update({0, 6}, {0, 0});
    EXPECT_TRUE(nearVector(steering.getDesiredVelocity(), {0, 30}));
    ASSERT_TRUE(steering.getPath().has_value());
    EXPECT_EQ(*steering.getPath(), (std::vector<sf::Vector2f>{{0, 8}}));
}

} // namespace
