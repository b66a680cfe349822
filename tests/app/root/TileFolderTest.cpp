#include "app/root/TileFolder.hpp"
#include "engine/common/JsonError.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/tiles/Tileset.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace {

std::string tile(const std::string& id) {
    return R"({"tile_id": ")" + id + R"(", "default": [0, 0, 16, 16]})";
}

std::vector<std::string> ids(const orv::Tileset& tileset) {
    std::vector<std::string> result;
    for (const orv::Tile& each : tileset)
        result.push_back(each.getTileId());
    return result;
}

struct TileFiles : testing::Test {
    TileFiles() {
        folder.write("tiles/water.tile", tile("WATER_LOW"));
        folder.write("tiles/ground/sand.tiles", "[" + tile("SAND") + ", " + tile("SAND_DARK") + "]");
        folder.write("tiles/ground/grass.json", tile("GRASS"));
        folder.write("tiles/b/dirt.json", tile("DIRT"));
        folder.write("tiles/notes.txt", tile("NOT_A_TILE"));
        folder.write("tiles/README", "not json at all");
        folder.write("tiles/empty.json", "null");
        // A folder with a tile extension is not a file and is walked into, not read.
        folder.write("tiles/odd.json/stones.tile", tile("STONES_SMOOTH"));
    }
    testsupport::TempFolder folder;
};

TEST_F(TileFiles, ListsTheThreeExtensionsRecursivelyInPathOrder) {
    const std::string base = (folder / "tiles").generic_string();
    EXPECT_EQ(tarsk::TileFolder(folder / "tiles").listFiles(),
              (std::vector<std::string>{base + "/b/dirt.json", base + "/empty.json",
                                        base + "/ground/grass.json", base + "/ground/sand.tiles",
                                        base + "/odd.json/stones.tile", base + "/water.tile"}));
}

TEST_F(TileFiles, LoadsEveryDocumentAfterTheTilesAlreadyHeldAndSkipsNull) {
    orv::ResourceManager resources;
    orv::Tileset tileset({}, nullptr);
    tileset.addTilesFromJson(nlohmann::json::parse(tile("BUILT_IN")));
    tarsk::TileFolder(folder / "tiles").loadInto(resources, tileset);
    EXPECT_EQ(ids(tileset), (std::vector<std::string>{"BUILT_IN", "DIRT", "GRASS", "SAND", "SAND_DARK",
                                                      "STONES_SMOOTH", "WATER_LOW"}));
    // Read through the resource manager by generic path, once per file.
    EXPECT_EQ(resources.size(), 6u);
}

TEST_F(TileFiles, AMalformedFileStopsTheLoadNamingTheFileAndTheValue) {
    folder.write("tiles/a_broken.json", R"([{"tile_id": "FINE", "default": [0, 0, 16, 16]},
                                            {"tile_id": 5, "default": [0, 0, 16, 16]}])");
    orv::ResourceManager resources;
    orv::Tileset tileset({}, nullptr);
    try {
        tarsk::TileFolder(folder / "tiles").loadInto(resources, tileset);
        ADD_FAILURE() << "loaded";
    } catch (const orv::JsonError& error) {
        EXPECT_EQ(std::string(error.what()),
                  (folder / "tiles/a_broken.json").generic_string() +
                      ": [1].tile_id: [json.exception.type_error.302] type must be "
                      "string, but is number");
    }
    EXPECT_TRUE(ids(tileset).empty());
}

TEST(TileFolder, MissingFolderIsAFileSystemError) {
    testsupport::TempFolder folder;
    orv::ResourceManager resources;
    orv::Tileset tileset({}, nullptr);
    EXPECT_THROW(tarsk::TileFolder(folder / "missing").loadInto(resources, tileset),
                 std::filesystem::filesystem_error);
}

} // namespace
