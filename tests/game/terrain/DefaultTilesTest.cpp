#include "game/terrain/DefaultTiles.hpp"

#include "engine/tiles/Tileset.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct Expected {
    std::string id;
    sf::IntRect rect;
};

const std::vector<Expected> expectedTiles = {
    {"GRASS_INTERNAL", {32, 0, 16, 16}},        {"SAND_INTERNAL", {64, 0, 16, 16}},
    {"DIRT_INTERNAL", {48, 0, 16, 16}},         {"WATER_LOW_INTERNAL", {48, 16, 16, 16}},
    {"WATER_DEEP_INTERNAL", {32, 16, 16, 16}},  {"STONES_SMOOTH_INTERNAL", {64, 16, 16, 16}},
    {"PLANKS_WOOD_INTERNAL", {80, 16, 16, 16}},
};

TEST(DefaultTiles, AreSevenStillPlainTilesInTheirOrder) {
    const std::vector<orv::Tile> tiles = tarsk::generateDefaultTileDefinitions();
    ASSERT_EQ(tiles.size(), expectedTiles.size());
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const orv::Tile& tile = tiles[i];
        SCOPED_TRACE(expectedTiles[i].id);
        EXPECT_EQ(tile.getTileId(), expectedTiles[i].id);
        EXPECT_EQ(tile.getTileName(), expectedTiles[i].id);
        EXPECT_TRUE(tile.getCategories().empty());
        EXPECT_EQ(tile.getStackingPriority(), 0);
        ASSERT_EQ(tile.getVariantPool().size(), 1u);
        ASSERT_EQ(tile.getDefaultVariant().getFrames().size(), 1u);
        EXPECT_EQ(tile.getDefaultVariant().getFrames().front().rect, expectedTiles[i].rect);
        EXPECT_FALSE(tile.getDefaultVariant().isAnimated());
        EXPECT_FALSE(tile.hasVariants());
        EXPECT_TRUE(tile.getTransitionPool().empty());
    }
}

// The tile files draw the same kinds of ground from the same sheet: a built-in tile must show
// the picture its file counterpart starts with, or the two kinds would not match side by side.
TEST(DefaultTiles, ShowTheFirstPictureOfTheirTileFileCounterparts) {
    orv::Tileset files({}, nullptr);
    const std::filesystem::path folder = std::filesystem::path(ORV_SOURCE_DIR) / "data" / "tiles";
    for (const char* name : {"grass", "sand", "dirt", "water_low", "water_deep", "stones_smooth"}) {
        std::ifstream in(folder / (std::string(name) + ".json"));
        ASSERT_TRUE(in) << name;
        files.addTilesFromJson(nlohmann::json::parse(in));
    }
    const std::string suffix = "_INTERNAL";
    for (const orv::Tile& tile : tarsk::generateDefaultTileDefinitions()) {
        const std::string& id = tile.getTileId();
        const auto counterpart = files.findTile(id.substr(0, id.size() - suffix.size()));
        if (counterpart == files.end()) {
            EXPECT_EQ(id, "PLANKS_WOOD_INTERNAL") << "only the planks have no tile file";
            continue;
        }
        EXPECT_EQ(tile.getDefaultVariant().getFrames().front().rect,
                  counterpart->getDefaultVariant().getFrames().front().rect)
            << id;
    }
}

} // namespace
