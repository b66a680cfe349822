#include "tools/assetgen/src/TerrainPreview.hpp"

#include "tools/assetgen/src/ColorOps.hpp"

#include <libnoise/noise.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace assetgen {

namespace {

constexpr int kTile = 16;

void stamp(sf::Image& out, const sf::Image& sheet, sf::IntRect from, int cx, int cy) {
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const sf::Color src =
                sheet.getPixel(static_cast<unsigned>(from.left + x), static_cast<unsigned>(from.top + y));
            const auto px = static_cast<unsigned>(cx * kTile + x);
            const auto py = static_cast<unsigned>(cy * kTile + y);
            out.setPixel(px, py, over(src, out.getPixel(px, py)));
        }
    }
}

} // namespace

sf::Image TerrainPreview::render(const sf::Image& sheet, const std::vector<TileDefinition>& tiles,
                                 const Grid& grid, unsigned clock) {
    std::map<std::string, const TileDefinition*> byId;
    for (const auto& t : tiles) {
        byId.emplace(t.id, &t);
    }
    auto tileAt = [&](int x, int y) -> const TileDefinition& {
        const auto it = byId.find(grid[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]);
        if (it == byId.end()) {
            throw std::invalid_argument("preview grid names an unknown tile");
        }
        return *it->second;
    };
    const int w = static_cast<int>(grid.size());
    const int h = static_cast<int>(grid.front().size());
    sf::Image out;
    out.create(static_cast<unsigned>(w * kTile), static_cast<unsigned>(h * kTile), sf::Color::Black);
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            const TileDefinition& centre = tileAt(x, y);
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) {
                stamp(out, sheet, frameAt(centre.defaultLook, clock), x, y);
                continue;
            }
            std::array<const TileDefinition*, 8> around{};
            std::array<std::string, 8> ids;
            const int offsets[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
            for (std::size_t k = 0; k < 8; ++k) {
                around[k] = &tileAt(x + offsets[k][0], y + offsets[k][1]);
                ids[k] = around[k]->id;
            }
            stamp(out, sheet, frameAt(selectLook(centre, ids), clock), x, y);

            std::vector<std::pair<int, const Look*>> overlays;
            std::vector<std::string> handled;
            for (const auto* n : around) {
                if (std::find(handled.begin(), handled.end(), n->id) != handled.end() ||
                    n->stackingPriority <= centre.stackingPriority) {
                    continue;
                }
                std::array<std::string, 8> seen = ids;
                for (std::size_t k = 0; k < 8; ++k) {
                    if (around[k]->stackingPriority < centre.stackingPriority) {
                        seen[k] = centre.id;
                    }
                }
                if (const Look* look = selectTransition(*n, seen)) {
                    overlays.emplace_back(n->stackingPriority, look);
                }
                handled.push_back(n->id);
            }
            std::stable_sort(overlays.begin(), overlays.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            for (const auto& [priority, look] : overlays) {
                stamp(out, sheet, frameAt(*look, clock), x, y);
            }
        }
    }
    return out;
}

TerrainPreview::Grid TerrainPreview::island(int size, int seed) {
    noise::module::Perlin perlin;
    perlin.SetFrequency(8.0);
    perlin.SetPersistence(0.4);
    perlin.SetSeed(seed);
    noise::module::ScaleBias bias;
    bias.SetSourceModule(0, perlin);
    bias.SetBias(0.5);
    static const char* const kByClass[] = {"WATER_DEEP", "WATER_DEEP", "WATER_DEEP", "WATER_LOW",
                                           "SAND",       "GRASS",      "DIRT",       "STONES_SMOOTH"};
    const double half = size / 2.0;
    Grid grid(static_cast<std::size_t>(size), std::vector<std::string>(static_cast<std::size_t>(size)));
    for (int x = 0; x < size; ++x) {
        for (int y = 0; y < size; ++y) {
            const double d = std::hypot(x - half, y - half) / half;
            const double n = bias.GetValue(x * 0.01, 0, y * 0.01);
            int cls = 1;
            if (d <= 1) {
                const double height = (n + 1) * (1 - d);
                cls = height > 1.4   ? 7
                      : height > 1.3 ? 6
                      : height > 0.7 ? 5
                      : height > 0.5 ? 4
                      : height > 0.4 ? 3
                      : height > 0.2 ? 2
                                     : 1;
            }
            grid[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = kByClass[cls];
        }
    }
    return grid;
}

} // namespace assetgen
