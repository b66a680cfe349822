#include "game/combat/AreaQueries.hpp"

#include "CombatTestSupport.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

using namespace combat_test;
using tarsk::OrientationComponent;

namespace {

Entities sorted(Entities entities) {
    std::sort(entities.begin(), entities.end());
    return entities;
}

const orv::Entity* addFacing(CombatWorld& w, sf::Vector2f position,
                             OrientationComponent::Orientation facing) {
    auto entity = thing(position, circleBody(0.25f));
    entity->addComponent<OrientationComponent>(facing);
    return w.add(std::move(entity));
}

const orv::Entity* addBall(CombatWorld& w, sf::Vector2f position, float radius = 0.1f) {
    return w.add(thing(position, circleBody(radius)));
}

std::string logicErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const std::logic_error& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(AreaQuery, ADiscHoldsWhatLiesStrictlyInsideItsRadiusCentreIncluded) {
    CombatWorld w;
    const auto* centre = addBall(w, {0, 0}, 0.25f);
    const auto* near = addBall(w, {0.5f, 0});
    const auto* above = addBall(w, {0, -0.9f});
    addBall(w, {1.f, 0}); // exactly on the rim
    addBall(w, {3.f, 0});
    // Its sensor reaches the centre, its body does not.
    auto watcher = thing({2.f, 2.f}, circleBody(0.1f));
    orv::SensorBodyDefinition sensor;
    sensor.bodyDef.type = b2_dynamicBody;
    sensor.bodyDef.position = {-2.f, -2.f};
    auto sensorShape = std::make_unique<b2CircleShape>();
    sensorShape->m_radius = 0.5f;
    sensor.addFixture(b2FixtureDef(), std::move(sensorShape));
    watcher->getComponent<orv::PhysicsComponent>()->registerSensorBody(std::move(sensor));
    w.add(std::move(watcher));

    EXPECT_EQ(tarsk::findEntitiesInRadius(w.world, centre, 1.f), sorted({centre, near, above}));
    EXPECT_EQ(tarsk::findEntitiesInRadius(w.world, near, 0.4f), Entities{near});
}

TEST(AreaQuery, ASectorFollowsTheActorsFacing) {
    CombatWorld w;
    const auto* actor = addFacing(w, {0, 0}, OrientationComponent::SOUTH);
    const auto* below = addBall(w, {0, 1.5f});
    const auto* belowRight = addBall(w, {0.5f, 1.f});
    const auto* above = addBall(w, {0, -1.5f});
    const auto* right = addBall(w, {1.5f, 0});
    const auto* left = addBall(w, {-1.5f, 0});
    addBall(w, {0, 2.5f}); // too far

    EXPECT_EQ(tarsk::findEntitiesInArc(w.world, actor, 2.f, 90.f), sorted({below, belowRight}));
    actor->getComponent<OrientationComponent>()->setOrientation(OrientationComponent::NORTH);
    EXPECT_EQ(tarsk::findEntitiesInArc(w.world, actor, 2.f, 90.f), Entities{above});
    actor->getComponent<OrientationComponent>()->setOrientation(OrientationComponent::WEST);
    EXPECT_EQ(tarsk::findEntitiesInArc(w.world, actor, 2.f, 90.f), Entities{left});
    actor->getComponent<OrientationComponent>()->setOrientation(OrientationComponent::EAST);
    EXPECT_EQ(tarsk::findEntitiesInArc(w.world, actor, 2.f, 90.f), Entities{right});
}

TEST(AreaQuery, ASectorFacingEastSpansTheWrapPastZeroDegrees) {
    CombatWorld w;
    const auto* actor = addFacing(w, {0, 0}, OrientationComponent::EAST);
    const auto* upRight = addBall(w, {1.5f, -0.5f});  // about 342 degrees
    const auto* downRight = addBall(w, {1.5f, 0.5f}); // about 18 degrees
    addBall(w, {0.5f, -1.5f});                        // about 288 degrees
    EXPECT_EQ(tarsk::findEntitiesInArc(w.world, actor, 2.f, 90.f), sorted({upRight, downRight}));
}

TEST(AreaQuery, TheSectorsEdgeAngleAndItsFullRangeCount) {
    CombatWorld w;
    const auto* actor = addFacing(w, {0, 0}, OrientationComponent::SOUTH);
    const auto* onEdge = addBall(w, {2.f, 0}, 0.05f);
    const auto* atRange = addBall(w, {0, 2.f}, 0.05f);
    addBall(w, {2.f, -0.1f}, 0.05f); // just past the edge, clear of the edge ray
    addBall(w, {0, 2.1f}, 0.05f);
    EXPECT_EQ(tarsk::findEntitiesInArc(w.world, actor, 2.f, 180.f), sorted({onEdge, atRange}));
}

TEST(AreaQuery, ASectorReachesItsWholeRangeNotJustWholeUnits) {
    CombatWorld w;
    const auto* actor = addFacing(w, {0, 0}, OrientationComponent::SOUTH);
    // Beyond one unit straight ahead, small, and clear of both edges.
    const auto* ahead = addBall(w, {0, 1.6f}, 0.1f);
    EXPECT_EQ(tarsk::findEntitiesInArc(w.world, actor, 1.8f, 65.f), Entities{ahead});
}

TEST(AreaQuery, BodiesCutByTheSectorsEdgesCountWhileTheirCentreIsInRange) {
    CombatWorld w;
    const auto* actor = addFacing(w, {0, 0}, OrientationComponent::SOUTH);
    // Centre at about 27 degrees, well off the sector, but the 45-degree edge runs through it.
    const auto* post = w.add(thing({2.f, 1.f}, boxBody(0.1f, 1.2f, {0, 0})));
    // In the sector and cut by both edges, but its centre is beyond the range.
    w.add(thing({0, 3.5f}, boxBody(4.f, 1.6f, {0, 0})));
    // Off the sector and off the edges.
    w.add(thing({2.5f, 0.2f}, boxBody(0.1f, 0.1f, {0, 0})));
    EXPECT_EQ(tarsk::findEntitiesInArc(w.world, actor, 3.f, 90.f), Entities{post});
}

TEST(AreaQuery, ASectorMeasuresFromCentresOfMass) {
    CombatWorld w;
    // The actor's shape sits one unit below its origin.
    auto actorEntity = thing({0, 0}, boxBody(0.2f, 0.2f, {0, 1.f}, b2_dynamicBody));
    actorEntity->addComponent<OrientationComponent>(OrientationComponent::SOUTH);
    const auto* actor = w.add(std::move(actorEntity));
    const auto* belowCentre = addBall(w, {0, 2.5f});
    addBall(w, {0, 0.5f}); // ahead of the origin, behind the centre of mass
    EXPECT_EQ(tarsk::findEntitiesInArc(w.world, actor, 2.f, 90.f), Entities{belowCentre});
}

TEST(AreaQuery, NeedsPhysicsOrientationAndAPhysicsSystem) {
    CombatWorld w;
    const auto* unoriented = addBall(w, {0, 0});
    EXPECT_EQ(logicErrorOf([&] { tarsk::findEntitiesInArc(w.world, unoriented, 2.f, 90.f); }),
              "Component does not exist. Typename: tarsk::OrientationComponent");
    const auto* bodiless = w.add(thing({0, 0}, nullptr));
    EXPECT_EQ(logicErrorOf([&] { tarsk::findEntitiesInRadius(w.world, bodiless, 1.f); }),
              "Component does not exist. Typename: orv::PhysicsComponent");

    orv::World bare;
    bare.initSystems();
    const auto* outside = bare.addEntity([] {
        auto entity = thing({0, 0}, circleBody(0.5f));
        entity->init();
        return entity;
    }());
    EXPECT_EQ(logicErrorOf([&] { tarsk::findEntitiesInRadius(bare, outside, 1.f); }),
              "System does not exist. SystemName: orv::PhysicsSystem");
    // A physics component whose entity never entered a simulation has no body to measure from.
    EXPECT_THROW(tarsk::findEntitiesInRadius(w.world, outside, 1.f), std::logic_error);
}

TEST(AreaQuery, AttackDirectionNormalisesOnlyWhatHasADirection) {
    const sf::Vector2f push = tarsk::attackDirection({1, 1}, {4, 5}, 10.f);
    EXPECT_FLOAT_EQ(push.x, 6.f);
    EXPECT_FLOAT_EQ(push.y, 8.f);
    const sf::Vector2f tiny = tarsk::attackDirection({0, 0}, {1e-8f, 0}, 2.f);
    EXPECT_FLOAT_EQ(tiny.x, 2e-8f);
    EXPECT_EQ(tarsk::attackDirection({3, 3}, {3, 3}, 5.f), sf::Vector2f(0, 0));
}
