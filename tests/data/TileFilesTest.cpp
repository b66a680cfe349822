#include "tests/data/DataFolder.hpp"

#include "engine/tiles/Tile.hpp"
#include "engine/tiles/Tileset.hpp"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <set>

namespace {

using datatest::dataFolder;

const std::vector<std::string> kGeneratorIds = {"STONES_SMOOTH", "DIRT",      "GRASS",
                                                "SAND",          "WATER_LOW", "WATER_DEEP"};

class TileFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sheet.loadFromFile((dataFolder() / "tileset.png").string()));
        const auto files = datatest::filesBelow(dataFolder() / "tiles", {".tile", ".tiles", ".json"});
        ASSERT_FALSE(files.empty());
        for (const auto& file : files) {
            std::ifstream in(file);
            const auto document = nlohmann::json::parse(in);
            ASSERT_NO_THROW(tileset.addTilesFromJson(document)) << file;
        }
    }

    const orv::Tile& tile(const std::string& id) const {
        const auto it = tileset.findTile(id);
        EXPECT_NE(it, tileset.end()) << id;
        return *it;
    }

    // Every rectangle that a variant can show.
    static std::vector<sf::IntRect> rectsOf(const orv::Variant& variant) {
        std::vector<sf::IntRect> rects;
        for (const auto& frame : variant.getFrames()) {
            rects.push_back(frame.rect);
        }
        return rects;
    }

    int opaquePixels(const sf::IntRect& r) const {
        int count = 0;
        for (int y = r.top; y < r.top + r.height; ++y) {
            for (int x = r.left; x < r.left + r.width; ++x) {
                count += sheet.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a == 255;
            }
        }
        return count;
    }

    bool opaqueAt(const sf::IntRect& r, int x, int y) const {
        return sheet.getPixel(static_cast<unsigned>(r.left + x), static_cast<unsigned>(r.top + y)).a > 0;
    }

    sf::Image sheet;
    orv::Tileset tileset{{}, nullptr};
};

TEST_F(TileFiles, DefineEveryGeneratorTileOnceWithLooksInsideTheSheet) {
    const sf::IntRect bounds(0, 0, static_cast<int>(sheet.getSize().x), static_cast<int>(sheet.getSize().y));
    std::set<std::string> seen;
    for (const auto& t : tileset) {
        EXPECT_TRUE(seen.insert(t.getTileId()).second) << "defined twice: " << t.getTileId();
        std::vector<const orv::Variant*> looks;
        for (const auto& v : t.getVariantPool()) {
            looks.push_back(&v);
        }
        for (const auto& v : t.getTransitionPool()) {
            looks.push_back(&v);
        }
        for (const auto* look : looks) {
            for (const auto& r : rectsOf(*look)) {
                sf::IntRect inside;
                EXPECT_TRUE(bounds.intersects(r, inside) && inside == r) << t.getTileId();
                EXPECT_EQ(r.width, 16);
                EXPECT_EQ(r.height, 16);
            }
        }
    }
    for (const auto& id : kGeneratorIds) {
        EXPECT_NE(tileset.findTile(id), tileset.end()) << id;
    }
}

TEST_F(TileFiles, GroundLooksAreSolidAndOverlaysLetTheGroundShowThrough) {
    for (const auto& t : tileset) {
        for (const auto& v : t.getVariantPool()) {
            for (const auto& r : rectsOf(v)) {
                EXPECT_EQ(opaquePixels(r), 256)
                    << t.getTileId() << " has holes at " << r.left << "," << r.top;
            }
        }
        for (const auto& v : t.getTransitionPool()) {
            for (const auto& r : rectsOf(v)) {
                const int opaque = opaquePixels(r);
                EXPECT_GT(opaque, 0) << t.getTileId() << " overlay at " << r.left << "," << r.top
                                     << " is empty";
                EXPECT_LT(opaque, 256)
                    << t.getTileId() << " overlay at " << r.left << "," << r.top << " hides all";
            }
        }
    }
}

