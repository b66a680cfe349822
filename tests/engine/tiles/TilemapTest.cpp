#include "engine/tiles/Tilemap.hpp"

#include "engine/tiles/TileTestSupport.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>

using orv::CellLook;
using orv::Tile;
using orv::Tilemap;
using tiletest::edgeRect;
using tiletest::findTile;

namespace {

const sf::IntRect sandRect(0, 0, 16, 16);
const sf::IntRect waterRect(16, 0, 16, 16);

struct TilemapLogic : ::testing::Test {
    orv::Tileset tileset{{}, nullptr};

    const Tile& add(Tile tile) {
        std::vector<Tile> one;
        one.push_back(std::move(tile));
        tileset.addTiles(std::move(one));
        return tileset.getTiles().back();
    }
};

const sf::Vertex* quadOf(const Tilemap& map, std::size_t layer, int x, int y) {
    return map.getLayer(layer).find(static_cast<std::size_t>(x * map.getSize().y + y));
}

sf::IntRect shownRect(const Tilemap& map, std::size_t layer, int x, int y) {
    const sf::Vertex* v = quadOf(map, layer, x, y);
    if (v == nullptr)
        return sf::IntRect(-1, -1, -1, -1);
    return sf::IntRect(static_cast<int>(v[0].texCoords.x), static_cast<int>(v[0].texCoords.y),
                       static_cast<int>(v[2].texCoords.x - v[0].texCoords.x),
                       static_cast<int>(v[2].texCoords.y - v[0].texCoords.y));
}

// The neighbourhood position at which a cell sees the cell (cx, cy) next to it.
std::size_t seenAt(int x, int y, int cx, int cy) {
    return static_cast<std::size_t>((cy - y + 1) * 3 + (cx - x + 1));
}

} // namespace

TEST_F(TilemapLogic, UniformMapShowsDefaultLooksWithoutOverlays) {
    const Tile& sand = add(tiletest::plainTile("SAND", 0, sandRect));
    const Tilemap map({4, 3}, 16, sand, tileset);
    EXPECT_EQ(map.getPixelSize(), sf::Vector2u(64, 48));
    for (int x = 0; x < 4; ++x) {
        for (int y = 0; y < 3; ++y) {
            EXPECT_EQ(map.getTile({x, y}), &sand);
            EXPECT_EQ(map.getLook({x, y}).variant, &sand.getDefaultVariant());
            EXPECT_EQ(map.getLook({x, y}).overlayCount(), 0u);
        }
    }
    EXPECT_EQ(map.getLayer(0).size(), 12u);
    for (std::size_t layer = 1; layer < Tilemap::layerCount; ++layer)
        EXPECT_EQ(map.getLayer(layer).size(), 0u);
}

TEST_F(TilemapLogic, HigherTileInTheMiddlePaintsEachInnerNeighbourOnce) {
    add(tiletest::plainTile("SAND", 0, sandRect));
    const Tile& water = add(tiletest::edgePainter("WATER", 1, waterRect, 1));
    const Tile& sand = findTile(tileset, "SAND");
    Tilemap map({5, 5}, 16, sand, tileset);
    map.setTiles({{{2, 2}, &water}});

    for (int x = 0; x < 5; ++x) {
        for (int y = 0; y < 5; ++y) {
            const CellLook& look = map.getLook({x, y});
            const bool inner = x >= 1 && x <= 3 && y >= 1 && y <= 3;
            if (!inner || (x == 2 && y == 2)) {
                EXPECT_EQ(look.overlayCount(), 0u) << x << "," << y;
                continue;
            }
            ASSERT_EQ(look.overlayCount(), 1u) << x << "," << y;
            EXPECT_EQ(look.overlays[0]->currentFrame(0), edgeRect(seenAt(x, y, 2, 2), 1)) << x << "," << y;
            EXPECT_EQ(shownRect(map, 1, x, y), edgeRect(seenAt(x, y, 2, 2), 1));
        }
    }
    EXPECT_EQ(map.getLook({2, 2}).variant, &water.getDefaultVariant());
    EXPECT_EQ(map.getLayer(1).size(), 8u);
    EXPECT_EQ(map.getLayer(2).size(), 0u);
}

