#include "AiTestSupport.hpp"

#include "engine/common/JsonError.hpp"
#include "game/ai/EntityInjectedBTNode_base.hpp"

#include <box2d/b2_circle_shape.h>
#include <box2d/b2_fixture.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace aitest;
using tarsk::AiComponent;
using Entities = std::vector<const orv::Entity*>;

constexpr float frameSeconds = 1.f / 64.f;

// An entity with an AI component but no tree.
std::unique_ptr<orv::Entity> agentAt(Library& library, sf::Vector2f position,
                                     std::unique_ptr<orv::PhysicsComponent> body = ballBody()) {
    auto entity = entityAt(position, std::move(body));
    addAi(*entity, std::make_unique<AiComponent>(std::nullopt, *library));
    return entity;
}

TEST(AiComponentJson, ReadsTheBehaviourAndWritesOnlyIt) {
    Library library({{"frog", treeText("<AlwaysSuccess/>")}});
    const auto ai = AiComponent::fromJson({{"behavior", "frog"}}, *library);
    EXPECT_TRUE(ai->getTree().has_value());
    EXPECT_FLOAT_EQ(ai->getMaxDetectionRadius(), 5.f);
    EXPECT_EQ(ai->toJsonData(), nlohmann::json({{"behavior", "frog"}}));

    const auto plain = AiComponent::fromJson({{"maxDetectionRadius", 2.5}}, *library);
    EXPECT_FALSE(plain->getTree().has_value());
    EXPECT_FLOAT_EQ(plain->getMaxDetectionRadius(), 2.5f);
    EXPECT_EQ(plain->toJsonData(), nlohmann::json::object());
    EXPECT_NO_THROW(plain->tick());
}

TEST(AiComponentJson, RefusesWrongTypesUnknownTreesAndUnusableRadii) {
    Library library({});
    try {
        AiComponent::fromJson({{"behavior", 3}}, *library);
        FAIL() << "no exception";
    } catch (const nlohmann::json::type_error& e) {
        EXPECT_EQ(e.id, 302);
        EXPECT_NE(std::string(e.what()).find("type must be string, but is number"), std::string::npos);
    }
    EXPECT_THROW(AiComponent::fromJson({{"maxDetectionRadius", "far"}}, *library), orv::JsonError);
    EXPECT_THROW(AiComponent::fromJson({{"maxDetectionRadius", 1e39}}, *library), orv::JsonError);
    EXPECT_THROW(AiComponent::fromJson({{"detectionMaskBits", 65536}}, *library), orv::JsonError);
    EXPECT_THROW(AiComponent::fromJson({{"detectionMaskBits", 1.5}}, *library), orv::JsonError);
    EXPECT_THROW(AiComponent::fromJson({{"behavior", "nobody"}}, *library), std::out_of_range);
    for (float radius : {0.f, -1.f, std::numeric_limits<float>::quiet_NaN(), 4.3e9f})
        EXPECT_THROW(AiComponent(std::nullopt, *library, radius), std::invalid_argument) << radius;
}

TEST(AiDetection, TheSensorIsACircleThatExistsWhileSimulated) {
    Library library({});
    AiWorld w;
    auto entity = agentAt(library, {2, 1});
    entity->init();
    AiComponent* ai = of<AiComponent>(entity.get());
    EXPECT_EQ(ai->getSensorBody(), nullptr);

    const orv::Entity* agent = w.add(std::move(entity));
    const b2Body* sensor = ai->getSensorBody();
    ASSERT_NE(sensor, nullptr);
    EXPECT_EQ(sensor->GetPosition(), b2Vec2(2, 1));
    EXPECT_TRUE(sensor->GetFixtureList()->IsSensor());
    EXPECT_FLOAT_EQ(sensor->GetFixtureList()->GetShape()->m_radius, 5.f + AiComponent::DetectionSlack);

    const auto removed = w.world.removeEntities({agent});
    EXPECT_EQ(ai->getSensorBody(), nullptr);
}

TEST(AiDetection, KeepsTheMainBodiesWithinReachInTheOrderTheyCame) {
    Library library({});
    AiWorld w;
    const auto& detected = of<AiComponent>(w.add(agentAt(library, {0, 0})))->getDetectedEntities();
    const orv::Entity* near = w.add(entityAt({3, 0}, ballBody()));
    const orv::Entity* far = w.add(entityAt({0, 8}, ballBody()));
    w.frame();
    const orv::Entity* nearer = w.add(entityAt({-1, 0}, ballBody()));
    w.frame();
    EXPECT_EQ(detected, (Entities{near, nearer}));

    of<orv::TransformationComponent>(near)->setPositionXY({20, 0});
    of<orv::TransformationComponent>(far)->setPositionXY({0, 4});
    w.frame();
    EXPECT_EQ(detected, (Entities{nearer, far}));
    const auto removed = w.world.removeEntities({nearer});
    EXPECT_EQ(detected, (Entities{far}));
}

