#include "engine/tiles/Tileset.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/tiles/TileTestSupport.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <stdexcept>

using nlohmann::json;

namespace {

std::vector<orv::Tile> builtIns() {
    std::vector<orv::Tile> tiles;
    tiles.push_back(tiletest::plainTile("GRASS", 0, {32, 0, 16, 16}));
    tiles.push_back(tiletest::plainTile("SAND", 0, {64, 0, 16, 16}));
    return tiles;
}

std::vector<std::string> ids(const orv::Tileset& tileset) {
    std::vector<std::string> result;
    for (const orv::Tile& tile : tileset)
        result.push_back(tile.getTileId());
    return result;
}

} // namespace

TEST(Tileset, KeepsTilesInLoadOrderAndFindsTheFirstOfAnId) {
    orv::Tileset tileset(builtIns(), nullptr);

    tileset.addTilesFromJson(json::parse(R"([
        {"tile_id": "WATER", "default": [0, 16, 16, 16]},
        {"tile_id": "GRASS", "tile_name": "Other grass", "default": [0, 32, 16, 16]}])"));
    tileset.addTilesFromJson(json::parse(R"({"tile_id": "DIRT", "default": [0, 48, 16, 16]})"));

    EXPECT_EQ(ids(tileset), (std::vector<std::string>{"GRASS", "SAND", "WATER", "GRASS", "DIRT"}));
    ASSERT_NE(tileset.findTile("GRASS"), tileset.end());
    EXPECT_EQ(&*tileset.findTile("GRASS"), &tileset.getTiles()[0]);
    EXPECT_EQ(tileset.findTile("GRASS")->getTileName(), "GRASS");
    EXPECT_EQ(&*tileset.findTile("DIRT"), &tileset.getTiles()[4]);
    EXPECT_EQ(tileset.findTile("grass"), tileset.end());
    EXPECT_EQ(tileset.findTile(""), tileset.end());
}

TEST(Tileset, EarlierTilesKeepTheirAddressesWhenMoreAreAdded) {
    orv::Tileset tileset(builtIns(), nullptr);
    const orv::Tile* grass = &tiletest::findTile(tileset, "GRASS");
    const orv::Variant* grassLook = &grass->getDefaultVariant();

    json many = json::array();
    for (int i = 0; i < 500; ++i)
        many.push_back(
            {{"tile_id", std::string("T").append(std::to_string(i))}, {"default", {i, 0, 16, 16}}});
    tileset.addTilesFromJson(many);
    tileset.addTilesFromJson(many);

    EXPECT_EQ(tileset.getTiles().size(), 1002u);
    EXPECT_EQ(&tiletest::findTile(tileset, "GRASS"), grass);
    EXPECT_EQ(&grass->getDefaultVariant(), grassLook);

    // Moving the whole set keeps the definitions where maps point to them.
    const orv::Tile* t7 = &tiletest::findTile(tileset, "T7");
    orv::Tileset moved(std::move(tileset));
    EXPECT_EQ(&tiletest::findTile(moved, "T7"), t7);
    EXPECT_EQ(&tiletest::findTile(moved, "GRASS"), grass);
}

TEST(Tileset, BadDocumentAddsNothing) {
    orv::Tileset tileset(builtIns(), nullptr);
    // The bad element comes last, after a good tile that must not be kept either.
    EXPECT_THROW(tileset.addTilesFromJson(json::parse(R"([
        {"tile_id": "WATER", "default": [0, 16, 16, 16]},
        {"tile_id": "BROKEN", "default": [[0, 0, 16, 16]]}])")),
                 std::runtime_error);
    EXPECT_THROW(
        tileset.addTilesFromJson(json::parse(R"([{"tile_id": "WATER", "default": [0, 16, 16, 16]}, "x"])")),
        std::runtime_error);
    EXPECT_THROW(
        tileset.addTilesFromJson(json::parse(R"([{"tile_id": "WATER", "default": [0, 16, 16, 16]}, {}])")),
        orv::JsonError);
    EXPECT_EQ(ids(tileset), (std::vector<std::string>{"GRASS", "SAND"}));
}
