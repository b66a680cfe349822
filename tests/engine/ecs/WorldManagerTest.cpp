#include "Probes.hpp"

#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/ecs/WorldManager.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using ecs_test::Log;
using ecs_test::readyEntity;

namespace ecs_test {

// Logs its world's entity batches, connected in onPreInit as the game's systems are.
struct WorldWatcher : SystemProbe<orv::World> {
    using SystemProbe<orv::World>::SystemProbe;
    void onPreInit(orv::World* world) override {
        SystemProbe<orv::World>::onPreInit(world);
        world->getEntitiesAddedSignal().connect(
            [this](const std::vector<const orv::Entity*>&) { log.push_back(name + " added"); });
        world->getEntitiesRemovedSignal().connect(
            [this](const std::vector<const orv::Entity*>&) { log.push_back(name + " removed"); });
    }
};
struct GlobalUpdate : SystemProbe<orv::WorldManager> {
    using SystemProbe<orv::WorldManager>::SystemProbe;
};

} // namespace ecs_test

namespace {

using Batch = std::vector<const orv::Entity*>;

// A manager with containers 1 ("one", active), 2 ("two", inactive) and 3 ("three", active),
// every world holding one system that logs under the world's name, and one logging global system.
struct ThreeWorlds {
    explicit ThreeWorlds(Log& log) : manager(7) {
        manager.registerSystem<ecs_test::GlobalUpdate>(log, "global");
        manager.initSystems();
        const std::vector<std::pair<const char*, bool>> layout{
            {"one", true}, {"two", false}, {"three", true}};
        std::uint32_t id = 1;
        for (const auto& [name, active] : layout) {
            auto world = std::make_unique<orv::World>();
            world->registerSystem<ecs_test::WorldWatcher>(log, name);
            world->initSystems();
            worlds.push_back(world.get());
            manager.addExistingWorldContainer(orv::WorldContainer(id++, std::move(world), active, name));
        }
        log.clear();
    }

    // Logs the manager's forwarded batches, naming the world by its container.
    void spy(Log& log) {
        auto nameOf = [this](const orv::World* world) {
            for (orv::WorldContainer* container : manager.getWorldContainers()) {
                if (container->getWorld() == world)
                    return container->getName();
            }
            return std::string("?");
        };
        manager.getEntitiesAddedSignal().connect([&log, nameOf](orv::World* world, const Batch&) {
            log.push_back("manager added " + nameOf(world));
        });
        manager.getEntitiesRemovedSignal().connect([&log, nameOf](orv::World* world, const Batch&) {
            log.push_back("manager removed " + nameOf(world));
        });
    }