TEST_F(TilemapLogic, EqualPriorityPaintsNothing) {
    add(tiletest::plainTile("SAND", 0, sandRect));
    const Tile& water = add(tiletest::edgePainter("WATER", 0, waterRect, 1));
    Tilemap map({5, 5}, 16, findTile(tileset, "SAND"), tileset);
    map.setTiles({{{2, 2}, &water}});
    for (int x = 0; x < 5; ++x) {
        for (int y = 0; y < 5; ++y)
            EXPECT_EQ(map.getLook({x, y}).overlayCount(), 0u);
    }
}

TEST_F(TilemapLogic, OneOverlayPerTileIdFromItsFirstCell) {
    add(tiletest::plainTile("SAND", 0, sandRect));
    const Tile& first = add(tiletest::edgePainter("WATER", 1, waterRect, 1));
    // The same id loaded again with other overlays.
    const Tile& second = add(tiletest::edgePainter("WATER", 1, waterRect, 2));
    Tilemap map({5, 5}, 16, findTile(tileset, "SAND"), tileset);
    map.setTiles({{{3, 3}, &second}, {{1, 1}, &first}});
    const CellLook& look = map.getLook({2, 2});
    ASSERT_EQ(look.overlayCount(), 1u);
    EXPECT_EQ(look.overlays[0]->currentFrame(0), edgeRect(0, 1));

    map.setTiles({{{1, 1}, &second}, {{3, 3}, &first}});
    ASSERT_EQ(map.getLook({2, 2}).overlayCount(), 1u);
    EXPECT_EQ(map.getLook({2, 2}).overlays[0]->currentFrame(0), edgeRect(0, 2));
}

TEST_F(TilemapLogic, OverlaysStackByPriorityThenNeighbourhoodOrder) {
    add(tiletest::plainTile("SAND", 0, sandRect));
    const Tile& lava = add(tiletest::edgePainter("LAVA", 5, waterRect, 3));
    const Tile& water = add(tiletest::edgePainter("WATER", 1, waterRect, 1));
    const Tile& mud = add(tiletest::edgePainter("MUD", 1, waterRect, 2));
    Tilemap map({5, 5}, 16, findTile(tileset, "SAND"), tileset);

    // Lava above, mud left, water below: lowest priority first, equal priorities in order.
    map.setTiles({{{2, 1}, &lava}, {{2, 3}, &water}, {{1, 2}, &mud}});
    const CellLook& look = map.getLook({2, 2});
    ASSERT_EQ(look.overlayCount(), 3u);
    EXPECT_EQ(look.overlays[0]->currentFrame(0), edgeRect(3, 2));
    EXPECT_EQ(look.overlays[1]->currentFrame(0), edgeRect(7, 1));
    EXPECT_EQ(look.overlays[2]->currentFrame(0), edgeRect(1, 3));
    EXPECT_EQ(shownRect(map, 1, 2, 2), edgeRect(3, 2));
    EXPECT_EQ(shownRect(map, 2, 2, 2), edgeRect(7, 1));
    EXPECT_EQ(shownRect(map, 3, 2, 2), edgeRect(1, 3));

    // Swapping mud and water swaps the tie.
    map.setTiles({{{2, 3}, &mud}, {{1, 2}, &water}});
    EXPECT_EQ(map.getLook({2, 2}).overlays[0]->currentFrame(0), edgeRect(3, 1));
    EXPECT_EQ(map.getLook({2, 2}).overlays[1]->currentFrame(0), edgeRect(7, 2));
}

