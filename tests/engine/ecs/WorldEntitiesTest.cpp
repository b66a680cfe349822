#include "Probes.hpp"

#include "engine/ecs/World.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using ecs_test::A;
using ecs_test::Log;
using ecs_test::readyEntity;

namespace {

using Batch = std::vector<const orv::Entity*>;
using Owned = std::vector<std::unique_ptr<orv::Entity>>;

// Records every world signal in one log, with what the world looked like at that moment.
struct WorldSpy {
    explicit WorldSpy(orv::World& world) : world(world) {
        world.getEntitiesAddedSignal().connect([this](const Batch& batch) {
            log.push_back("added " + std::to_string(batch.size()) +
                          " count=" + std::to_string(this->world.getEntityCount()));
            added.push_back(batch);
        });
        world.getEntitiesRemovedSignal().connect([this](const Batch& batch) {
            log.push_back("removed " + std::to_string(batch.size()) +
                          " count=" + std::to_string(this->world.getEntityCount()));
            removed.push_back(batch);
        });
        world.getEntityCountChangedSignal().connect(
            [this](unsigned long long count) { log.push_back("count " + std::to_string(count)); });
    }

    orv::World& world;
    Log log;
    std::vector<Batch> added;
    std::vector<Batch> removed;
};

Owned threeEntities() {
    Owned batch;
    for (int i = 0; i < 3; ++i)
        batch.push_back(readyEntity());
    return batch;
}

Batch listOf(const orv::World& world) {
    Batch result;
    for (const auto& entity : world.getEntities())
        result.push_back(entity.get());
    return result;
}

TEST(WorldEntities, BatchIsAnnouncedOnceAfterInsertionThenCounted) {
    orv::World world;
    WorldSpy spy(world);
    Owned batch = threeEntities();
    const Batch expected{batch[0].get(), batch[1].get(), batch[2].get()};

    const Batch result = world.addEntities(std::move(batch));
    EXPECT_EQ(result, expected);
    EXPECT_EQ(spy.added, (std::vector<Batch>{expected}));
    EXPECT_EQ(spy.log, (Log{"added 3 count=3", "count 3"}));
    EXPECT_EQ(listOf(world), expected);
    for (const orv::Entity* entity : expected)
        EXPECT_EQ(entity->getWorld(), &world);
}

TEST(WorldEntities, BatchWithAnUninitialisedEntityIsRefusedWhole) {
    orv::World world;
    WorldSpy spy(world);
    Owned batch = threeEntities();
    batch.insert(batch.begin() + 1, std::make_unique<orv::Entity>());
    const orv::Entity* first = batch[0].get();

    try {
        world.addEntities(std::move(batch));
        FAIL() << "no exception";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "cannot add uninitialized Entity to world");
    }
    EXPECT_EQ(world.getEntityCount(), 0u);
    EXPECT_TRUE(spy.log.empty());
    // The caller still owns every entity, untouched.
    ASSERT_EQ(batch.size(), 4u);
    EXPECT_TRUE(std::all_of(batch.begin(), batch.end(), [](const auto& e) { return e != nullptr; }));
    EXPECT_EQ(batch[0].get(), first);
    EXPECT_EQ(first->getWorld(), nullptr);
}

TEST(WorldEntities, ArrivingListenersSeeTheBatchBeforeInsertionAndMayRefuseIt) {
    orv::World world;
    WorldSpy spy(world);
    bool refuse = true;
    world.getEntitiesArrivingSignal().connect([&](const Batch& batch) {
        spy.log.push_back("arriving " + std::to_string(batch.size()) +
                          " count=" + std::to_string(world.getEntityCount()));
        if (refuse)
            throw std::logic_error("refused");
    });
    Owned batch = threeEntities();
    EXPECT_THROW(world.addEntities(std::move(batch)), std::logic_error);
    EXPECT_EQ(world.getEntityCount(), 0u);
    ASSERT_EQ(batch.size(), 3u);
    EXPECT_EQ(batch[2]->getWorld(), nullptr);
    EXPECT_EQ(spy.log, (Log{"arriving 3 count=0"}));

    refuse = false;
    world.addEntities(std::move(batch));
    EXPECT_EQ(spy.log, (Log{"arriving 3 count=0", "arriving 3 count=0", "added 3 count=3", "count 3"}));
}

