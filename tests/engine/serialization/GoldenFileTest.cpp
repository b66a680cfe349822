#include "SerialTestTypes.hpp"

#include "engine/persistence/PeristenceRealmSystem_global.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/persistence/PersistenceSystem.hpp"
#include "engine/serialization/WorldReader.hpp"
#include "engine/serialization/WorldWriter.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

using serial_test::Registry;
using serial_test::Stats;
using Json = nlohmann::json;

const std::string GoldenFolder = ORV_SOURCE_DIR "/tests/engine/serialization/golden";

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::unique_ptr<orv::World> emptyWorld(serial_test::Log& log) {
    auto world = std::make_unique<orv::World>();
    world->registerSystem<serial_test::TracedWorldSystem<1>>(log, Json{{"seed", 42}});
    world->registerSystem<serial_test::ScratchSystem>();
    world->registerSystem<orv::PersistenceSystem>();
    world->initSystems();
    return world;
}

std::unique_ptr<orv::Entity> persistent(std::unique_ptr<orv::Entity> entity, bool flag = true) {
    entity->addComponent<orv::PersistenceComponent>(flag);
    entity->init();
    return entity;
}

// Two containers (the second inactive), a manager-wide system, a plain entity, a blueprint
// entity, and an entity saved elsewhere.
std::unique_ptr<orv::WorldManager> buildGame(Registry& registry) {
    auto manager = std::make_unique<orv::WorldManager>(3);
    manager->registerSystem<orv::PeristenceRealmSystem_global>();
    manager->initSystems();

    auto island = emptyWorld(registry.log);
    auto plain = std::make_unique<orv::Entity>();
    auto* transform = plain->addComponent<orv::TransformationComponent>();
    transform->setPosition({3.f, 4.5f, 0.f});
    transform->setRotation(0.1f); // not exact in binary: the float must survive the round trip
    plain->addComponent<Stats>(Json::parse(R"({"hp": 10, "tags": ["a", "b"]})"));
    island->addEntity(persistent(std::move(plain)));

    auto tree = persistent(registry.types.instantiate("tree"));
    tree->getComponent<orv::TransformationComponent>()->setPosition({-2.f, 7.f, 1.f});
    tree->getComponent<Stats>()->data["age"] = 7;
    island->addEntity(std::move(tree));

    auto player = std::make_unique<orv::Entity>();
    player->addComponent<Stats>(Json{{"hp", 99}});
    island->addEntity(persistent(std::move(player), false));
    manager->addExistingWorldContainer(orv::WorldContainer(1, std::move(island), true, "island"));

    auto cave = std::make_unique<orv::World>();
    cave->registerSystem<orv::PersistenceSystem>();
    cave->initSystems();
    auto bat = std::make_unique<orv::Entity>();
    bat->addComponent<Stats>(Json{{"hp", 1}});
    cave->addEntity(persistent(std::move(bat)));
    manager->addExistingWorldContainer(orv::WorldContainer(2, std::move(cave), false, "cave"));
    return manager;
}

TEST(GoldenFile, AGameIsWrittenAsTheCommittedTextAndReadBackToTheSameText) {
    Registry registry;
    registry.types.getBlueprintManager().loadAll(GoldenFolder + "/blueprint");

    const std::string expected = readFile(GoldenFolder + "/world_manager.json");
    ASSERT_FALSE(expected.empty());
    const std::string written = orv::worldManagerToJson(*buildGame(registry)).dump(4) + "\n";
    EXPECT_EQ(written, expected);

    auto loaded = orv::worldManagerFromJson(registry.types, Json::parse(expected));
    EXPECT_EQ(orv::worldManagerToJson(*loaded).dump(4) + "\n", expected);

    // The float that has no exact decimal form comes back as the same float.
    const orv::Entity* plain = loaded->getWorldContainer(1)->getWorld()->getEntities().front().get();
    EXPECT_EQ(plain->getComponent<orv::TransformationComponent>()->getRotation(), 0.1f);
}

} // namespace
