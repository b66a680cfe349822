#include "SerialTestTypes.hpp"

#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/persistence/PersistenceSystem.hpp"
#include "engine/serialization/WorldWriter.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using serial_test::Log;
using serial_test::messageOf;
using serial_test::Stats;
using Json = nlohmann::json;

std::unique_ptr<orv::Entity> statsEntity(int hp, std::unique_ptr<orv::PersistenceComponent> persistence) {
    auto entity = std::make_unique<orv::Entity>();
    entity->addComponent<Stats>(Json{{"hp", hp}});
    if (persistence)
        entity->addComponent(std::move(persistence), typeid(orv::PersistenceComponent));
    entity->init();
    return entity;
}

TEST(WorldWriter, AnEmptyManagerWritesNoContainerList) {
    orv::WorldManager manager(4);
    manager.initSystems();
    EXPECT_EQ(orv::worldManagerToJson(manager), Json::parse(R"({"systems_global": [], "wm_id_counter": 4})"));
}

TEST(WorldWriter, OnlySerialisableSystemsAreWrittenInUpdateOrder) {
    Log log;
    orv::World world;
    world.registerSystem<serial_test::TracedWorldSystem<1>>(log, Json("late"), 5);
    world.registerSystem<serial_test::ScratchSystem>();
    world.registerSystem<serial_test::TracedWorldSystem<2>>(log, Json(), 0);
    world.registerSystem<orv::PersistenceSystem>();
    world.initSystems();
    EXPECT_EQ(orv::worldToJson(world), Json::parse(R"({"entities": [], "systems_local": [
        {"_SystemTypeId": "TracedWorldSystem2"},
        {"_SystemTypeId": "TracedWorldSystem1", "data": "late"}]})"));

    orv::World unsaved;
    unsaved.registerSystem<serial_test::ScratchSystem>();
    unsaved.registerSystem<orv::PersistenceSystem>();
    unsaved.initSystems();
    EXPECT_EQ(orv::worldToJson(unsaved), Json::parse(R"({"entities": [], "systems_local": []})"));
}

TEST(WorldWriter, WritesOnlyPersistentEntitiesInArrivalOrder) {
    orv::World world;
    world.registerSystem<orv::PersistenceSystem>();
    world.initSystems();
    world.addEntity(statsEntity(1, std::make_unique<orv::PersistenceComponent>(true)));
    world.addEntity(statsEntity(2, std::make_unique<orv::PersistenceComponent>(false)));
    world.addEntity(statsEntity(3, nullptr));
    world.addEntity(statsEntity(4, std::make_unique<orv::PersistenceComponent>(true)));
    EXPECT_EQ(orv::worldToJson(world)["entities"], Json::parse(R"([
        {"components": {"stats": {"hp": 1}}},
        {"components": {"stats": {"hp": 4}}}])"));
}

TEST(WorldWriter, AWorldWithoutPersistenceSystemCannotBeWritten) {
    orv::World world;
    world.initSystems();
    EXPECT_EQ(messageOf<std::logic_error>([&] { orv::worldToJson(world); }),
              "System does not exist. SystemName: orv::PersistenceSystem");
}

TEST(EntityToJson, WritesTheComponentsPresentAtInitialisation) {
    auto entity = statsEntity(7, std::make_unique<orv::PersistenceComponent>(true));
    entity->addComponent<orv::TransformationComponent>();
    EXPECT_EQ(orv::SerializationManager::entityToJson(*entity),
              Json::parse(R"({"components": {"stats": {"hp": 7}}})"));

    EXPECT_TRUE(orv::SerializationManager::entityToJson(*statsEntity(7, nullptr)).is_null());
}

} // namespace
