#include "Probes.hpp"

#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/World.hpp"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

using ecs_test::Log;

namespace ecs_test {

using WorldSystem = SystemProbe<orv::World>;
struct First : WorldSystem {
    using WorldSystem::WorldSystem;
};
struct Second : WorldSystem {
    using WorldSystem::WorldSystem;
};
struct Third : WorldSystem {
    using WorldSystem::WorldSystem;
};

} // namespace ecs_test

using ecs_test::First;
using ecs_test::Second;
using ecs_test::Third;

namespace {

std::string logicMessage(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::logic_error& error) {
        return error.what();
    }
    return "<no logic_error>";
}

TEST(SystemManager, InitRunsEveryPreInitThenEveryInitInRegistrationOrder) {
    Log log;
    orv::World world;
    First* first = world.registerSystem<First>(log, "1");
    world.registerSystem<Second>(log, "2");
    EXPECT_FALSE(world.isInitialized());
    world.initSystems();
    EXPECT_EQ(log, (Log{"1.pre", "2.pre", "1.init", "2.init"}));
    EXPECT_EQ(first->owner, &world);
    EXPECT_TRUE(world.isInitialized());
    EXPECT_EQ(logicMessage([&] { world.initSystems(); }), "SystemManager is already initialized");
}

// A system that registers another one from its onInit, as a system that brings a helper would.
struct Sponsor : ecs_test::SystemProbe<orv::World> {
    using SystemProbe::SystemProbe;
    void onInit() override {
        SystemProbe::onInit();
        owner->registerSystem<Third>(log, "3");
    }
};

TEST(SystemManager, ASystemRegisteredDuringInitGetsItsPreInitBeforeItsInit) {
    Log log;
    orv::World world;
    world.registerSystem<Sponsor>(log, "s");
    world.registerSystem<Second>(log, "2");
    world.initSystems();
    EXPECT_EQ(log, (Log{"s.pre", "2.pre", "s.init", "3.pre", "2.init", "3.init"}));
    EXPECT_EQ(world.getSystem<Third>()->owner, &world);
}

TEST(SystemManager, UpdateOrderIsAStablePrioritySort) {
    Log log;
    orv::World world;
    world.registerSystem<First>(log, "a5", 5);
    world.registerSystem<Second>(log, "b0", 0);
    world.registerSystem<Third>(log, "c5", 5);
    // Registration order until initialisation.
    EXPECT_EQ(world.getUpdateList().front()->getUpdatePriority(), 5);
    world.initSystems();
    log.clear();
    world.update();
    world.update();
    EXPECT_EQ(log, (Log{"b0.update", "a5.update", "c5.update", "b0.update", "a5.update", "c5.update"}));
}

TEST(SystemManager, NegativePrioritiesRunFirst) {
    Log log;
    orv::World world;
    world.registerSystem<First>(log, "zero");
    world.registerSystem<Second>(log, "minus", -3);
    world.initSystems();
    log.clear();
    world.update();
    EXPECT_EQ(log, (Log{"minus.update", "zero.update"}));
}

TEST(SystemManager, RegistrationRules) {
    Log log;
    orv::World world;
    First* first = world.registerSystem<First>(log, "first");
    EXPECT_EQ(logicMessage([&] { world.registerSystem<First>(log, "again"); }),
              "Cannot register the same System more than once. SystemName: ecs_test::First");
    EXPECT_EQ(log, (Log{"again.dtor"}));
    EXPECT_EQ(world.getSystem<First>(), first);
    EXPECT_EQ(world.getUpdateList().size(), 1u);

    world.initSystems();
    // After initialisation every registration fails with the initialisation message, a
    // duplicate included.
    EXPECT_EQ(logicMessage([&] { world.registerSystem<First>(log, "late"); }),
              "Cannot add Systems after SystemManager has been initialized. SystemName: ecs_test::First");
    EXPECT_EQ(logicMessage([&] { world.registerSystem<Second>(log, "late"); }),
              "Cannot add Systems after SystemManager has been initialized. SystemName: ecs_test::Second");
    EXPECT_EQ(world.getSystems().size(), 1u);
}