TEST_F(TilemapLogic, TransitionsSeeLowerCellsAsTheCentreTile) {
    add(tiletest::plainTile("GRASS", 0, sandRect));
    const Tile& sand = add(tiletest::plainTile("SAND", 1, sandRect));
    // Water paints only where the cell below reads as sand.
    const Tile& water = add(Tile("WATER", "WATER", {}, {orv::Variant(waterRect)}, {}, 2,
                                 {orv::Variant(sf::IntRect(0, 96, 16, 16))},
                                 {orv::VariantRule{tiletest::anyExcept(7, "SAND"), 0}}));
    const Tile& grass = findTile(tileset, "GRASS");
    Tilemap map({5, 5}, 16, sand, tileset);
    map.setTiles({{{2, 1}, &water}, {{2, 3}, &grass}});
    ASSERT_EQ(map.getLook({2, 2}).overlayCount(), 1u);
    EXPECT_EQ(map.getLook({2, 2}).overlays[0]->currentFrame(0), sf::IntRect(0, 96, 16, 16));

    // Grass below a grass cell is not lower than it, so it stays grass and nothing is painted.
    map.setTiles({{{2, 2}, &grass}});
    EXPECT_EQ(map.getLook({2, 2}).overlayCount(), 0u);
}

TEST_F(TilemapLogic, CellsPickTheirLookFromTheirNeighbours) {
    add(tiletest::plainTile("SAND", 0, sandRect));
    // Grass shows a shore look when sand lies to its right.
    const Tile& grass =
        add(Tile("GRASS", "GRASS", {},
                 {orv::Variant(sf::IntRect(32, 0, 16, 16)), orv::Variant(sf::IntRect(48, 0, 16, 16))},
                 {orv::VariantRule{tiletest::anyExcept(5, "SAND"), 1}}, 0, {}, {}));
    Tilemap map({4, 4}, 16, grass, tileset);
    map.setTiles({{{2, 1}, &findTile(tileset, "SAND")}});
    EXPECT_EQ(map.getLook({1, 1}).variant, &grass.getVariantPool()[1]);
    EXPECT_EQ(shownRect(map, 0, 1, 1), sf::IntRect(48, 0, 16, 16));
    EXPECT_EQ(map.getLook({1, 2}).variant, &grass.getDefaultVariant());
    // Border cells never look around.
    map.setTiles({{{1, 0}, &findTile(tileset, "SAND")}, {{1, 2}, &grass}});
    EXPECT_EQ(map.getLook({0, 0}).variant, &grass.getDefaultVariant());
}

TEST_F(TilemapLogic, SmallMapsAreAllBorder) {
    add(tiletest::plainTile("SAND", 0, sandRect));
    const Tile& water = add(tiletest::edgePainter("WATER", 1, waterRect, 1));
    Tilemap map({2, 2}, 16, findTile(tileset, "SAND"), tileset);
    map.setTiles({{{0, 0}, &water}});
    for (int x = 0; x < 2; ++x) {
        for (int y = 0; y < 2; ++y)
            EXPECT_EQ(map.getLook({x, y}).overlayCount(), 0u);
    }
    EXPECT_EQ(map.getLook({0, 0}).variant, &water.getDefaultVariant());

    const Tilemap empty({0, 0}, 16, water, tileset);
    EXPECT_EQ(empty.getPixelSize(), sf::Vector2u(0, 0));
    EXPECT_FALSE(empty.isInside({0, 0}));
}

TEST_F(TilemapLogic, EditChangesOnlyTheNeighbourhoodOfTheCell) {
    add(tiletest::plainTile("SAND", 0, sandRect));
    const Tile& water = add(tiletest::edgePainter("WATER", 1, waterRect, 1));
    Tilemap map({7, 7}, 16, findTile(tileset, "SAND"), tileset);
    map.setTiles({{{5, 2}, &water}});
    const Tilemap before({7, 7}, 16, map.getTiles(), tileset);

    map.setTiles({{{2, 3}, &water}});
    for (int x = 0; x < 7; ++x) {
        for (int y = 0; y < 7; ++y) {
            const bool near = std::abs(x - 2) <= 1 && std::abs(y - 3) <= 1;
            const bool same = map.getLook({x, y}).variant == before.getLook({x, y}).variant &&
                              map.getLook({x, y}).overlays == before.getLook({x, y}).overlays;
            EXPECT_EQ(same, !near) << x << "," << y;
            for (std::size_t layer = 0; layer < Tilemap::layerCount && !near; ++layer)
                EXPECT_EQ(shownRect(map, layer, x, y), shownRect(before, layer, x, y));
        }
    }
}

