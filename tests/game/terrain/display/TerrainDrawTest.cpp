#include "tests/game/terrain/TerrainTestSupport.hpp"

#include "game/terrain/TerrainComponentRenderer.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <vector>

using tarsk::TerrainComponent;
using terraintest::terrainEntity;
using terraintest::TerrainWorld;
using terraintest::tileOf;

namespace {

constexpr int cells = 20;
constexpr int pixels = cells * 16;

const sf::Color meadow(200, 40, 40);
const sf::Color sea(30, 60, 220);
const sf::Color swell(40, 200, 220);
const sf::Color foam(250, 230, 60);

// A sheet of solid squares: grass, two water frames, and an overlay whose east half is foam.
sf::Image syntheticSheet() {
    sf::Image sheet;
    sheet.create(64, 16, sf::Color::Transparent);
    for (unsigned y = 0; y < 16; ++y) {
        for (unsigned x = 0; x < 16; ++x) {
            sheet.setPixel(x, y, meadow);
            sheet.setPixel(16 + x, y, sea);
            sheet.setPixel(32 + x, y, swell);
            if (x >= 8)
                sheet.setPixel(48 + x, y, foam);
        }
    }
    return sheet;
}

// Grass below water; water lays foam on the east half of a grass cell whose east neighbour it is.
std::vector<orv::Tile> syntheticTiles() {
    std::vector<orv::Tile> tiles;
    tiles.push_back(terraintest::plainTile("GRASS", 0, {0, 0, 16, 16}));
    const orv::Variant waves(
        {{{16, 0, 16, 16}, sf::milliseconds(100)}, {{32, 0, 16, 16}, sf::milliseconds(100)}});
    orv::Pattern eastIsWater;
    eastIsWater.fill("?");
    eastIsWater[5] = "X";
    tiles.push_back(orv::Tile("WATER", "Water", {}, {waves}, {}, 1,
                              {orv::Variant(sf::IntRect(48, 0, 16, 16))},
                              {orv::VariantRule{eastIsWater, 0}}));
    return tiles;
}

class TerrainDraw : public ::testing::Test {
protected:
    // One target for the whole suite: opening and closing GL contexts in quick succession is what
    // a virtual X server copes with worst.
    static void SetUpTestSuite() {
        target = std::make_unique<sf::RenderTexture>();
        ASSERT_TRUE(target->create(pixels, pixels));
    }
    static void TearDownTestSuite() { target.reset(); }

    // The world's frame as the render pass draws it: renderables in order, through a view of
    // the whole 20 × 20 unit map.
    static sf::Image drawWorld(tarsk::RenderSystem& render) {
        target->clear(sf::Color::Black);
        target->setView(sf::View(sf::FloatRect(0.f, 0.f, float(pixels), float(pixels))));
        render.sortRenderables();
        for (const auto& entry : render.getRenderables())
            target->draw(entry.component->getRenderer());
        target->setView(target->getDefaultView());
        target->display();
        return target->getTexture().copyToImage();
    }

    static inline std::unique_ptr<sf::RenderTexture> target;
};

// The synthetic sheet and tiles, and an all-grass map of them in a world of its own.
struct SyntheticTerrain {
    static sf::Texture loadedSheet() {
        sf::Texture sheet;
        EXPECT_TRUE(sheet.loadFromImage(syntheticSheet()));
        return sheet;
    }

