#include "tests/game/terrain/TerrainTestSupport.hpp"

#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/BindTypeIndex.hpp"
#include "engine/serialization/SerializationManager.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <typeindex>

using nlohmann::json;

namespace {

// The entries the game's registry makes for the terrain, as a saved world is read through them.
TEST(TerrainRegistration, ASavedTerrainEntityAndSystemAreReadBackByName) {
    const orv::Tileset tileset = terraintest::groundTiles();
    orv::ResourceManager resources;
    orv::ComponentFactories components{
        {"render", orv::bindTypeIndex<tarsk::RenderComponent>(&tarsk::RenderComponent::fromJson)},
        {"terrain",
         orv::bindTypeIndex<tarsk::TerrainComponent>(&tarsk::TerrainComponent::fromJson, std::cref(tileset))},
    };
    orv::WorldSystemFactories systems{
        {"TerrainSystem", orv::bindTypeIndex<tarsk::TerrainSystem>(&tarsk::TerrainSystem::create)},
    };
    const orv::SerializationManager registry(resources, std::move(components), std::move(systems), {});

    const json saved = {
        {"components",
         {{"render", {{"sortingOffset.x", 0}, {"sortingOffset.y", 0}, {"sortingOffset.z", 3}}},
          {"terrain", {{"size.x", 1}, {"size.y", 2}, {"tiles", {"WATER", "SAND"}}}}}}};
    auto entity = registry.entityFromJson(saved);
    entity->init();
    const auto* terrain = entity->getComponent<tarsk::TerrainComponent>();
    EXPECT_EQ(terrain->getTilemap().getTile({0, 1}), terraintest::tileOf(tileset, "SAND"));
    EXPECT_EQ(entity->getComponent<tarsk::RenderComponent>()->getSortingOffset().z, -100.f);
    EXPECT_EQ(terrain->toJson(), saved["components"]["terrain"]);

    auto [system, type] = registry.makeWorldSystem({{"_SystemTypeId", "TerrainSystem"}});
    EXPECT_EQ(type, std::type_index(typeid(tarsk::TerrainSystem)));
    EXPECT_NE(dynamic_cast<tarsk::TerrainSystem*>(system.get()), nullptr);
}

} // namespace
