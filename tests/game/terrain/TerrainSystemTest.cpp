#include "tests/game/terrain/TerrainTestSupport.hpp"

#include "engine/resources/ResourceManager.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/render/SpriteComponent.hpp"
#include "support/TempFolder.hpp"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

using tarsk::TerrainComponent;
using tarsk::TerrainSystem;
using terraintest::groundTiles;
using terraintest::terrainEntity;
using terraintest::TerrainWorld;
using terraintest::tileOf;

namespace {

class TerrainSystemTest : public ::testing::Test {
protected:
    TerrainComponent& terrainOf(const orv::Entity* entity) {
        return *entity->getComponent<TerrainComponent>();
    }

    orv::Tileset tileset = groundTiles();
    TerrainWorld w;
};

// Left edge of the picture the base layer shows at a cell.
float shownLeft(const orv::Tilemap& map, sf::Vector2i cell) {
    const sf::Vertex* quad =
        map.getLayer(0).find(std::size_t(cell.x) * std::size_t(map.getSize().y) + cell.y);
    return quad ? quad[0].texCoords.x : -1.f;
}

TEST_F(TerrainSystemTest, TileAnimationsRunOnRealTimeNotGameTime) {
    const orv::Entity* entity = w.world.addEntity(terrainEntity(tileset, {3, 3}));
    orv::Tilemap& map = terrainOf(entity).getTilemap();
    map.setTiles({{{1, 1}, tileOf(tileset, "WATER")}});

    w.frame(sf::seconds(1.f / 60.f));
    EXPECT_NEAR(w.time->getGameTimeDelta().asSeconds(), 1.6f, 1e-4f);
    EXPECT_EQ(map.getTime(), 16u);

    // Three 50 ms frames: 150 ms of real time shows the second 100 ms water frame, while the
    // 14.4 s of game time would have come back round to the first.
    w.frame(sf::milliseconds(50) - sf::microseconds(16666));
    w.frame(sf::milliseconds(50));
    w.frame(sf::milliseconds(50));
    EXPECT_EQ(map.getTime(), 150u);
    EXPECT_EQ(shownLeft(map, {1, 1}), float(terraintest::waterFrame1.left));
    EXPECT_EQ(TerrainSystem::tileClock(w.time->getTotalTime()), 150u);
}

TEST_F(TerrainSystemTest, TheClockIsWholeRealMilliseconds) {
    EXPECT_EQ(TerrainSystem::tileClock(sf::microseconds(999)), 0u);
    EXPECT_EQ(TerrainSystem::tileClock(sf::microseconds(1999)), 1u);
    EXPECT_EQ(TerrainSystem::tileClock(sf::seconds(90.f)), 90000u);
    EXPECT_EQ(TerrainSystem::tileClock(sf::microseconds(-5000)), 0u);
    // Past 2^32 ms (49.7 days) the clock wraps instead of overflowing a signed count.
    const std::int64_t wrap = std::int64_t(1) << 32;
    EXPECT_EQ(TerrainSystem::tileClock(sf::microseconds((wrap + 7) * 1000)), 7u);
}

TEST_F(TerrainSystemTest, LearnsOfTheTerrainWhenItArrives) {
    EXPECT_EQ(w.terrain->getTerrainEntity(), nullptr);
    w.frame(sf::milliseconds(10)); // nothing to clock yet

    std::vector<std::unique_ptr<orv::Entity>> batch;
    auto plain = std::make_unique<orv::Entity>();
    plain->init();
    batch.push_back(std::move(plain));
    batch.push_back(terrainEntity(tileset, {2, 2}));
    const auto added = w.world.addEntities(std::move(batch));
    EXPECT_EQ(w.terrain->getTerrainEntity(), added[1]);

    EXPECT_EQ(w.terrain->toJson(), nlohmann::json({{"_SystemTypeId", "TerrainSystem"}}));
    EXPECT_EQ(TerrainSystem::create(nullptr)->getSystemTypeName(), "TerrainSystem");
}

TEST_F(TerrainSystemTest, ASecondTerrainIsRefusedAndTheFirstStays) {
    const orv::Entity* first = w.world.addEntity(terrainEntity(tileset, {2, 2}));
    auto second = terrainEntity(tileset, {2, 2});
    TerrainComponent& secondTerrain = *second->getComponent<TerrainComponent>();
    EXPECT_THROW(w.world.addEntity(std::move(second)), std::logic_error);
    EXPECT_EQ(w.terrain->getTerrainEntity(), first);
    // Refused before it entered the world: the caller still owns it.
    EXPECT_EQ(w.world.getEntityCount(), 1u);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->getWorld(), nullptr);