TEST_F(TilemapLogic, BadBatchLeavesTheMapUnchanged) {
    const Tile& sand = add(tiletest::plainTile("SAND", 0, sandRect));
    const Tile& water = add(tiletest::plainTile("WATER", 1, waterRect));
    Tilemap map({3, 3}, 16, findTile(tileset, "SAND"), tileset);
    EXPECT_THROW(map.setTiles({{{1, 1}, &water}, {{3, 0}, &water}}), std::out_of_range);
    EXPECT_THROW(map.setTiles({{{1, 1}, &water}, {{0, -1}, &water}}), std::out_of_range);
    EXPECT_THROW(map.setTiles({{{1, 1}, &water}, {{0, 0}, nullptr}}), std::invalid_argument);
    EXPECT_EQ(map.getTile({1, 1}), &sand);
    EXPECT_EQ(shownRect(map, 0, 1, 1), sandRect);
}

TEST_F(TilemapLogic, ConstructorsCheckTheirArguments) {
    const Tile& sand = add(tiletest::plainTile("SAND", 0, sandRect));
    const auto expectMessage = [&](Tilemap::TileGrid grid, const char* message) {
        try {
            Tilemap({2, 3}, 16, std::move(grid), tileset);
            ADD_FAILURE() << "no error for " << message;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), message);
        }
    };
    const std::vector<const Tile*> column(3, &sand);
    expectMessage({column}, "tiles.size() is wrong");
    expectMessage({column, column, column}, "tiles.size() is wrong");
    expectMessage({column, {&sand, &sand}}, "tiles.at(x).size() is wrong");
    EXPECT_THROW(Tilemap({2, 3}, 16, Tilemap::TileGrid{column, {&sand, nullptr, &sand}}, tileset),
                 std::invalid_argument);
    EXPECT_NO_THROW(Tilemap({2, 3}, 16, Tilemap::TileGrid{column, column}, tileset));

    EXPECT_THROW(Tilemap({2, 2}, 0, sand, tileset), std::invalid_argument);
    EXPECT_THROW(Tilemap({2, 2}, -16, sand, tileset), std::invalid_argument);
    EXPECT_THROW(Tilemap({-1, 2}, 16, sand, tileset), std::invalid_argument);
    EXPECT_THROW(Tilemap({70000, 70000}, 16, sand, tileset), std::invalid_argument);
}

TEST_F(TilemapLogic, PixelPositionsMapToCellsByFloorDivision) {
    const Tile& sand = add(tiletest::plainTile("SAND", 0, sandRect));
    const Tilemap map({3, 2}, 16, sand, tileset);
    EXPECT_EQ(map.toTileCoordinates({0.f, 0.f}), sf::Vector2i(0, 0));
    EXPECT_EQ(map.toTileCoordinates({15.9f, 16.f}), sf::Vector2i(0, 1));
    EXPECT_EQ(map.toTileCoordinates({-5.f, 20.f}), sf::Vector2i(-1, 1));
    EXPECT_EQ(map.toTileCoordinates({-0.25f, -16.5f}), sf::Vector2i(-1, -2));
    EXPECT_EQ(map.toTileCoordinates({47.99f, 31.99f}), sf::Vector2i(2, 1));
    EXPECT_FALSE(map.isInside(map.toTileCoordinates({-5.f, 20.f})));
    EXPECT_FALSE(map.isInside(map.toTileCoordinates({48.f, 0.f})));
    EXPECT_FALSE(map.isInside(map.toTileCoordinates({std::nanf(""), 0.f})));
    EXPECT_FALSE(map.isInside(map.toTileCoordinates({0.f, std::numeric_limits<float>::infinity()})));

    EXPECT_EQ(map.getTile({2, 1}), &sand);
    EXPECT_THROW(map.getTile({-1, 0}), std::out_of_range);
    EXPECT_THROW(map.getTile({0, 2}), std::out_of_range);
    EXPECT_THROW(map.getTile({3, 0}), std::out_of_range);
}