    const sf::Texture sheet = loadedSheet();
    const orv::Tileset tileset{syntheticTiles(), &sheet};
    TerrainWorld w;
    const orv::Entity* ground = w.world.addEntity(terrainEntity(tileset, {cells, cells}));
    orv::Tilemap& map = ground->getComponent<TerrainComponent>()->getTilemap();
};

// The pixels of the image that differ from expected(x, y); the first few are reported.
template <class Expected>
int wrongPixels(const sf::Image& image, Expected expected) {
    int wrong = 0;
    for (unsigned y = 0; y < pixels; ++y) {
        for (unsigned x = 0; x < pixels; ++x) {
            if (image.getPixel(x, y) != expected(x, y) && ++wrong <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y;
        }
    }
    return wrong;
}

// Grass west of column 10, water from there on.
std::vector<orv::Tilemap::TileChange> halfAndHalf(const orv::Tileset& tileset) {
    std::vector<orv::Tilemap::TileChange> changes;
    for (int x = 10; x < cells; ++x) {
        for (int y = 0; y < cells; ++y)
            changes.push_back({{x, y}, tileOf(tileset, "WATER")});
    }
    return changes;
}

TEST_F(TerrainDraw, TwoKindsWithATransitionLandOnTheirPixels) {
    SyntheticTerrain t;
    t.map.setTiles(halfAndHalf(t.tileset));

    const sf::Image image = drawWorld(*t.w.render);
    // Column 9 is grass with water to the east: foam on its east half, except on the map's top
    // and bottom rows, which never carry overlays.
    const auto expected = [](unsigned x, unsigned y) {
        const unsigned cellX = x / 16, cellY = y / 16;
        if (cellX >= 10)
            return sea;
        const bool foamy = cellX == 9 && cellY > 0 && cellY < cells - 1 && x % 16 >= 8;
        return foamy ? foam : meadow;
    };
    EXPECT_EQ(wrongPixels(image, expected), 0);

    const auto& renderer = dynamic_cast<const tarsk::TerrainComponentRenderer&>(
        t.ground->getComponent<TerrainComponent>()->getRenderer());
    ASSERT_NE(renderer.getTexture(), nullptr);
    EXPECT_EQ(renderer.getTexture()->getSize(), sf::Vector2u(pixels, pixels));
}

TEST_F(TerrainDraw, WaterMovesOnWithRealTimeAndEditsShowAtTheNextDraw) {
    SyntheticTerrain t;
    t.map.setTiles(halfAndHalf(t.tileset));

    EXPECT_EQ(drawWorld(*t.w.render).getPixel(300, 100), sea);
    t.w.frame(sf::milliseconds(150)); // 14.4 s of game time, which would show the first frame again
    EXPECT_EQ(drawWorld(*t.w.render).getPixel(300, 100), swell);

    // Turning the water back to grass leaves nothing of it behind.
    std::vector<orv::Tilemap::TileChange> back;
    for (int x = 10; x < cells; ++x) {
        for (int y = 0; y < cells; ++y)
            back.push_back({{x, y}, tileOf(t.tileset, "GRASS")});
    }
    t.map.setTiles(back);
    const sf::Image image = drawWorld(*t.w.render);
    for (unsigned x = 0; x < pixels; x += 5)
        EXPECT_EQ(image.getPixel(x, 100), meadow) << x;
}

TEST_F(TerrainDraw, AnEditRepaintsItsCellsAndKeepsTheRest) {
    SyntheticTerrain t;
    drawWorld(*t.w.render);
    t.map.setTiles({{{4, 6}, tileOf(t.tileset, "WATER")}});
    drawWorld(*t.w.render);
    t.map.setTiles({{{4, 6}, tileOf(t.tileset, "GRASS")}, {{15, 12}, tileOf(t.tileset, "WATER")}});

    // The first pond is gone, foam included; the second shows with foam on its west neighbour.
    const sf::Image image = drawWorld(*t.w.render);
    EXPECT_EQ(wrongPixels(image,
                          [](unsigned x, unsigned y) {
                              const unsigned cellX = x / 16, cellY = y / 16;
                              return cellX == 15 && cellY == 12                  ? sea
                                     : cellX == 14 && cellY == 12 && x % 16 >= 8 ? foam
                                                                                 : meadow;
                          }),
              0);
}

// The game's own art: tile files and sheet from the data folder.
class GameArt {
public:
    GameArt() {
        const std::filesystem::path data = std::filesystem::path(ORV_SOURCE_DIR) / "data";
        EXPECT_TRUE(sheetImage.loadFromFile((data / "tileset.png").string()));
        EXPECT_TRUE(sheet.loadFromImage(sheetImage));
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(data / "tiles"))
            files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            std::ifstream in(file);
            tileset.addTilesFromJson(nlohmann::json::parse(in));
        }
    }

    // What a cell should show at clock 0: its look with its overlays blended on top.
    sf::Color expected(const orv::Tilemap& map, unsigned x, unsigned y) const {
        const orv::CellLook& look = map.getLook({int(x / 16), int(y / 16)});
        const auto texel = [&](const orv::Variant& variant) {
            const sf::IntRect& r = variant.currentFrame(0);
            return sheetImage.getPixel(unsigned(r.left) + x % 16, unsigned(r.top) + y % 16);
        };
        sf::Color colour = texel(*look.variant);
        for (const orv::Variant* overlay : look.overlays) {
            if (!overlay)
                continue;
            const sf::Color over = texel(*overlay);
            const auto mix = [&](sf::Uint8 top, sf::Uint8 bottom) {
                return sf::Uint8(std::lround((top * over.a + bottom * (255 - over.a)) / 255.0));
            };
            colour = sf::Color(mix(over.r, colour.r), mix(over.g, colour.g), mix(over.b, colour.b));
        }
        return colour;
    }

    sf::Image sheetImage;
    sf::Texture sheet;
    orv::Tileset tileset{{}, &sheet};
};

TEST_F(TerrainDraw, AnIslandPondOfTheGamesTilesMatchesItsSheet) {
    const GameArt art;
    TerrainWorld w;
    const orv::Entity* ground = w.world.addEntity(terrainEntity(art.tileset, {cells, cells}));
    orv::Tilemap& map = ground->getComponent<TerrainComponent>()->getTilemap();
    std::vector<orv::Tilemap::TileChange> pond;
    for (int x = 0; x < cells; ++x) {
        for (int y = 0; y < cells; ++y) {
            if (std::hypot(x - 9.5, (y - 10.5) * 1.3) < 5.5 || (x >= 12 && x <= 13 && y >= 3 && y <= 6))
                pond.push_back({{x, y}, tileOf(art.tileset, "WATER_LOW")});
        }
    }
    map.setTiles(pond);

    const sf::Image image = drawWorld(*w.render);
    const std::filesystem::path shot = std::filesystem::absolute("terrain_pond.png");
    EXPECT_TRUE(image.saveToFile(shot.string()));
    std::cout << "screenshot: " << shot.string() << "\n";

    int overlaid = 0;
    for (int x = 1; x < cells - 1; ++x) {
        for (int y = 1; y < cells - 1; ++y)
            overlaid += map.getLook({x, y}).overlayCount() > 0;
    }
    EXPECT_GT(overlaid, 10) << "the shore should carry water's edge overlays";

    int wrong = 0;
    for (unsigned y = 0; y < pixels; ++y) {
        for (unsigned x = 0; x < pixels; ++x) {
            const sf::Color got = image.getPixel(x, y);
            const sf::Color want = art.expected(map, x, y);
            const int off =
                std::max({std::abs(got.r - want.r), std::abs(got.g - want.g), std::abs(got.b - want.b)});
            if ((off > 2 || got.a != 255) && ++wrong <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y;
        }
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace
