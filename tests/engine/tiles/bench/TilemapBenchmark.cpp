// Times drawing a 100x100 tile map whose tiles and clock stay the same, against the least any
// drawing of those quads can cost (one static vertex buffer made beforehand) and against
// refilling every layer's buffer each frame. Exits non-zero when the pictures differ.

#include "engine/tiles/Tilemap.hpp"
#include "engine/tiles/Tileset.hpp"

#include "engine/tiles/TileTestSupport.hpp"
#include "tools/bench-report/FigureLine.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/VertexBuffer.hpp>
#include <SFML/Graphics/View.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/Window/Context.hpp>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int mapEdge = 100;
constexpr int tileSize = 16;

sf::Image makeSheet() {
    sf::Image image;
    image.create(160, 80, sf::Color::Transparent);
    std::mt19937 random(1);
    for (unsigned x = 0; x < image.getSize().x; ++x) {
        for (unsigned y = 0; y < image.getSize().y; ++y) {
            // Rows 1 and up are overlays: opaque towards the top left of each square only.
            const bool clear = y >= 16 && (x % 16) + (y % 16) > 16;
            if (!clear)
                image.setPixel(x, y, sf::Color(random() % 256, random() % 256, random() % 256));
        }
    }
    return image;
}

std::vector<orv::Tile> makeTiles() {
    std::vector<orv::Tile> tiles;
    tiles.push_back(tiletest::plainTile("DEEP", 0, {0, 0, 16, 16}));
    tiles.push_back(tiletest::edgePainter("SHALLOW", 1, {16, 0, 16, 16}, 1));
    tiles.push_back(tiletest::edgePainter("SAND", 2, {32, 0, 16, 16}, 2));
    tiles.push_back(tiletest::edgePainter("GRASS", 3, {48, 0, 16, 16}, 3));
    return tiles;
}

// Blobs of land in water, so that most coast cells carry one to three overlays.
orv::Tilemap::TileGrid makeGround(const orv::Tileset& tileset) {
    std::mt19937 random(42);
    std::uniform_real_distribution<float> unit(0.f, 1.f);
    std::vector<std::array<float, 3>> hills(40);
    for (auto& hill : hills)
        hill = {unit(random) * mapEdge, unit(random) * mapEdge, 3.f + unit(random) * 9.f};
    orv::Tilemap::TileGrid grid(mapEdge, std::vector<const orv::Tile*>(mapEdge));
    for (int x = 0; x < mapEdge; ++x) {
        for (int y = 0; y < mapEdge; ++y) {
            float height = 0.f;
            for (const auto& hill : hills) {
                const float dx = static_cast<float>(x) - hill[0];
                const float dy = static_cast<float>(y) - hill[1];
                height = std::max(height, 1.f - (dx * dx + dy * dy) / (hill[2] * hill[2]));
            }
            const int level = std::min(3, static_cast<int>(height * 4.f));
            grid[x][y] = &tileset.getTiles()[static_cast<std::size_t>(level)];
        }
    }
    return grid;
}

struct Result {
    double msPerFrame;
    sf::Image picture;
};

// Draws once untimed (so buffers exist), then times the frames; each frame waits for the GL to
// finish so that queued work is not carried into the next measurement.
Result timeFrames(sf::RenderTexture& target, int frames, const std::function<void()>& drawFrame) {
    using Finish = void (*)();
    static const auto finish = reinterpret_cast<Finish>(sf::Context::getFunction("glFinish"));
    const auto frame = [&] {
        target.clear(sf::Color::Black);
        drawFrame();
        target.display();
        if (finish)
            finish();
    };
    frame();
    sf::Clock clock;
    for (int i = 0; i < frames; ++i)
        frame();
    const double ms = clock.getElapsedTime().asMicroseconds() / 1000.0 / frames;
    return Result{ms, target.getTexture().copyToImage()};
}

// The quads the map shows, in drawing order.
std::vector<sf::Vertex> visibleQuads(const orv::Tilemap& map) {
    std::vector<sf::Vertex> quads;
    for (std::size_t layer = 0; layer < orv::Tilemap::layerCount; ++layer)
        quads.insert(quads.end(), map.getLayer(layer).getVertices().begin(),
                     map.getLayer(layer).getVertices().end());
    return quads;
}

// Every layer refilled from the cells' looks and uploaded whole, each frame.
class FullRebuild {
public:
    explicit FullRebuild(const orv::Tilemap& map) : map(map) {
        const std::size_t vertexCount = static_cast<std::size_t>(mapEdge * mapEdge * 4);
        for (sf::VertexBuffer& buffer : buffers) {
            buffer.setPrimitiveType(sf::Quads);
            buffer.setUsage(sf::VertexBuffer::Stream);
            buffer.create(vertexCount);
        }
        scratch.resize(vertexCount);
    }

