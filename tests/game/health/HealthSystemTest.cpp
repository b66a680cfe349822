#include "game/health/HealthSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/health/HealthComponent.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using tarsk::HealthComponent;
using tarsk::HealthSystem;

namespace {

using Entities = std::vector<const orv::Entity*>;

std::unique_ptr<orv::Entity> creature(float health) {
    auto entity = std::make_unique<orv::Entity>();
    entity->addComponent<HealthComponent>(100.f, 100.f)->changeHealth(health - 100.f);
    entity->init();
    return entity;
}

std::unique_ptr<orv::Entity> rock() {
    auto entity = std::make_unique<orv::Entity>();
    entity->init();
    return entity;
}

struct HealthWorld {
    HealthWorld() {
        system = world.registerSystem<HealthSystem>();
        world.initSystems();
        world.getEntitiesRemovedSignal().connect(
            [this](const Entities& batch) { removals.push_back(batch); });
    }
    orv::World world;
    HealthSystem* system;
    std::vector<Entities> removals;
};

} // namespace

TEST(HealthSystem, RemovesTheDeadTogetherInTheOrderTheyArrived) {
    HealthWorld w;
    const orv::Entity* first = w.world.addEntity(creature(100));
    const orv::Entity* alive = w.world.addEntity(creature(40));
    const orv::Entity* second = w.world.addEntity(creature(100));
    w.world.addEntity(rock());
    EXPECT_EQ(w.system->getEntities(), (Entities{first, alive, second}));

    second->getComponent<HealthComponent>()->changeHealth(-500);
    first->getComponent<HealthComponent>()->changeHealth(-100);
    w.world.update();

    ASSERT_EQ(w.removals.size(), 1u);
    EXPECT_EQ(w.removals[0], (Entities{first, second}));
    EXPECT_EQ(w.world.getEntityCount(), 2u);
    EXPECT_EQ(w.system->getEntities(), (Entities{alive}));

    // Nobody dead: nothing leaves.
    w.world.update();
    EXPECT_EQ(w.removals.size(), 1u);
}

TEST(HealthSystem, ForgetsEntitiesThatLeaveTheWorldOtherwise) {
    HealthWorld w;
    const orv::Entity* leaving = w.world.addEntity(creature(50));
    const orv::Entity* staying = w.world.addEntity(creature(50));
    w.world.removeEntities({leaving});
    EXPECT_EQ(w.system->getEntities(), (Entities{staying}));
    staying->getComponent<HealthComponent>()->changeHealth(-50);
    w.world.update();
    EXPECT_EQ(w.world.getEntityCount(), 0u);
}