TEST_F(TilemapLogic, QuadsCoverTheirCellsWithTheChosenRectangle) {
    const Tile& sand = add(tiletest::plainTile("SAND", 0, sf::IntRect(40, 8, 16, 12)));
    const Tilemap map({3, 2}, 16, sand, tileset);
    // Cell (2, 1) is quad 2 * 2 + 1.
    const sf::Vertex* v = map.getLayer(0).find(5);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v[0].position, sf::Vector2f(32, 16));
    EXPECT_EQ(v[1].position, sf::Vector2f(48, 16));
    EXPECT_EQ(v[2].position, sf::Vector2f(48, 32));
    EXPECT_EQ(v[3].position, sf::Vector2f(32, 32));
    EXPECT_EQ(v[0].texCoords, sf::Vector2f(40, 8));
    EXPECT_EQ(v[1].texCoords, sf::Vector2f(56, 8));
    EXPECT_EQ(v[2].texCoords, sf::Vector2f(56, 20));
    EXPECT_EQ(v[3].texCoords, sf::Vector2f(40, 20));
    EXPECT_EQ(v[0].color, sf::Color::White);
    EXPECT_EQ(map.getLayer(1).find(5), nullptr);
    EXPECT_EQ(map.getLayer(1).getVertices().size(), 0u);
}

namespace {

orv::Variant twoFrames(const sf::IntRect& a, const sf::IntRect& b) {
    return orv::Variant(
        {orv::AnimationFrame{a, sf::milliseconds(100)}, orv::AnimationFrame{b, sf::milliseconds(100)}});
}

const sf::IntRect frameA(0, 64, 16, 16);
const sf::IntRect frameB(16, 64, 16, 16);
const sf::IntRect edgeA(0, 80, 16, 16);
const sf::IntRect edgeB(16, 80, 16, 16);

} // namespace

TEST_F(TilemapLogic, AnimatedLooksFollowTheClock) {
    const Tile& sand = add(tiletest::plainTile("SAND", 0, sandRect));
    const Tile& water =
        add(Tile("WATER", "WATER", {}, {twoFrames(frameA, frameB)}, {}, 1, {twoFrames(edgeA, edgeB)},
                 {orv::VariantRule{tiletest::anyExcept(0, "?"), 0}}));
    Tilemap map({4, 4}, 16, findTile(tileset, "SAND"), tileset);
    map.setTime(150);
    map.setTiles({{{1, 1}, &water}});
    EXPECT_EQ(shownRect(map, 0, 1, 1), frameB);
    EXPECT_EQ(shownRect(map, 1, 2, 2), edgeB);

    map.setTime(250);
    EXPECT_EQ(map.getTime(), 250u);
    EXPECT_EQ(shownRect(map, 0, 1, 1), frameA);
    EXPECT_EQ(shownRect(map, 1, 2, 2), edgeA);
    EXPECT_EQ(shownRect(map, 0, 2, 2), sandRect);

    // Once the water is gone its frames must not come back with the clock.
    map.setTiles({{{1, 1}, &sand}});
    map.setTime(150);
    EXPECT_EQ(shownRect(map, 0, 1, 1), sandRect);
    EXPECT_EQ(map.getLook({2, 2}).overlayCount(), 0u);
    EXPECT_EQ(map.getLayer(1).size(), 0u);
    EXPECT_EQ(quadOf(map, 1, 2, 2), nullptr);
}

