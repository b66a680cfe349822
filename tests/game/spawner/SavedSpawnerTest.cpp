#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/BindTypeIndex.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/serialization/WorldReader.hpp"
#include "engine/serialization/WorldWriter.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/random/RandomNumberGenerator.hpp"
#include "game/spawner/SpawnerComponent.hpp"
#include "game/spawner/SpawnerSystem.hpp"
#include "game/time/TimeSystem.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

using json = nlohmann::json;
using tarsk::SpawnerComponent;
using tarsk::SpawnerSystem;

namespace {

class SavedSpawnerTest : public ::testing::Test {
protected:
    SavedSpawnerTest()
        : types(resources,
                {{"transform",
                  orv::bindTypeIndex<orv::TransformationComponent>(&orv::TransformationComponent::fromJson)},
                 {"spawner", orv::bindTypeIndex<SpawnerComponent>(&SpawnerComponent::fromJson)}},
                {{"TimeSystem", orv::bindTypeIndex<tarsk::TimeSystem>(&tarsk::TimeSystem::fromJson)},
                 {"SpawnerSystem",
                  orv::bindTypeIndex<SpawnerSystem>(&SpawnerSystem::create, maker(), std::cref(random))}},
                {}) {}

    // Frogs the saved game does not keep: they have no persistence component.
    tarsk::EntityMaker maker() {
        return [this](const std::string& id) {
            made.push_back(id);
            auto entity = std::make_unique<orv::Entity>();
            entity->addComponent<orv::TransformationComponent>();
            return entity;
        };
    }

    static json treeWorld() {
        const json spawner = {{"entityIdToSpawn", "entity_internal_ENEMY_FROG"},
                              {"timeBetweenSpawnEvents", 600000},
                              {"spawnProbability", 0.25},
                              {"spawnCount", 1},
                              {"spawnRadius", 3.0},
                              {"maxConcurrentlySpawnedEntities", 2}};
        return {
            {"systems_local",
             {{{"_SystemTypeId", "TimeSystem"}, {"time.hours", 8}, {"time.minutes", 0}, {"time.seconds", 0}},
              {{"_SystemTypeId", "SpawnerSystem"}}}},
            {"entities",
             {{{"components",
                {{"transform", {{"position", {1.0, 1.0, 0.0}}, {"rotation", 0.0}, {"scale", {1.0, 1.0}}}},
                 {"spawner", spawner}}}}}}};
    }

    static void frame(orv::World& world) {
        world.getSystem<tarsk::TimeSystem>()->setFrameTime(sf::milliseconds(16));
        world.update();
    }

    tarsk::RandomNumberGenerator random{3u};
    std::vector<std::string> made;
    orv::ResourceManager resources;
    orv::SerializationManager types;
};

TEST_F(SavedSpawnerTest, LoadedSpawnerFillsUpAgainAndIsSavedUnchanged) {
    auto world = orv::worldFromJson(types, treeWorld());
    frame(*world);
    EXPECT_EQ(made.size(), 2u);
    EXPECT_EQ(world->getEntityCount(), 3u);

    const json saved = orv::worldToJson(*world);
    EXPECT_EQ(saved["systems_local"][1], (json{{"_SystemTypeId", "SpawnerSystem"}}));
    ASSERT_EQ(saved["entities"].size(), 1u);
    EXPECT_EQ(saved["entities"][0]["components"]["spawner"],
              treeWorld()["entities"][0]["components"]["spawner"]);

    // What it made before the save is gone with the old world; the reloaded spawner fills up again.
    auto reloaded = orv::worldFromJson(types, saved);
    frame(*reloaded);
    EXPECT_EQ(made.size(), 4u);
    EXPECT_EQ(reloaded->getEntityCount(), 3u);
}

} // namespace
