#include "ContentKit.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/content/Identifiers.hpp"
#include "game/needs/NeedsComponent.hpp"

#include <gtest/gtest.h>

namespace {

namespace fid = tarsk::id::factory;

// Frogs, coconuts and bushes in a generated world, with the clock stopped so needs do not drain.
struct FoodContact : ::testing::Test {
    FoodContact() : world(content.generators.generateById(tarsk::id::generator::defaultId)) {}

    const orv::Entity* put(const std::string& id, sf::Vector2f position) {
        auto entity = content.factories.createEntity(id);
        entity->getComponent<orv::TransformationComponent>()->setPositionXY(position);
        entity->init();
        return world->addEntity(std::move(entity));
    }

    // A frog with room to eat.
    const orv::Entity* hungryFrog(sf::Vector2f position) {
        const orv::Entity* frog = put(fid::enemyFrog, position);
        needsOf(frog).changeNeeds({-50.f, -50.f});
        return frog;
    }

    static tarsk::NeedsComponent& needsOf(const orv::Entity* entity) {
        return *entity->getComponent<tarsk::NeedsComponent>();
    }
    static void moveTo(const orv::Entity* entity, sf::Vector2f position) {
        entity->getComponent<orv::TransformationComponent>()->setPositionXY(position);
    }

    void stepWithoutTime() {
        world->getSystem<orv::PhysicsSystem>()->setTimeStep(sf::seconds(1.f / 60.f));
        world->getSystem<tarsk::TimeSystem>()->setFrameTime(sf::Time::Zero);
        world->update();
        world->removeMarkedEntities();
    }

    contentkit::Content content;
    std::unique_ptr<orv::World> world;
};

TEST_F(FoodContact, BushFeedsSecondNeedOnEveryNewTouchAndStays) {
    const orv::Entity* bush = put(fid::bush, {20.f, 20.f});
    const orv::Entity* frog = hungryFrog({20.f, 20.8f});
    stepWithoutTime();
    EXPECT_NEAR(needsOf(frog).getNeeds().second, 70.f, 1e-3f);
    EXPECT_NEAR(needsOf(frog).getNeeds().first, 50.f, 1e-3f);

    moveTo(frog, {40.f, 40.f});
    stepWithoutTime();
    moveTo(frog, {20.f, 20.8f});
    stepWithoutTime();
    EXPECT_NEAR(needsOf(frog).getNeeds().second, 90.f, 1e-3f);
    EXPECT_TRUE(world->contains(bush));
}

TEST_F(FoodContact, CoconutFeedsFirstNeedAndIsGoneAfterTheFrame) {
    const orv::Entity* coconut = put(fid::coconut, {20.f, 20.f});
    const orv::Entity* frog = hungryFrog({20.f, 20.3f});
    const auto before = world->getEntityCount();
    stepWithoutTime();
    EXPECT_NEAR(needsOf(frog).getNeeds().first, 70.f, 1e-3f);
    EXPECT_NEAR(needsOf(frog).getNeeds().second, 50.f, 1e-3f);
    EXPECT_FALSE(world->contains(coconut));
    EXPECT_EQ(world->getEntityCount(), before - 1);
}

TEST_F(FoodContact, CoconutIsEatenOnceWhenTwoFrogsTouchItTogether) {
    put(fid::coconut, {20.f, 20.f});
    const orv::Entity* left = hungryFrog({19.7f, 20.f});
    const orv::Entity* right = hungryFrog({20.3f, 20.f});
    stepWithoutTime();
    const float gained = needsOf(left).getNeeds().first + needsOf(right).getNeeds().first - 100.f;
    EXPECT_NEAR(gained, 20.f, 1e-3f);
}

TEST_F(FoodContact, TouchersWithoutNeedsChangeNothing) {
    const orv::Entity* coconut = put(fid::coconut, {20.f, 20.f});
    int touches = 0;
    coconut->getComponent<orv::PhysicsComponent>()->contactBegin.connect(
        [&](const orv::Entity*) { ++touches; });
    put(fid::wallTest, {20.f, 20.2f});
    stepWithoutTime();
    stepWithoutTime();
    EXPECT_GE(touches, 1);
    EXPECT_TRUE(world->contains(coconut));
}

} // namespace
