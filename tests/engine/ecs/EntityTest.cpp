#include "Probes.hpp"

#include "engine/ecs/Entity.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <typeinfo>

using ecs_test::A;
using ecs_test::B;
using ecs_test::C;
using ecs_test::Log;

namespace {

// Types with internal linkage, which std::type_index alone orders by address.
struct Zulu : ecs_test::Probe {
    using Probe::Probe;
};
struct Alfa : ecs_test::Probe {
    using Probe::Probe;
};
struct Mike : ecs_test::Probe {
    using Probe::Probe;
};

template <class F>
std::string messageOf(F&& action) {
    try {
        action();
    } catch (const std::logic_error& error) {
        return error.what();
    }
    return "<no logic_error>";
}

TEST(Entity, InitRunsEveryPreInitBeforeAnyInitInTypeOrder) {
    Log log;
    orv::Entity entity;
    // Added out of order: initialisation follows the type order, not the order of adding.
    C* c = entity.addComponent<C>(log, "c");
    A* a = entity.addComponent<A>(log, "a");
    entity.addComponent<B>(log, "b");
    EXPECT_FALSE(entity.getInitStatus());
    EXPECT_TRUE(log.empty());

    entity.init();
    EXPECT_EQ(log, (Log{"a.pre", "b.pre", "c.pre", "a.init", "b.init", "c.init"}));
    EXPECT_TRUE(entity.getInitStatus());
    EXPECT_EQ(a->entity, &entity);
    EXPECT_EQ(c->entity, &entity);
    EXPECT_EQ(messageOf([&] { entity.init(); }), "Entity is already initialized");
}

TEST(Entity, InitialisationOrderFollowsTypeNamesInEveryBuild) {
    Log log;
    orv::Entity entity;
    entity.addComponent<Mike>(log, "mike");
    entity.addComponent<Zulu>(log, "zulu");
    entity.addComponent<Alfa>(log, "alfa");
    entity.init();
    EXPECT_EQ(log, (Log{"alfa.pre", "mike.pre", "zulu.pre", "alfa.init", "mike.init", "zulu.init"}));
}

TEST(Entity, InitWithoutComponentsOnlySetsTheFlag) {
    orv::Entity entity;
    entity.init();
    EXPECT_TRUE(entity.getInitStatus());
    EXPECT_TRUE(entity.getComponents().empty());
    EXPECT_EQ(entity.getWorld(), nullptr);
}

TEST(Entity, FailingPreInitLeavesEntityUninitialised) {
    Log log;
    orv::Entity entity;
    entity.addComponent<A>(log, "a");
    entity.addComponent<B>(log, "b")->failPreInit = true;
    entity.addComponent<C>(log, "c");
    EXPECT_THROW(entity.init(), std::runtime_error);
    EXPECT_EQ(log, (Log{"a.pre", "b.pre"}));
    EXPECT_FALSE(entity.getInitStatus());
}

TEST(Entity, TypedLookups) {
    Log log;
    orv::Entity entity;
    A* a = entity.addComponent<A>(log, "a");
    EXPECT_EQ(entity.getComponent<A>(), a);
    EXPECT_EQ(entity.findComponent<A>(), a);
    EXPECT_TRUE(entity.hasComponent<A>());
    EXPECT_EQ(entity.findComponent<B>(), nullptr);
    EXPECT_FALSE(entity.hasComponent<B>());
    // The message carries the readable type name.
    EXPECT_EQ(messageOf([&] { entity.getComponent<B>(); }),
              "Component does not exist. Typename: ecs_test::B");
    // Stored under the type given, whatever the static type of the pointer handed over.
    std::unique_ptr<orv::Component> base = std::make_unique<B>(log, "b");
    entity.addComponent(std::move(base), typeid(B));
    EXPECT_EQ(entity.getComponent<B>()->name, "b");
}

TEST(Entity, DuplicateBeforeInitIsDeletedAndTheFirstStays) {
    Log log;
    orv::Entity entity;
    A* first = entity.addComponent<A>(log, "first");
    EXPECT_EQ(messageOf([&] { entity.addComponent<A>(log, "second"); }),
              "Cannot register the same Component more than once. Name: ecs_test::A");
    EXPECT_EQ(log, (Log{"second.dtor"}));
    EXPECT_EQ(entity.getComponent<A>(), first);
    EXPECT_EQ(entity.getComponents().size(), 1u);
}

TEST(Entity, DuplicateAfterInitIsRejectedWithoutBeingInitialised) {
    Log log;
    orv::Entity entity;
    entity.addComponent<A>(log, "first");
    entity.init();
    log.clear();
    EXPECT_THROW(entity.addComponent<A>(log, "second"), std::logic_error);
    EXPECT_EQ(log, (Log{"second.dtor"}));
    EXPECT_EQ(entity.getComponent<A>()->name, "first");
}

TEST(Entity, ComponentAddedAfterInitRunsBothStepsAtOnce) {
    Log log;
    orv::Entity entity;
    entity.addComponent<A>(log, "a");
    entity.init();
    log.clear();
    B* b = entity.addComponent<B>(log, "b");
    EXPECT_EQ(log, (Log{"b.pre", "b.init"}));
    EXPECT_EQ(b->entity, &entity);
    EXPECT_EQ(entity.getComponent<B>(), b);
}

TEST(Entity, ComponentFailingAtLateAddIsNotKept) {
    Log log;
    orv::Entity entity;
    entity.init();
    auto failing = std::make_unique<B>(log, "b");
    failing->failPreInit = true;
    EXPECT_THROW(entity.addComponent(std::move(failing), typeid(B)), std::runtime_error);
    EXPECT_FALSE(entity.hasComponent<B>());
    EXPECT_EQ(log, (Log{"b.pre", "b.dtor"}));
}

TEST(Entity, NullComponentIsRejected) {
    orv::Entity entity;
    EXPECT_THROW(entity.addComponent(nullptr, typeid(A)), std::logic_error);
    EXPECT_TRUE(entity.getComponents().empty());
}

TEST(Entity, MoveBeforeInitTakesEverything) {
    Log log;
    orv::Entity source;
    A* a = source.addComponent<A>(log, "a");
    int signalled = 0;
    source.getRemovedFromWorldSignal().connect([&] { ++signalled; });
    smartsignals::Signal<void()> external;
    const auto id = external.connectTracked(source.getConnections(), [] {});

    orv::Entity moved(std::move(source));
    EXPECT_EQ(moved.getComponent<A>(), a);
    EXPECT_TRUE(source.getComponents().empty());
    EXPECT_FALSE(moved.getInitStatus());
    moved.getRemovedFromWorldSignal().emit();
    source.getRemovedFromWorldSignal().emit();
    EXPECT_EQ(signalled, 1);
    EXPECT_EQ(moved.getConnections().size(), 1u);
    EXPECT_EQ(source.getConnections().size(), 0u);
    moved.getConnections().disconnectAll();
    EXPECT_FALSE(external.isConnected(id));

    // Initialising the moved entity hands its components the new address.
    moved.init();
    EXPECT_EQ(a->entity, &moved);
}

TEST(Entity, InitialisedEntityCannotMove) {
    Log log;
    orv::Entity source;
    A* a = source.addComponent<A>(log, "a");
    source.init();
    EXPECT_THROW(orv::Entity moved(std::move(source)), std::logic_error);
    EXPECT_EQ(source.getComponent<A>(), a);
    EXPECT_TRUE(source.getInitStatus());
}

// Logs when the last callback holding it goes away.
struct Tracker {
    Log& log;
    std::string name;
    ~Tracker() { log.push_back(name); }
};

TEST(Entity, TeardownDropsRecordsThenSignalThenComponents) {
    Log log;
    smartsignals::Signal<void()> external;
    {
        orv::Entity entity;
        entity.addComponent<A>(log, "a");
        auto record = std::make_shared<Tracker>(log, "record dropped");
        external.connectTracked(entity.getConnections(), [record] {});
        auto slot = std::make_shared<Tracker>(log, "signal gone");
        entity.getRemovedFromWorldSignal().connect([slot] {});
    }
    EXPECT_EQ(log, (Log{"record dropped", "signal gone", "a.dtor"}));
    EXPECT_EQ(external.getSlotCount(), 0u);
}

} // namespace