TEST(AiDetection, OnlyMaskedCategoriesAreSeenAlsoWhileTheSensorLagsBehind) {
    Library library({});
    AiWorld w;
    auto entity = entityAt({0, 0}, ballBody());
    addAi(*entity, AiComponent::fromJson({{"detectionMaskBits", 8}}, *library));
    const orv::Entity* agent = w.add(std::move(entity));
    const AiComponent* ai = of<AiComponent>(agent);
    const auto seen = [](sf::Vector2f at) {
        b2BodyDef body;
        body.type = b2_dynamicBody;
        auto shape = std::make_unique<b2CircleShape>();
        shape->m_radius = 0.3f;
        b2FixtureDef fixture;
        fixture.filter.categoryBits = 8;
        return entityAt(at, orv::PhysicsComponent::make(body, std::move(shape), fixture));
    };
    w.add(entityAt({3, 0}, ballBody()));
    const orv::Entity* near = w.add(seen({-3, 0}));
    w.frame();
    EXPECT_EQ(ai->getDetectedEntities(), (Entities{near}));

    // A short walk leaves the sensor where it was; reach still counts from the agent.
    of<orv::TransformationComponent>(agent)->setPositionXY({0.9f, 0});
    EXPECT_EQ(ai->getSensorBody()->GetPosition(), b2Vec2(0, 0));
    const orv::Entity* ahead = w.add(seen({5.8f, 0}));
    w.frame();
    EXPECT_EQ(ai->getDetectedEntities(), (Entities{near, ahead}));
}

TEST(AiDetection, OtherSensorsAreNotDetected) {
    Library library({});
    AiWorld w;
    // The sensors overlap; the bodies are out of each other's reach.
    const orv::Entity* first = w.add(agentAt(library, {0, 0}));
    const orv::Entity* second = w.add(agentAt(library, {7, 0}));
    w.frame();
    EXPECT_TRUE(of<AiComponent>(first)->getDetectedEntities().empty());
    of<orv::TransformationComponent>(second)->setPositionXY({4, 0});
    w.frame();
    EXPECT_EQ(of<AiComponent>(first)->getDetectedEntities(), (Entities{second}));
    EXPECT_EQ(of<AiComponent>(second)->getDetectedEntities(), (Entities{first}));
}

TEST(AiSteering, SeekUntilArriveEndsWithinTheArrivalRadiusInclusive) {
    Library library({});
    AiWorld w;
    AiComponent* ai = of<AiComponent>(w.add(agentAt(library, {0, 0})));
    ai->seekUntilArrive({1, 0}, 1.f);
    ai->updateSteering(frameSeconds);
    EXPECT_FALSE(ai->isSeekingUntilArrive());
    EXPECT_EQ(ai->getSteering().getDesiredVelocity(), sf::Vector2f(0, 0));

    ai->seekUntilArrive({0, -3}, 1.f);
    ai->updateSteering(frameSeconds);
    EXPECT_TRUE(ai->isSeekingUntilArrive());
    EXPECT_EQ(ai->getSteering().getDesiredVelocity(), sf::Vector2f(0, -AiComponent::MaxSpeed));
    ai->abortSeekUntilArrive();
    ai->updateSteering(frameSeconds);
    EXPECT_EQ(ai->getSteering().getDesiredVelocity(), sf::Vector2f(0, 0));

    // Not simulated: nothing is applied and the seek does not end.
    auto outside = agentAt(library, {0, 0});
    outside->init();
    of<AiComponent>(outside.get())->seekUntilArrive({0, 0}, 10.f);
    of<AiComponent>(outside.get())->updateSteering(frameSeconds);
    EXPECT_TRUE(of<AiComponent>(outside.get())->isSeekingUntilArrive());
}

TEST(AiSteering, BodiesOfAnyMassWalkToTheirTargetsAlike) {
    Library library({});
    AiWorld w;
    const orv::Entity* heavy = w.add(agentAt(library, {0, 0}, ballBody(b2_dynamicBody, 0.6f, 5.f)));
    const orv::Entity* light = w.add(agentAt(library, {0, 20}));
    ASSERT_GT(of<orv::PhysicsComponent>(heavy)->getBody()->GetMass(),
              10.f * of<orv::PhysicsComponent>(light)->getBody()->GetMass());
    of<AiComponent>(heavy)->seekUntilArrive({4, 0}, 0.3f);
    of<AiComponent>(light)->seekUntilArrive({4, 20}, 0.3f);
    for (int i = 0; i < 20; ++i) {
        w.frame();
        // The force is scaled by the mass, so both move the same.
        ASSERT_NEAR(positionOf(heavy).x, positionOf(light).x, 1e-3f);
    }
    for (int i = 0; i < 600 && of<AiComponent>(heavy)->isSeekingUntilArrive(); ++i)
        w.frame();
    EXPECT_FALSE(of<AiComponent>(heavy)->isSeekingUntilArrive());
    EXPECT_LE(std::hypot(positionOf(heavy).x - 4.f, positionOf(heavy).y), 0.3f);
}