TEST_F(TileFiles, WaterPaintsOverTheShoreAndDeepWaterOverShallows) {
    EXPECT_GT(tile("WATER_DEEP").getStackingPriority(), tile("WATER_LOW").getStackingPriority());
    EXPECT_GT(tile("WATER_LOW").getStackingPriority(), tile("SAND").getStackingPriority());
    EXPECT_GT(tile("WATER_LOW").getStackingPriority(), tile("GRASS").getStackingPriority());
    EXPECT_GT(tile("GRASS").getStackingPriority(), tile("SAND").getStackingPriority());
    // Animated water keeps its overlays in step with the open water next to them.
    for (const char* id : {"WATER_LOW", "WATER_DEEP"}) {
        const auto& water = tile(id);
        EXPECT_TRUE(water.getDefaultVariant().isAnimated()) << id;
        for (const auto& v : water.getTransitionPool()) {
            EXPECT_EQ(v.getTotalMilliseconds(), water.getDefaultVariant().getTotalMilliseconds()) << id;
            EXPECT_EQ(v.getFrames().size(), water.getDefaultVariant().getFrames().size()) << id;
        }
    }
}

// Every way a higher tile can surround a lower cell has an overlay, and the overlay covers the
// sides and corners where the higher tile is and leaves the others free.
TEST_F(TileFiles, OverlaysCoverEveryArrangementFromTheRightSide) {
    const orv::Tile lower("LOWER_PROBE", "probe", {}, sf::IntRect(0, 0, 16, 16));
    for (const auto& higher : tileset) {
        if (higher.getTransitionRules().empty()) {
            continue;
        }
        for (int mask = 1; mask < 256; ++mask) {
            orv::Neighbours around{};
            for (std::size_t k = 0; k < 8; ++k) {
                around[k] = (mask >> k) & 1 ? &higher : &lower;
            }
            const orv::Variant* overlay = higher.selectTransition(around);
            ASSERT_NE(overlay, nullptr) << higher.getTileId() << " mask " << mask;
            const sf::IntRect r = overlay->getFrames().front().rect;
            const bool north = mask & (1 << 1);
            const bool west = mask & (1 << 3);
            const bool east = mask & (1 << 4);
            const bool south = mask & (1 << 6);
            const bool southCornerFree = !(mask & ((1 << 5) | (1 << 7)));
            auto taken = [mask](int bit) {
                return (mask & (1 << bit)) != 0;
            };
            EXPECT_EQ(opaqueAt(r, 0, 0), north || west || taken(0)) << higher.getTileId() << " mask " << mask;
            EXPECT_EQ(opaqueAt(r, 15, 0), north || east || taken(2))
                << higher.getTileId() << " mask " << mask;
            EXPECT_EQ(opaqueAt(r, 0, 15), south || west || taken(5))
                << higher.getTileId() << " mask " << mask;
            EXPECT_EQ(opaqueAt(r, 15, 15), south || east || taken(7))
                << higher.getTileId() << " mask " << mask;
            EXPECT_EQ(opaqueAt(r, 8, 0), north) << higher.getTileId() << " mask " << mask;
            EXPECT_EQ(opaqueAt(r, 0, 8), west) << higher.getTileId() << " mask " << mask;
            EXPECT_EQ(opaqueAt(r, 15, 8), east) << higher.getTileId() << " mask " << mask;
            EXPECT_EQ(opaqueAt(r, 8, 15), south) << higher.getTileId() << " mask " << mask;
            if (!north && !west && !east && !south && southCornerFree) {
                EXPECT_FALSE(opaqueAt(r, 8, 12)) << higher.getTileId() << " mask " << mask;
            }
        }
    }
}

// The game's built-in tiles point at fixed places of the sheet; each must hold its own ground.
TEST_F(TileFiles, BuiltInTilePlacesHoldDistinctSolidGround) {
    const sf::Vector2i places[] = {{32, 0}, {64, 0}, {48, 0}, {48, 16}, {32, 16}, {64, 16}, {80, 16}};
    std::set<std::vector<std::uint32_t>> pictures;
    for (const auto& p : places) {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const auto c = sheet.getPixel(static_cast<unsigned>(p.x + x), static_cast<unsigned>(p.y + y));
                EXPECT_EQ(c.a, 255) << p.x << "," << p.y;
                pixels.push_back(c.toInteger());
            }
        }
        pictures.insert(pixels);
    }
    EXPECT_EQ(pictures.size(), std::size(places));
    // The files' own tiles reuse those pictures as their default looks.
    EXPECT_EQ(tile("GRASS").getDefaultVariant().getFrames().front().rect, sf::IntRect(32, 0, 16, 16));
    EXPECT_EQ(tile("SAND").getDefaultVariant().getFrames().front().rect, sf::IntRect(64, 0, 16, 16));
    EXPECT_EQ(tile("STONES_SMOOTH").getDefaultVariant().getFrames().front().rect,
              sf::IntRect(64, 16, 16, 16));
}

} // namespace