    orv::WorldManager manager;
    std::vector<orv::World*> worlds;
};

std::vector<std::uint32_t> idsOf(const std::vector<orv::WorldContainer*>& containers) {
    std::vector<std::uint32_t> ids;
    for (const orv::WorldContainer* container : containers)
        ids.push_back(container->getId());
    return ids;
}

TEST(WorldManager, UpdatesActiveWorldsInOrderThenGlobalSystems) {
    Log log;
    ThreeWorlds game(log);
    EXPECT_EQ(idsOf(game.manager.getWorldContainers()), (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_EQ(idsOf(game.manager.getActiveWorldContainers()), (std::vector<std::uint32_t>{1, 3}));
    game.manager.update();
    EXPECT_EQ(log, (Log{"one.update", "three.update", "global.update"}));
}

TEST(WorldManager, ContainerAccessors) {
    Log log;
    ThreeWorlds game(log);
    EXPECT_EQ(game.manager.getIdCounter(), 7u);
    orv::WorldContainer* two = game.manager.getWorldContainer(2);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->getName(), "two");
    EXPECT_FALSE(two->isActive());
    EXPECT_EQ(two->getWorld(), game.worlds[1]);
    EXPECT_EQ(game.manager.getWorldContainer(4), nullptr);
}

TEST(WorldManager, ForwardsEntityBatchesAfterTheWorldWithTheWorld) {
    Log log;
    ThreeWorlds game(log);
    game.spy(log);
    log.clear();
    orv::World* seen = nullptr;
    Batch seenBatch;
    game.manager.getEntitiesAddedSignal().connect([&](orv::World* world, const Batch& batch) {
        seen = world;
        seenBatch = batch;
    });
    const orv::Entity* entity = game.worlds[1]->addEntity(readyEntity());
    EXPECT_EQ(log, (Log{"two added", "manager added two"}));
    EXPECT_EQ(seen, game.worlds[1]);
    EXPECT_EQ(seenBatch, (Batch{entity}));
    log.clear();
    game.worlds[1]->removeEntities({entity});
    EXPECT_EQ(log, (Log{"two removed", "manager removed two"}));
}

TEST(WorldManager, AddingAContainerConnectsBeforeAnnouncing) {
    orv::WorldManager manager(0);
    Log log;
    manager.getEntitiesAddedSignal().connect([&](orv::World*, const Batch&) { log.push_back("forwarded"); });
    // A listener that fills the new world as soon as it hears of it is already heard itself.
    manager.getContainersChangedSignal().connect([&] {
        log.push_back("changed");
        manager.getWorldContainers().back()->getWorld()->addEntity(readyEntity());
    });
    auto world = std::make_unique<orv::World>();
    world->addEntity(readyEntity()); // entities present before do not count
    orv::WorldContainer* stored =
        manager.addExistingWorldContainer(orv::WorldContainer(5, std::move(world), true, "x"));
    EXPECT_EQ(log, (Log{"changed", "forwarded"}));
    EXPECT_EQ(stored, manager.getWorldContainer(5));
    EXPECT_EQ(stored->getWorld()->getEntityCount(), 2u);
}

TEST(WorldManager, ForwardsContainerActivityWithTheContainer) {
    orv::WorldManager manager(0);
    orv::WorldContainer* stored =
        manager.addExistingWorldContainer(orv::WorldContainer(1, std::make_unique<orv::World>(), true, "a"));
    std::vector<orv::WorldContainer*> seen;
    manager.getContainerActivitySignal().connect(
        [&](orv::WorldContainer* container) { seen.push_back(container); });
    stored->getActivityChangedSignal().emit(false);
    EXPECT_EQ(seen, (std::vector<orv::WorldContainer*>{stored}));
}

TEST(WorldManager, MoveEmitsInTheOrderTheGameReliesOn) {
    Log log;
    ThreeWorlds game(log);
    const orv::Entity* entity = game.worlds[0]->addEntity(readyEntity());
    game.spy(log);
    log.clear();
    entity->getRemovedFromWorldSignal().connect([&] { log.push_back("entity leaves"); });

    game.manager.moveEntity(2, entity);
    EXPECT_EQ(log,
              (Log{"one removed", "manager removed one", "entity leaves", "two added", "manager added two"}));
    EXPECT_EQ(entity->getWorld(), game.worlds[1]);
    EXPECT_FALSE(game.worlds[0]->contains(entity));
    EXPECT_TRUE(game.worlds[1]->contains(entity));
}

TEST(WorldManager, CallbackRunsWhileTheEntityIsInNoWorld) {
    Log log;
    ThreeWorlds game(log);
    const orv::Entity* entity = game.worlds[0]->addEntity(readyEntity());
    game.spy(log);
    log.clear();
    game.manager.moveEntityWithCallback(3, entity, [&] {
        log.push_back("between");
        EXPECT_EQ(entity->getWorld(), nullptr);
    });
    EXPECT_EQ(log,
              (Log{"one removed", "manager removed one", "between", "three added", "manager added three"}));
    EXPECT_EQ(entity->getWorld(), game.worlds[2]);
}

TEST(WorldManager, BadMovesThrowBeforeAnythingChanges) {
    Log log;
    ThreeWorlds game(log);
    const orv::Entity* entity = game.worlds[0]->addEntity(readyEntity());
    orv::World elsewhere;
    const orv::Entity* unmanaged = elsewhere.addEntity(readyEntity());
    auto loose = readyEntity();
    game.spy(log);
    log.clear();

    EXPECT_THROW(game.manager.moveEntity(9, entity), std::logic_error);
    EXPECT_THROW(game.manager.moveEntity(2, loose.get()), std::logic_error);
    EXPECT_THROW(game.manager.moveEntity(2, nullptr), std::logic_error);
    EXPECT_THROW(game.manager.moveEntityWithCallback(2, entity, nullptr), std::bad_function_call);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(entity->getWorld(), game.worlds[0]);
    EXPECT_TRUE(game.worlds[0]->contains(entity));

    // An entity of a world the manager does not hold still moves: only the target is looked up.
    game.manager.moveEntity(2, unmanaged);
    EXPECT_EQ(unmanaged->getWorld(), game.worlds[1]);
    EXPECT_EQ(elsewhere.getEntityCount(), 0u);
}

TEST(WorldManager, FailingCallbackPutsTheEntityBack) {
    Log log;
    ThreeWorlds game(log);
    const orv::Entity* entity = game.worlds[0]->addEntity(readyEntity());
    game.spy(log);
    log.clear();
    EXPECT_THROW(game.manager.moveEntityWithCallback(2, entity, [] { throw std::runtime_error("portal"); }),
                 std::runtime_error);
    EXPECT_EQ(log, (Log{"one removed", "manager removed one", "one added", "manager added one"}));
    EXPECT_EQ(entity->getWorld(), game.worlds[0]);
    EXPECT_TRUE(game.worlds[0]->contains(entity));
    EXPECT_EQ(game.worlds[1]->getEntityCount(), 0u);
}

TEST(WorldManager, AnEntityTheTargetRefusesGoesBackToItsWorld) {
    Log log;
    ThreeWorlds game(log);
    const orv::Entity* entity = game.worlds[0]->addEntity(readyEntity());
    game.worlds[1]->getEntitiesArrivingSignal().connect(
        [](const Batch&) { throw std::runtime_error("no room"); });
    EXPECT_THROW(game.manager.moveEntity(2, entity), std::runtime_error);
    EXPECT_EQ(entity->getWorld(), game.worlds[0]);
    EXPECT_TRUE(game.worlds[0]->contains(entity));
    EXPECT_EQ(game.worlds[1]->getEntityCount(), 0u);
}

TEST(WorldManager, MovedContainerKeepsItsParts) {
    auto world = std::make_unique<orv::World>();
    orv::World* raw = world.get();
    orv::WorldContainer first(4, std::move(world), false, "cave");
    orv::WorldContainer second(std::move(first));
    EXPECT_EQ(second.getWorld(), raw);
    EXPECT_EQ(second.getId(), 4u);
    EXPECT_EQ(second.getName(), "cave");
    EXPECT_FALSE(second.isActive());
    EXPECT_EQ(first.getWorld(), nullptr);
    EXPECT_THROW(orv::WorldContainer(1, nullptr, true, "none"), std::logic_error);
}

} // namespace