TEST(WorldEntities, AddEntityOfAnUninitialisedEntityLeavesItWithTheCaller) {
    orv::World world;
    WorldSpy spy(world);
    auto entity = std::make_unique<orv::Entity>();
    orv::Entity* raw = entity.get();
    EXPECT_THROW(world.addEntity(std::move(entity)), std::logic_error);
    EXPECT_EQ(entity.get(), raw);
    EXPECT_EQ(world.getEntityCount(), 0u);
    EXPECT_TRUE(spy.log.empty());

    entity->init();
    EXPECT_EQ(world.addEntity(std::move(entity)), raw);
    EXPECT_EQ(spy.log, (Log{"added 1 count=1", "count 1"}));
}

TEST(WorldEntities, RemovingNothingIsSilent) {
    orv::World world;
    world.addEntities(threeEntities());
    WorldSpy spy(world);
    EXPECT_TRUE(world.removeEntities({}).empty());
    EXPECT_TRUE(spy.log.empty());
    EXPECT_EQ(world.getEntityCount(), 3u);
}

TEST(WorldEntities, RemovalAnnouncesFirstThenDetachesInListOrder) {
    orv::World world;
    const Batch abc = world.addEntities(threeEntities());
    const orv::Entity* a = abc[0];
    const orv::Entity* b = abc[1];
    const orv::Entity* c = abc[2];
    WorldSpy spy(world);
    bool aStillInPlace = false;
    world.getEntitiesRemovedSignal().connect(
        [&](const Batch&) { aStillInPlace = world.contains(a) && a->getWorld() == &world; });
    for (const orv::Entity* entity : {a, b}) {
        const std::string name = entity == a ? "a" : "b";
        entity->getRemovedFromWorldSignal().connect([&spy, &world, entity, name] {
            spy.log.push_back(name + " leaves, in world=" + std::to_string(entity->getWorld() == &world));
        });
    }

    Owned removed = world.removeEntities({b, a});
    EXPECT_EQ(spy.removed, (std::vector<Batch>{{b, a}}));
    EXPECT_TRUE(aStillInPlace);
    EXPECT_EQ(spy.log, (Log{"removed 2 count=3", "a leaves, in world=1", "b leaves, in world=1", "count 1"}));
    ASSERT_EQ(removed.size(), 2u);
    EXPECT_EQ(removed[0].get(), a);
    EXPECT_EQ(removed[1].get(), b);
    EXPECT_EQ(listOf(world), (Batch{c}));
    EXPECT_EQ(a->getWorld(), nullptr);
    EXPECT_FALSE(world.contains(a));
    EXPECT_TRUE(world.contains(c));
}

TEST(WorldEntities, BadRemovalListsChangeNothing) {
    orv::World world;
    orv::World other;
    const Batch ours = world.addEntities(threeEntities());
    const orv::Entity* foreign = other.addEntity(readyEntity());
    WorldSpy spy(world);

    for (const Batch& bad : {Batch{ours[0], foreign}, Batch{ours[1], ours[1]}, Batch{nullptr}}) {
        try {
            world.removeEntities(bad);
            ADD_FAILURE() << "no exception";
        } catch (const std::logic_error& error) {
            EXPECT_STREQ(error.what(), "An Entity that is not registered was marked for removal.");
        }
    }
    EXPECT_TRUE(spy.log.empty());
    EXPECT_EQ(listOf(world), ours);
    EXPECT_EQ(ours[0]->getWorld(), &world);
}