    w.frame(sf::milliseconds(40));
    EXPECT_EQ(terrainOf(first).getTilemap().getTime(), 40u);
    EXPECT_EQ(secondTerrain.getTilemap().getTime(), 0u);
}

TEST_F(TerrainSystemTest, ABatchWithTwoTerrainsIsRefusedWhole) {
    std::vector<std::unique_ptr<orv::Entity>> batch;
    batch.push_back(terrainEntity(tileset, {2, 2}));
    batch.push_back(terrainEntity(tileset, {2, 2}));
    EXPECT_THROW(w.world.addEntities(std::move(batch)), std::logic_error);
    EXPECT_EQ(w.terrain->getTerrainEntity(), nullptr);
    EXPECT_EQ(w.world.getEntityCount(), 0u);
    EXPECT_EQ(batch.size(), 2u);
}

TEST_F(TerrainSystemTest, RemovingTheTerrainForgetsIt) {
    const orv::Entity* first = w.world.addEntity(terrainEntity(tileset, {2, 2}));
    auto removed = w.world.removeEntities({first});
    removed.clear(); // the terrain is gone for good
    EXPECT_EQ(w.terrain->getTerrainEntity(), nullptr);
    w.frame(sf::milliseconds(20)); // must not touch the deleted map

    const orv::Entity* next = w.world.addEntity(terrainEntity(tileset, {2, 2}));
    EXPECT_EQ(w.terrain->getTerrainEntity(), next);
    w.frame(sf::milliseconds(20));
    EXPECT_EQ(terrainOf(next).getTilemap().getTime(), 40u);
}

TEST(TerrainSystemSetup, NeedsTheWorldsTimeSystem) {
    orv::World world;
    world.registerSystem<TerrainSystem>();
    try {
        world.initSystems();
        ADD_FAILURE() << "initialised without a time system";
    } catch (const std::logic_error& error) {
        EXPECT_EQ(std::string(error.what()), "System does not exist. SystemName: tarsk::TimeSystem");
    }
}

// A sprite above the map's top edge still draws over the terrain.
TEST(TerrainDrawOrder, TheTerrainSortsBeforeASpriteAtNegativeY) {
    const testsupport::TempFolder folder;
    const std::string texture = (folder / "tree.png").string();
    sf::Image image;
    image.create(16, 16, sf::Color::Green);
    ASSERT_TRUE(image.saveToFile(texture));

    const orv::Tileset tileset = groundTiles();
    orv::ResourceManager resources;
    TerrainWorld w;
    auto sprite = std::make_unique<orv::Entity>();
    sprite->addComponent<orv::TransformationComponent>()->setPosition({3.f, -50.f, 0.f});
    sprite->addComponent<tarsk::RenderComponent>();
    tarsk::SpriteDescription description;
    description.textureResourceId = texture;
    sprite->addComponent<tarsk::SpriteComponent>(resources, description);
    sprite->init();
    const orv::Entity* tree = w.world.addEntity(std::move(sprite));
    const orv::Entity* ground = w.world.addEntity(terrainEntity(tileset, {8, 8}));

    w.render->sortRenderables();
    const auto& order = w.render->getRenderables();
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0].entity, ground);
    EXPECT_EQ(order[1].entity, tree);
}

} // namespace