    void draw(sf::RenderTarget& target, const sf::Texture& texture) {
        sf::RenderStates states;
        states.texture = &texture;
        for (std::size_t layer = 0; layer < buffers.size(); ++layer) {
            std::fill(scratch.begin(), scratch.end(), sf::Vertex());
            for (int x = 0; x < mapEdge; ++x) {
                for (int y = 0; y < mapEdge; ++y) {
                    const orv::CellLook& look = map.getLook({x, y});
                    const orv::Variant* variant = layer == 0 ? look.variant : look.overlays[layer - 1];
                    if (variant != nullptr)
                        writeQuad(&scratch[static_cast<std::size_t>(x * mapEdge + y) * 4], x, y,
                                  variant->currentFrame(map.getTime()));
                }
            }
            buffers[layer].update(scratch.data());
            target.draw(buffers[layer], states);
        }
    }

private:
    static void writeQuad(sf::Vertex* v, int x, int y, const sf::IntRect& r) {
        const float left = static_cast<float>(x * tileSize), top = static_cast<float>(y * tileSize);
        const float edge = tileSize;
        const auto u0 = static_cast<float>(r.left), v0 = static_cast<float>(r.top);
        const auto u1 = static_cast<float>(r.left + r.width), v1 = static_cast<float>(r.top + r.height);
        v[0] = sf::Vertex({left, top}, {u0, v0});
        v[1] = sf::Vertex({left + edge, top}, {u1, v0});
        v[2] = sf::Vertex({left + edge, top + edge}, {u1, v1});
        v[3] = sf::Vertex({left, top + edge}, {u0, v1});
    }

    const orv::Tilemap& map;
    std::array<sf::VertexBuffer, orv::Tilemap::layerCount> buffers;
    std::vector<sf::Vertex> scratch;
};

bool samePicture(const sf::Image& a, const sf::Image& b) {
    if (a.getSize() != b.getSize())
        return false;
    const std::size_t bytes = static_cast<std::size_t>(a.getSize().x) * a.getSize().y * 4;
    return std::equal(a.getPixelsPtr(), a.getPixelsPtr() + bytes, b.getPixelsPtr());
}

} // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 120;

    sf::Texture sheet;
    if (!sheet.loadFromImage(makeSheet()) || !sf::VertexBuffer::isAvailable()) {
        std::puts("no texture or vertex buffers on this display");
        return 1;
    }
    orv::Tileset tileset(makeTiles(), &sheet);
    const orv::Tilemap map({mapEdge, mapEdge}, tileSize, makeGround(tileset), tileset);

    const std::vector<sf::Vertex> quads = visibleQuads(map);
    sf::VertexBuffer prebuilt(sf::Quads, sf::VertexBuffer::Static);
    prebuilt.create(quads.size());
    prebuilt.update(quads.data());
    sf::RenderStates textured;
    textured.texture = &sheet;
    FullRebuild rebuild(map);

    std::printf("map %dx%d, %zu visible quads, %d frames each\n", mapEdge, mapEdge, quads.size() / 4, frames);
    bool same = true;
    // Whole map at one pixel per texel, then shrunk into a small target, where filling pixels
    // costs little and the per-frame work around the draw calls shows.
    for (const unsigned targetEdge : {1600u, 200u}) {
        sf::RenderTexture target;
        if (!target.create(targetEdge, targetEdge))
            return 1;
        target.setView(sf::View(sf::FloatRect(0, 0, mapEdge * tileSize, mapEdge * tileSize)));

        // Rounds alternate between the ways of drawing and the best round of each counts, so
        // that warming up and load from other processes do not favour one of them.
        Result lower{1e30, {}}, drawn{1e30, {}}, full{1e30, {}};
        const auto keepBest = [](Result& best, Result next) {
            if (next.msPerFrame < best.msPerFrame)
                best = std::move(next);
        };
        for (int round = 0; round < 3; ++round) {
            keepBest(lower, timeFrames(target, frames, [&] { target.draw(prebuilt, textured); }));
            keepBest(drawn, timeFrames(target, frames, [&] { target.draw(map); }));
            keepBest(full, timeFrames(target, frames, [&] { rebuild.draw(target, sheet); }));
        }
        const std::string edge = std::to_string(targetEdge);
        const std::string buffer = "Tiles/static-buffer:" + edge;
        orvbench::printFigureLine("Tiles/tile-map:" + edge, drawn.msPerFrame, buffer, lower.msPerFrame, 0.0);
        orvbench::printFigureLine("Tiles/full-rebuild:" + edge, full.msPerFrame, buffer, lower.msPerFrame,
                                  0.0);
        if (!samePicture(drawn.picture, lower.picture) || !samePicture(full.picture, lower.picture)) {
            std::printf("pictures differ at target %u\n", targetEdge);
            same = false;
        }
    }
    return same ? 0 : 1;
}