TEST(SystemManager, EmptyManagerInitialisesAndThenRefusesSystems) {
    Log log;
    orv::World world;
    world.initSystems();
    EXPECT_TRUE(world.isInitialized());
    EXPECT_THROW(world.registerSystem<First>(log, "late"), std::logic_error);
}

TEST(SystemManager, LookupOfAMissingSystemNamesIt) {
    Log log;
    orv::World world;
    world.registerSystem<First>(log, "first");
    EXPECT_EQ(world.findSystem<Second>(), nullptr);
    EXPECT_EQ(logicMessage([&] { world.getSystem<Second>(); }),
              "System does not exist. SystemName: ecs_test::Second");
}

TEST(SystemManager, FailingInitLeavesManagerUninitialisedAndUnsorted) {
    Log log;
    orv::World world;
    world.registerSystem<First>(log, "a5", 5);
    world.registerSystem<Second>(log, "b0", 0)->failInit = true;
    EXPECT_THROW(world.initSystems(), std::runtime_error);
    EXPECT_FALSE(world.isInitialized());
    EXPECT_EQ(world.getUpdateList().front()->getUpdatePriority(), 5);
    // Still open for registration.
    EXPECT_NO_THROW(world.registerSystem<Third>(log, "c"));
}

TEST(SystemManager, SystemsDieInReverseRegistrationOrder) {
    Log log;
    {
        orv::World world;
        world.registerSystem<Third>(log, "1", 9);
        world.registerSystem<First>(log, "2", 0);
        world.registerSystem<Second>(log, "3", 4);
        world.initSystems();
        log.clear();
    }
    EXPECT_EQ(log, (Log{"3.dtor", "2.dtor", "1.dtor"}));
}

// A saved system whose data the test chooses.
class Saved : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string TypeName = "SavedSystem";
    explicit Saved(nlohmann::json data) : data(std::move(data)) {}
    void onPreInit(orv::World*) override {}
    void onInit() override {}
    void onUpdate() override {}
    nlohmann::json toJsonData() const override { return data; }
    const std::string& getSystemTypeName() const override { return TypeName; }

    nlohmann::json data;
};

TEST(SerializableSystem, NullDataSavesAsTheTypeNameAlone) {
    EXPECT_EQ(Saved(nullptr).toJson(), (nlohmann::json{{"_SystemTypeId", "SavedSystem"}}));
}

TEST(SerializableSystem, ObjectDataKeepsItsMembers) {
    const nlohmann::json written = Saved({{"speed", 3}, {"_SystemTypeId", "stale"}}).toJson();
    EXPECT_EQ(written, (nlohmann::json{{"speed", 3}, {"_SystemTypeId", "SavedSystem"}}));
}

TEST(SerializableSystem, DataThatIsNotAnObjectIsATypeError) {
    try {
        Saved(42).toJson();
        FAIL() << "no exception";
    } catch (const nlohmann::json::type_error& error) {
        EXPECT_EQ(error.id, 305);
        EXPECT_NE(std::string(error.what()).find("cannot use operator[] with a string argument with number"),
                  std::string::npos);
    }
}

TEST(SerializableSystem, DefaultDataIsNull) {
    struct Plain : orv::SerializableSystem_template<orv::System_base<orv::World>> {
        void onPreInit(orv::World*) override {}
        void onInit() override {}
        void onUpdate() override {}
        const std::string& getSystemTypeName() const override { return name; }
        std::string name = "Plain";
    } plain;
    EXPECT_TRUE(plain.toJsonData().is_null());
    EXPECT_EQ(plain.getUpdatePriority(), 0);
    EXPECT_EQ(plain.toJson(), (nlohmann::json{{"_SystemTypeId", "Plain"}}));
}

} // namespace
