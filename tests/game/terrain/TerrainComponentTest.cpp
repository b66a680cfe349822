#include "tests/game/terrain/TerrainTestSupport.hpp"

#include "game/terrain/TerrainComponentRenderer.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <climits>
#include <functional>
#include <stdexcept>
#include <string>

using nlohmann::json;
using tarsk::TerrainComponent;
using terraintest::groundTiles;
using terraintest::tileOf;

namespace {

template <class E>
void expectThrowContaining(const std::function<void()>& action, const std::string& part) {
    try {
        action();
        ADD_FAILURE() << "nothing thrown, expected: " << part;
    } catch (const E& error) {
        EXPECT_NE(std::string(error.what()).find(part), std::string::npos) << error.what();
    }
}

class TerrainComponentTest : public ::testing::Test {
protected:
    orv::Tileset tileset = groundTiles();
};

TEST_F(TerrainComponentTest, NewTerrainIsGrassEverywhereInSixteenPixelCells) {
    const TerrainComponent terrain(tileset, {100, 100});
    const orv::Tilemap& map = terrain.getTilemap();
    EXPECT_EQ(map.getSize(), sf::Vector2i(100, 100));
    EXPECT_EQ(map.getTileSize(), 16);
    EXPECT_EQ(map.getPixelSize(), sf::Vector2u(1600, 1600));
    const orv::Tile* grass = tileOf(tileset, "GRASS");
    for (const auto& column : map.getTiles())
        EXPECT_TRUE(
            std::all_of(column.begin(), column.end(), [&](const orv::Tile* t) { return t == grass; }));
}

TEST_F(TerrainComponentTest, ATileSetWithoutGrassIsReportedByName) {
    std::vector<orv::Tile> tiles;
    tiles.push_back(terraintest::plainTile("SAND", 0, {0, 0, 16, 16}));
    const orv::Tileset sandOnly(std::move(tiles), nullptr);
    expectThrowContaining<std::runtime_error>([&] { TerrainComponent(sandOnly, {4, 4}); }, "GRASS");
}

TEST_F(TerrainComponentTest, SidesBeyondOneTextureAreRejected) {
    const unsigned limit = TerrainComponent::MaxCells;
    EXPECT_EQ(limit * 16, TerrainComponent::MaxPixelExtent);
    EXPECT_NO_THROW(TerrainComponent(tileset, {limit, 1}));
    EXPECT_NO_THROW(TerrainComponent(tileset, {0, 0}));
    EXPECT_THROW(TerrainComponent(tileset, {limit + 1, 1}), std::invalid_argument);
    EXPECT_THROW(TerrainComponent(tileset, {1, limit + 1}), std::invalid_argument);
    // A negative count that went through an unsigned conversion.
    EXPECT_THROW(TerrainComponent(tileset, {static_cast<unsigned>(-1), 2}), std::invalid_argument);
    EXPECT_THROW(TerrainComponent(tileset, {2, UINT_MAX / 16 + 1}), std::invalid_argument);
}

TEST_F(TerrainComponentTest, TakesOverOnlyMapsOfItsTileSetAndTileSize) {
    const orv::Tile& sand = *tileOf(tileset, "SAND");
    const TerrainComponent terrain(tileset, orv::Tilemap({3, 2}, 16, sand, tileset));
    EXPECT_EQ(terrain.getTilemap().getTile({2, 1}), &sand);

    const orv::Tileset other = groundTiles();
    EXPECT_THROW(TerrainComponent(tileset, orv::Tilemap({3, 2}, 16, *tileOf(other, "SAND"), other)),
                 std::invalid_argument);
    EXPECT_THROW(TerrainComponent(tileset, orv::Tilemap({3, 2}, 8, sand, tileset)), std::invalid_argument);
    EXPECT_THROW(
        TerrainComponent(tileset, orv::Tilemap({TerrainComponent::MaxCells + 1, 1}, 16, sand, tileset)),
        std::invalid_argument);
}

TEST_F(TerrainComponentTest, InitialisingSortsItBehindEverythingAndHandsOverItsRenderer) {
    auto entity = std::make_unique<orv::Entity>();
    auto* render = entity->addComponent<tarsk::RenderComponent>();
    render->setSortingOffset({5.f, 6.f, 7.f});
    auto* terrain = entity->addComponent<TerrainComponent>(tileset, sf::Vector2u(4, 3));
    entity->init();

    EXPECT_EQ(render->getSortingOffset(), sf::Vector3f(0.f, 0.f, -100.f));
    ASSERT_EQ(render->getParts().size(), 1u);
    EXPECT_EQ(render->getParts().front(), &terrain->getRenderer());
    const auto* renderer = dynamic_cast<const tarsk::TerrainComponentRenderer*>(&terrain->getRenderer());
    ASSERT_NE(renderer, nullptr);
    // Nothing is drawn yet, so no GL texture exists.
    EXPECT_EQ(renderer->getTexture(), nullptr);
}

TEST_F(TerrainComponentTest, NeedsARenderComponent) {
    orv::Entity entity;
    entity.addComponent<TerrainComponent>(tileset, sf::Vector2u(2, 2));
    expectThrowContaining<std::logic_error>([&] { entity.init(); }, "Component does not exist. Typename: ");
}

class TerrainJson : public TerrainComponentTest {
protected:
    json written(const TerrainComponent& terrain) const { return terrain.toJsonData(); }
};

TEST_F(TerrainJson, CellsAreWrittenColumnByColumnAndReadBack) {
    TerrainComponent terrain(tileset, {3, 2});
    const orv::Tile* grass = tileOf(tileset, "GRASS");
    const orv::Tile* sand = tileOf(tileset, "SAND");
    const orv::Tile* water = tileOf(tileset, "WATER");
    terrain.getTilemap().setTiles(
        {{{0, 0}, grass}, {{0, 1}, sand}, {{1, 0}, water}, {{1, 1}, grass}, {{2, 0}, sand}, {{2, 1}, water}});

    const json expected = {
        {"size.x", 3}, {"size.y", 2}, {"tiles", {"GRASS", "SAND", "WATER", "GRASS", "SAND", "WATER"}}};
    ASSERT_EQ(written(terrain), expected);
    // Element 1 is cell (0, 1), element 2 is cell (1, 0).
    EXPECT_EQ(expected["tiles"][1], "SAND");
    EXPECT_EQ(expected["tiles"][2], "WATER");

    const auto read = TerrainComponent::fromJson(expected, tileset);
    EXPECT_EQ(read->getTilemap().getSize(), sf::Vector2i(3, 2));
    EXPECT_EQ(read->getTilemap().getTiles(), terrain.getTilemap().getTiles());
    EXPECT_EQ(written(*read), expected);
}

TEST_F(TerrainJson, BadRecordsAreRefusedWithTheirReason) {
    const json good = {{"size.x", 2}, {"size.y", 1}, {"tiles", {"SAND", "GRASS"}}};
    const auto read = [&](const json& data) {
        return [&, data] {
            TerrainComponent::fromJson(data, tileset);
        };
    };
    const auto with = [&](const std::string& key, const json& value) {
        json data = good;
        data[key] = value;
        return data;
    };
    const auto without = [&](const std::string& key) {
        json data = good;
        data.erase(key);
        return data;
    };

    expectThrowContaining<json::type_error>(read(json::array()), "[json.exception.type_error.305]");
    for (const char* key : {"size.x", "size.y", "tiles"})
        expectThrowContaining<std::logic_error>(read(without(key)), "json does not contain required value");

    for (const json& size :
         {json(-1), json(1.5), json("2"), json(TerrainComponent::MaxCells + 1), json(1e12)})
        expectThrowContaining<std::runtime_error>(read(with("size.x", size)), "size.x: ");
    expectThrowContaining<std::runtime_error>(read(with("size.y", -3)), "size.y: ");

    expectThrowContaining<json::type_error>(read(with("tiles", "SAND")), "type must be array, but is string");
    expectThrowContaining<std::runtime_error>(read(with("tiles", {"SAND"})),
                                              "holds 1 tile ids, a 2 x 1 terrain needs 2");
    expectThrowContaining<std::runtime_error>(read(with("tiles", {"SAND", "SAND", "SAND"})),
                                              "holds 3 tile ids");
    expectThrowContaining<json::type_error>(read(with("tiles", {"SAND", 4})),
                                            "type must be string, but is number");
    expectThrowContaining<json::type_error>(read(with("tiles", {nullptr, "SAND"})),
                                            "type must be string, but is null");
    expectThrowContaining<std::runtime_error>(read(with("tiles", {"SAND", "LAVA"})),
                                              "Terrain tile id not in the tile set: LAVA");
    EXPECT_NO_THROW(read(good)());
}

} // namespace
