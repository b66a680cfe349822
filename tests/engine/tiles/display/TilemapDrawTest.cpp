#include "engine/tiles/Tilemap.hpp"
#include "engine/tiles/Tileset.hpp"

#include "engine/tiles/TileTestSupport.hpp"

#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <memory>
#include <random>

using orv::Tile;
using orv::Tilemap;

namespace {

constexpr int cell = 8;

const sf::Color sandColour(230, 210, 80);
const sf::Color waterA(20, 40, 200);
const sf::Color waterB(20, 200, 200);
const sf::Color edgeColour(200, 0, 200);
const sf::Color tl(255, 0, 0), tr(0, 255, 0), br(0, 0, 255), bl(255, 255, 255);

const sf::IntRect sandRect(0, 0, cell, cell);
const sf::IntRect waterRectA(8, 0, cell, cell);
const sf::IntRect waterRectB(16, 0, cell, cell);
const sf::IntRect quadrantRect(0, 8, cell, cell);
const sf::IntRect edgeRect(8, 8, cell, cell);

void fill(sf::Image& image, const sf::IntRect& rect, const sf::Color& colour) {
    for (int x = rect.left; x < rect.left + rect.width; ++x) {
        for (int y = rect.top; y < rect.top + rect.height; ++y)
            image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), colour);
    }
}

// A tile sheet whose rectangles can be told apart by colour, the overlay's left half opaque
// and its right half clear.
sf::Image makeSheet() {
    sf::Image image;
    image.create(32, 32, sf::Color::Transparent);
    fill(image, sandRect, sandColour);
    fill(image, waterRectA, waterA);
    fill(image, waterRectB, waterB);
    fill(image, {0, 8, 4, 4}, tl);
    fill(image, {4, 8, 4, 4}, tr);
    fill(image, {4, 12, 4, 4}, br);
    fill(image, {0, 12, 4, 4}, bl);
    fill(image, {8, 8, 4, 8}, edgeColour);
    return image;
}

orv::Variant water() {
    return orv::Variant({orv::AnimationFrame{waterRectA, sf::milliseconds(100)},
                         orv::AnimationFrame{waterRectB, sf::milliseconds(100)}});
}

// One tile sheet and one render target for the whole suite: the GL objects stay alive between
// tests, so the process keeps a single display connection instead of reopening it each time.
struct TilemapDraw : ::testing::Test {
    struct Shared {
        Shared() {
            EXPECT_TRUE(sheet.loadFromImage(makeSheet()));
            std::vector<Tile> tiles;
            tiles.push_back(tiletest::plainTile("SAND", 0, sandRect));
            tiles.push_back(tiletest::plainTile("QUADRANTS", 0, quadrantRect));
            tiles.push_back(Tile("WATER", "WATER", {}, {water()}, {}, 1, {orv::Variant(edgeRect)},
                                 {orv::VariantRule{tiletest::anyExcept(0, "?"), 0}}));
            tileset = std::make_unique<orv::Tileset>(std::move(tiles), &sheet);
        }
        sf::Texture sheet;
        std::unique_ptr<orv::Tileset> tileset;
        sf::RenderTexture target;
    };

    static void SetUpTestSuite() { shared = new Shared; }
    static void TearDownTestSuite() {
        delete shared;
        shared = nullptr;
    }

    const Tile& tile(const std::string& id) const { return tiletest::findTile(*shared->tileset, id); }
    const orv::Tileset& tileset() const { return *shared->tileset; }
    const sf::Texture& sheet() const { return shared->sheet; }

    sf::Image render(const sf::Drawable& drawable, sf::Vector2u size) {
        sf::RenderTexture& target = shared->target;
        if (target.getSize() != size) {
            EXPECT_TRUE(target.create(size.x, size.y));
        }
        target.clear(sf::Color::Black);
        target.draw(drawable);
        target.display();
        return target.getTexture().copyToImage();
    }

    sf::Image render(const Tilemap& map) { return render(map, map.getPixelSize()); }

    static inline Shared* shared = nullptr;
};

sf::Color at(const sf::Image& image, int x, int y) {
    return image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
}

} // namespace

TEST_F(TilemapDraw, QuadsLandOnTheirCellsWithTheirRectangles) {
    Tilemap map({3, 2}, cell, tile("SAND"), tileset());
    map.setTiles({{{2, 1}, &tile("QUADRANTS")}});
    const sf::Image image = render(map);
    ASSERT_EQ(image.getSize(), sf::Vector2u(24, 16));
    EXPECT_EQ(at(image, 1, 1), sandColour);
    EXPECT_EQ(at(image, 15, 15), sandColour);
    EXPECT_EQ(at(image, 20, 6), sandColour);
    // Cell (2, 1) spans pixels 16..23 x 8..15, the rectangle upright and unmirrored.
    EXPECT_EQ(at(image, 16, 8), tl);
    EXPECT_EQ(at(image, 19, 11), tl);
    EXPECT_EQ(at(image, 20, 8), tr);
    EXPECT_EQ(at(image, 23, 11), tr);
    EXPECT_EQ(at(image, 23, 15), br);
    EXPECT_EQ(at(image, 16, 15), bl);
}

TEST_F(TilemapDraw, OverlaysLieOverTheCellsOwnLook) {
    Tilemap map({5, 5}, cell, tile("SAND"), tileset());
    map.setTiles({{{2, 2}, &tile("WATER")}});
    const sf::Image image = render(map);
    EXPECT_EQ(at(image, 20, 20), waterA);
    // Each ring cell: the overlay's opaque left half, then its own sand through the clear half.
    for (int x : {1, 2, 3}) {
        for (int y : {1, 2, 3}) {
            if (x == 2 && y == 2)
                continue;
            EXPECT_EQ(at(image, x * cell + 1, y * cell + 4), edgeColour) << x << "," << y;
            EXPECT_EQ(at(image, x * cell + 6, y * cell + 4), sandColour) << x << "," << y;
        }
    }
    EXPECT_EQ(at(image, 1, 1), sandColour);
    EXPECT_EQ(at(image, 4 * cell + 1, 2 * cell + 4), sandColour);
}