TEST(AiSteering, FollowPathHandsThePointsToTheSteering) {
    Library library({});
    AiWorld w;
    AiComponent* ai = of<AiComponent>(w.add(agentAt(library, {0, 0})));
    ai->followPath({{0, 5}, {3, 5}});
    EXPECT_EQ(*ai->getSteering().getPath(), (std::vector<sf::Vector2f>{{0, 5}, {3, 5}}));
    ai->updateSteering(frameSeconds);
    EXPECT_EQ(ai->getSteering().getDesiredVelocity(), sf::Vector2f(0, AiComponent::MaxSpeed));
}

TEST(AiSystem, NeedsPhysicsAndSavesOnlyItsName) {
    orv::World world;
    world.registerSystem<tarsk::AiSystem>();
    EXPECT_THROW(world.initSystems(), std::logic_error);
    EXPECT_EQ(tarsk::AiSystem::create({{"x", 1}})->toJson(), nlohmann::json({{"_SystemTypeId", "AiSystem"}}));
}

TEST(AiSystem, FollowsTheEntitiesWithAiInArrivalOrder) {
    Library library({});
    AiWorld w;
    std::vector<std::unique_ptr<orv::Entity>> batch;
    batch.push_back(agentAt(library, {0, 0}));
    batch.push_back(entityAt({5, 5}, ballBody()));
    batch.push_back(agentAt(library, {9, 9}));
    for (auto& entity : batch)
        entity->init();
    const Entities added = w.world.addEntities(std::move(batch));
    const orv::Entity* late = w.add(agentAt(library, {20, 0}));
    EXPECT_EQ(w.ai->getEntities(), (Entities{added[0], added[2], late}));
    const auto removed = w.world.removeEntities({added[0], added[1]});
    EXPECT_EQ(w.ai->getEntities(), (Entities{added[2], late}));
}

TEST(AiSystem, HandsEveryGameNodeItsEntity) {
    Library library({{"probe", treeText(R"(<Sequence><GetPositionXY positionXY="{here}"/>
                                               <IsCloseToGoal goal="{here}" delta="0"/></Sequence>)")}});
    AiWorld w;
    auto entity = entityAt({1, 2}, ballBody());
    addAi(*entity, std::make_unique<AiComponent>("probe", *library));
    entity->init();
    AiComponent* ai = of<AiComponent>(entity.get());
    // Before the world hands it out, the nodes have no entity and refuse to run.
    EXPECT_THROW(ai->tick(), std::logic_error);

    const orv::Entity* added = w.add(std::move(entity));
    int injected = 0;
    for (const auto& node : ai->getTree()->getNodes()) {
        if (auto* gameNode = dynamic_cast<tarsk::EntityInjectedBTNode_base*>(node.get())) {
            EXPECT_EQ(gameNode->getEntity(), added);
            ++injected;
        }
    }
    EXPECT_EQ(injected, 2);
}

TEST(AiSystem, TicksEachTreeOncePerFrameThenAppliesItsWishes) {
    Library library(
        {{"thrice", treeText(R"(<Repeat num_cycles="3"><SteeringSeek goal="100;0"/></Repeat>)")}});
    AiWorld w;
    auto entity = entityAt({0, 0}, ballBody());
    addAi(*entity, std::make_unique<AiComponent>("thrice", *library));
    const orv::Entity* added = w.add(std::move(entity));
    AiComponent* ai = of<AiComponent>(added);
    const bt::TreeNode& root = *ai->getTree()->getRootNode();
    w.frame();
    // The wish of the tick became this frame's force, and the steering started afresh.
    EXPECT_EQ(ai->getSteering().getDesiredVelocity(), sf::Vector2f(0, 0));
    w.frame();
    EXPECT_GT(of<orv::PhysicsComponent>(added)->getBody()->GetLinearVelocity().x, 0.f);
    EXPECT_EQ(root.getStatus(), bt::NodeStatus::RUNNING);
    w.frame();
    // Done in the third tick and set back for a fresh start.
    EXPECT_EQ(root.getStatus(), bt::NodeStatus::IDLE);
}

} // namespace