TEST(WorldEntities, RemovedEntityTravelsToAnotherWorldAsItIs) {
    Log log;
    orv::World first;
    orv::World second;
    auto entity = std::make_unique<orv::Entity>();
    A* a = entity->addComponent<A>(log, "a");
    entity->init();
    orv::Entity* raw = entity.get();
    first.addEntity(std::move(entity));
    smartsignals::Signal<void()> external;
    const auto recorded = external.connectTracked(raw->getConnections(), [] {});
    log.clear();

    Owned moved = first.removeEntities({raw});
    // Records made while in a world end with the stay.
    EXPECT_FALSE(external.isConnected(recorded));
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_TRUE(moved.front()->getInitStatus());
    EXPECT_EQ(moved.front()->findComponent<A>(), a);
    EXPECT_EQ(second.addEntities(std::move(moved)), (Batch{raw}));
    // Neither deleted nor initialised again.
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(raw->getWorld(), &second);
    EXPECT_FALSE(first.contains(raw));
    EXPECT_TRUE(second.contains(raw));
}

TEST(WorldEntities, MarkingTwiceRemovesOnce) {
    orv::World world;
    const Batch abc = world.addEntities(threeEntities());
    WorldSpy spy(world);
    world.markForRemoval(abc[2]);
    world.markForRemoval(abc[0]);
    world.markForRemoval(abc[2]);
    EXPECT_EQ(world.getMarkedForRemoval(), (Batch{abc[2], abc[0]}));
    EXPECT_NO_THROW(world.removeMarkedEntities());
    EXPECT_EQ(spy.removed, (std::vector<Batch>{{abc[2], abc[0]}}));
    EXPECT_EQ(listOf(world), (Batch{abc[1]}));
    EXPECT_TRUE(world.getMarkedForRemoval().empty());
    // Nothing marked: nothing happens.
    spy.log.clear();
    world.removeMarkedEntities();
    EXPECT_TRUE(spy.log.empty());
}

TEST(WorldEntities, FailedMarkedRemovalStillClearsTheMarks) {
    orv::World world;
    orv::World other;
    const Batch ours = world.addEntities(threeEntities());
    const orv::Entity* foreign = other.addEntity(readyEntity());
    world.markForRemoval(ours[0]);
    world.markForRemoval(foreign);
    EXPECT_THROW(world.removeMarkedEntities(), std::logic_error);
    EXPECT_TRUE(world.getMarkedForRemoval().empty());
    EXPECT_EQ(world.getEntityCount(), 3u);
    EXPECT_NO_THROW(world.removeMarkedEntities());
}

TEST(WorldEntities, AnEntityRemovedMeanwhileIsNoLongerMarked) {
    orv::World world;
    const Batch abc = world.addEntities(threeEntities());
    world.markForRemoval(abc[0]);
    world.markForRemoval(abc[1]);
    world.removeEntities({abc[0]});
    EXPECT_EQ(world.getMarkedForRemoval(), (Batch{abc[1]}));
    EXPECT_NO_THROW(world.removeMarkedEntities());
    EXPECT_EQ(listOf(world), (Batch{abc[2]}));
}

TEST(WorldEntities, TeardownDeletesSystemsThenEntitiesInListOrderSilently) {
    Log log;
    {
        orv::World world;
        world.registerSystem<ecs_test::SystemProbe<orv::World>>(log, "system");
        world.initSystems();
        for (const char* name : {"e1", "e2", "e3"}) {
            auto entity = std::make_unique<orv::Entity>();
            entity->addComponent<A>(log, name);
            entity->init();
            world.addEntity(std::move(entity));
        }
        world.getEntitiesRemovedSignal().connect([&](const Batch&) { log.push_back("removed"); });
        world.getEntityCountChangedSignal().connect([&](unsigned long long) { log.push_back("count"); });
        log.clear();
    }
    EXPECT_EQ(log, (Log{"system.dtor", "e1.dtor", "e2.dtor", "e3.dtor"}));
}

} // namespace
