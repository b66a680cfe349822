#include "engine/physics/PhysicsTestSupport.hpp"

#include <gtest/gtest.h>

#include <vector>

using namespace physics_test;

namespace {

using Hits = std::vector<const orv::Entity*>;

std::unique_ptr<orv::Entity> moving(sf::Vector2f position, float speed) {
    b2BodyDef def = bodyOfType(b2_dynamicBody);
    def.linearVelocity.Set(speed, 0);
    auto entity = entityWith(orv::PhysicsComponent::make(def, circle(0.1f), b2FixtureDef()), position);
    entity->init();
    return entity;
}

TEST(PhysicsSystem, StepsByTheFrameTimeButNeverMoreThanAThirtiethOfASecond) {
    PhysicsWorld w;
    const orv::Entity* e = w.add(moving({0, 0}, 1));
    w.world.update();
    EXPECT_EQ(w.physics->getStepTime(), sf::Time::Zero);
    EXPECT_FLOAT_EQ(transformOf(e)->getPositionXY().x, 0);

    w.physics->setTimeStep(sf::seconds(0.1f));
    EXPECT_EQ(w.physics->getStepTime(), sf::seconds(0.03333333f));
    w.world.update();
    EXPECT_NEAR(transformOf(e)->getPositionXY().x, 0.03333333f, 1e-6);

    w.step(0.01f);
    EXPECT_NEAR(transformOf(e)->getPositionXY().x, 0.04333333f, 1e-6);
    w.step(-1);
    EXPECT_EQ(w.physics->getStepTime(), sf::Time::Zero);
    EXPECT_NEAR(transformOf(e)->getPositionXY().x, 0.04333333f, 1e-6);
}

TEST(PhysicsSystem, TellsOncePerBatchThatStaticBodiesCameOrWent) {
    PhysicsWorld w;
    int changes = 0;
    w.physics->staticBodiesChanged.connect([&] { ++changes; });
    std::vector<std::unique_ptr<orv::Entity>> batch;
    batch.push_back(moving({0, 0}, 0));
    batch.push_back(ball({5, 0}, 1, b2_staticBody));
    batch.back()->init();
    batch.push_back(moving({9, 0}, 0));
    const Hits added = w.world.addEntities(std::move(batch));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(w.physics->getSimulatedEntities(), added);

    std::vector<std::unique_ptr<orv::Entity>> dynamic;
    dynamic.push_back(moving({0, 9}, 0));
    dynamic.push_back(ball({9, 9}, 1, b2_kinematicBody));
    dynamic.back()->init();
    w.world.addEntities(std::move(dynamic));
    EXPECT_EQ(changes, 1);

    w.world.removeEntities({added[0], added[2]});
    EXPECT_EQ(changes, 1);
    w.world.removeEntities({added[1]});
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(w.physics->getSimulatedEntities().size(), 2u);
    EXPECT_EQ(w.bodyCount(), 2);
}

TEST(PhysicsSystem, FollowsOnlyEntitiesWithAComponentThatArriveAfterItsInit) {
    orv::World world;
    auto* physics = world.registerSystem<orv::PhysicsSystem>();
    auto early = moving({0, 0}, 0);
    const orv::Entity* before = world.addEntity(std::move(early));
    world.initSystems();

    auto plain = entityWith(nullptr);
    plain->init();
    world.addEntity(std::move(plain));
    const orv::Entity* after = world.addEntity(moving({3, 0}, 0));
    EXPECT_EQ(physics->getSimulatedEntities(), Hits{after});
    EXPECT_FALSE(physicsOf(before)->isInSimulation());
    EXPECT_EQ(physics->getB2World().GetBodyCount(), 1);

    // Announced a second time, it keeps its one body.
    world.getEntitiesAddedSignal().emit({after});
    EXPECT_EQ(physics->getSimulatedEntities(), Hits{after});
    EXPECT_EQ(physics->getB2World().GetBodyCount(), 1);

    // Leaving before it ever had a body is no error either.
    world.removeEntities({before});
    EXPECT_EQ(physics->getB2World().GetBodyCount(), 1);
}

TEST(PhysicsSystem, ABatchWithOneBadEntityMakesNoBodies) {
    PhysicsWorld w;
    std::vector<std::unique_ptr<orv::Entity>> batch;
    batch.push_back(moving({0, 0}, 0));
    batch.push_back(moving({1, 0}, 0));
    transformOf(batch.back().get())->setScale({1, 2});
    EXPECT_THROW(w.world.addEntities(std::move(batch)), std::runtime_error);
    EXPECT_EQ(w.bodyCount(), 0);
    EXPECT_EQ(w.world.getEntityCount(), 0u);
    EXPECT_TRUE(w.physics->getSimulatedEntities().empty());
}

TEST(PhysicsSystem, SavesOnlyItsTypeName) {
    auto system = orv::PhysicsSystem::create({{"anything", 1}});
    EXPECT_EQ(system->toJson(), nlohmann::json({{"_SystemTypeId", "PhysicsSystem"}}));
    EXPECT_EQ(system->getUpdatePriority(), 0);
    EXPECT_EQ(system->getB2World().GetGravity(), b2Vec2(0, 0));
}

} // namespace