TEST_F(TilemapLogic, ChangedCellsAreTheEditedNeighbourhoodsAndTheFramesThatMovedOn) {
    const Tile& sand = add(tiletest::plainTile("SAND", 0, sandRect));
    const Tile& water = add(Tile("WATER", "WATER", {}, {twoFrames(frameA, frameB)}, {}, 1, {}, {}));
    Tilemap map({8, 6}, 16, sand, tileset);
    EXPECT_EQ(map.takeChangedCells(), sf::IntRect(0, 0, 8, 6));
    EXPECT_EQ(map.takeChangedCells(), sf::IntRect());

    map.setTiles({{{2, 3}, &water}, {{0, 5}, &water}});
    EXPECT_EQ(map.takeChangedCells(), sf::IntRect(0, 2, 4, 4));
    // Within one frame of the animation nothing moves; the next frame moves the water cells.
    map.setTime(50);
    EXPECT_EQ(map.takeChangedCells(), sf::IntRect());
    map.setTime(120);
    EXPECT_EQ(map.takeChangedCells(), sf::IntRect(0, 3, 3, 3));
}

TEST_F(TilemapLogic, MovedMapKeepsWorking) {
    const Tile& sand = add(tiletest::plainTile("SAND", 0, sandRect));
    const Tile& water = add(Tile("WATER", "WATER", {}, {twoFrames(frameA, frameB)}, {}, 1, {}, {}));
    Tilemap original({3, 3}, 16, water, tileset);
    Tilemap map(std::move(original));
    map.setTime(150);
    EXPECT_EQ(shownRect(map, 0, 2, 2), frameB);
    map.setTiles({{{2, 2}, &sand}});
    EXPECT_EQ(shownRect(map, 0, 2, 2), sandRect);
    EXPECT_EQ(&map.getTileset(), &tileset);
}

// However a map got to its tiles and its clock, it shows what a map built from those tiles at
// that clock shows.
TEST_F(TilemapLogic, EditsAndClockAgreeWithAFreshMap) {
    add(tiletest::plainTile("DEEP", 0, sf::IntRect(0, 0, 16, 16)));
    add(tiletest::edgePainter("SAND", 2, sf::IntRect(16, 0, 16, 16), 1));
    add(tiletest::edgePainter("GRASS", 3, sf::IntRect(32, 0, 16, 16), 2));
    add(Tile("SHALLOW", "SHALLOW", {}, {twoFrames(frameA, frameB), orv::Variant(sf::IntRect(48, 0, 16, 16))},
             {orv::VariantRule{tiletest::anyExcept(1, "SAND"), 1}}, 1, {twoFrames(edgeA, edgeB)},
             {orv::VariantRule{tiletest::anyExcept(3, "X"), 0}}));
    std::vector<const Tile*> kinds;
    for (const Tile& tile : tileset)
        kinds.push_back(&tile);

    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(0, 8);
    std::uniform_int_distribution<std::size_t> kind(0, kinds.size() - 1);
    std::uniform_int_distribution<std::uint32_t> time(0, 1000);
    Tilemap map({9, 9}, 8, *kinds[0], tileset);
    for (int round = 0; round < 40; ++round) {
        std::vector<Tilemap::TileChange> batch;
        for (int i = round % 5; i >= 0; --i)
            batch.push_back({{coordinate(random), coordinate(random)}, kinds[kind(random)]});
        map.setTiles(batch);
        map.setTime(time(random));

        Tilemap fresh({9, 9}, 8, map.getTiles(), tileset);
        fresh.setTime(map.getTime());
        for (std::size_t layer = 0; layer < Tilemap::layerCount; ++layer) {
            ASSERT_EQ(map.getLayer(layer).size(), fresh.getLayer(layer).size()) << "round " << round;
            ASSERT_EQ(map.getLayer(layer).getVertices().size(), map.getLayer(layer).size() * 4);
            for (int x = 0; x < 9; ++x) {
                for (int y = 0; y < 9; ++y) {
                    const sf::Vertex* got = quadOf(map, layer, x, y);
                    const sf::Vertex* want = quadOf(fresh, layer, x, y);
                    ASSERT_EQ(got == nullptr, want == nullptr) << "round " << round << " layer " << layer;
                    for (std::size_t v = 0; got && v < 4; ++v) {
                        ASSERT_EQ(got[v].position, want[v].position)
                            << "round " << round << " layer " << layer;
                        ASSERT_EQ(got[v].texCoords, want[v].texCoords)
                            << "round " << round << " layer " << layer;
                    }
                }
            }
        }
    }
}