TEST_F(TilemapDraw, AnimatedCellChangesFrameBetweenDraws) {
    Tilemap map({3, 3}, cell, tile("SAND"), tileset());
    map.setTiles({{{1, 1}, &tile("WATER")}});
    EXPECT_EQ(at(render(map), 12, 12), waterA);
    map.setTime(150);
    EXPECT_EQ(at(render(map), 12, 12), waterB);
    // Nothing changed: the same picture again.
    EXPECT_EQ(at(render(map), 12, 12), waterB);
    map.setTime(250);
    EXPECT_EQ(at(render(map), 12, 12), waterA);
    map.setTiles({{{1, 1}, &tile("SAND")}, {{0, 2}, &tile("WATER")}});
    map.setTime(150);
    const sf::Image image = render(map);
    EXPECT_EQ(at(image, 12, 12), sandColour);
    EXPECT_EQ(at(image, 4, 20), waterB);
}

// Whatever was uploaded piecemeal, the picture is the one the quads in memory describe.
TEST_F(TilemapDraw, PictureMatchesTheQuadsAfterEditsAndTicks) {
    Tilemap map({12, 10}, cell, tile("SAND"), tileset());
    std::mt19937 random(3);
    const Tile* kinds[] = {&tile("SAND"), &tile("QUADRANTS"), &tile("WATER")};
    for (int round = 0; round < 12; ++round) {
        std::vector<Tilemap::TileChange> batch;
        for (int i = 0; i < 1 + round % 4; ++i)
            batch.push_back(
                {{static_cast<int>(random() % 12), static_cast<int>(random() % 10)}, kinds[random() % 3]});
        map.setTiles(batch);
        map.setTime(static_cast<std::uint32_t>(random() % 400));
        const sf::Image drawn = render(map);

        sf::VertexArray reference(sf::Quads);
        for (std::size_t layer = 0; layer < Tilemap::layerCount; ++layer) {
            for (const sf::Vertex& vertex : map.getLayer(layer).getVertices())
                reference.append(vertex);
        }
        struct Textured : sf::Drawable {
            const sf::VertexArray* quads;
            const sf::Texture* texture;
            void draw(sf::RenderTarget& t, sf::RenderStates s) const override {
                s.texture = texture;
                t.draw(*quads, s);
            }
        } textured;
        textured.quads = &reference;
        textured.texture = &sheet();
        const sf::Image expected = render(textured, map.getPixelSize());
        for (unsigned x = 0; x < drawn.getSize().x; ++x) {
            for (unsigned y = 0; y < drawn.getSize().y; ++y)
                ASSERT_EQ(drawn.getPixel(x, y), expected.getPixel(x, y))
                    << "round " << round << " at " << x << "," << y;
        }
    }
}

TEST_F(TilemapDraw, MapFollowsTheGivenTransformAndEmptyMapsDrawNothing) {
    Tilemap map({1, 1}, cell, tile("QUADRANTS"), tileset());
    struct Shifted : sf::Drawable {
        const Tilemap* map;
        void draw(sf::RenderTarget& t, sf::RenderStates s) const override {
            s.transform.translate(8.f, 4.f);
            t.draw(*map, s);
        }
    } shifted;
    shifted.map = &map;
    sf::Image image = render(shifted, {16, 16});
    EXPECT_EQ(at(image, 8, 4), tl);
    EXPECT_EQ(at(image, 15, 11), br);
    EXPECT_EQ(at(image, 7, 4), sf::Color::Black);

    const Tilemap empty({0, 4}, cell, tile("SAND"), tileset());
    image = render(empty, {8, 8});
    EXPECT_EQ(at(image, 3, 3), sf::Color::Black);
}

// Overlays come and go in one packed buffer: removed squares must vanish and squares moved into
// their place must show where they belong.
TEST_F(TilemapDraw, RemovedOverlaysDisappearAndMovedOnesStay) {
    Tilemap map({9, 5}, cell, tile("SAND"), tileset());
    const auto ringShows = [&](const sf::Image& image, int cx, int cy, const sf::Color& colour) {
        for (int x = cx - 1; x <= cx + 1; ++x) {
            for (int y = cy - 1; y <= cy + 1; ++y) {
                if ((x != cx || y != cy) && at(image, x * cell + 1, y * cell + 4) != colour)
                    return false;
            }
        }
        return true;
    };
    map.setTiles({{{2, 2}, &tile("WATER")}, {{6, 2}, &tile("WATER")}});
    sf::Image image = render(map);
    EXPECT_TRUE(ringShows(image, 2, 2, edgeColour));
    EXPECT_TRUE(ringShows(image, 6, 2, edgeColour));

    map.setTiles({{{6, 2}, &tile("SAND")}});
    image = render(map);
    EXPECT_TRUE(ringShows(image, 2, 2, edgeColour));
    EXPECT_TRUE(ringShows(image, 6, 2, sandColour));

    map.setTiles({{{6, 2}, &tile("WATER")}});
    image = render(map);
    EXPECT_TRUE(ringShows(image, 6, 2, edgeColour));

    map.setTiles({{{2, 2}, &tile("SAND")}});
    image = render(map);
    EXPECT_TRUE(ringShows(image, 2, 2, sandColour));
    EXPECT_TRUE(ringShows(image, 6, 2, edgeColour));
}
