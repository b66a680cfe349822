#pragma once

#include "engine/tiles/Pattern.hpp"
#include "engine/tiles/Tile.hpp"
#include "engine/tiles/Tileset.hpp"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Small tile definitions for the tile tests, built without any document.
namespace tiletest {

inline orv::Pattern anyExcept(std::size_t k, const std::string& token) {
    orv::Pattern pattern;
    pattern.fill("?");
    pattern[k] = token;
    return pattern;
}

inline orv::Tile plainTile(const std::string& id, std::int32_t priority, const sf::IntRect& rect) {
    return orv::Tile(id, id, {}, {orv::Variant(rect)}, {}, priority, {}, {});
}

// The overlay this tile paints on a cell that sees it at neighbourhood position k.
inline sf::IntRect edgeRect(std::size_t k, int row) {
    return sf::IntRect(static_cast<int>(k) * 16, row * 16, 16, 16);
}

// A tile that paints a different overlay for each side it touches a cell from: one rule per
// neighbourhood position, in order, so the first position holding this tile decides.
inline orv::Tile edgePainter(const std::string& id, std::int32_t priority, const sf::IntRect& rect, int row) {
    std::vector<orv::Variant> pool;
    std::vector<orv::VariantRule> rules;
    for (std::size_t k = 0; k < 9; ++k) {
        if (k == orv::neighbourhoodCentre)
            continue;
        rules.push_back(orv::VariantRule{anyExcept(k, "X"), pool.size()});
        pool.emplace_back(edgeRect(k, row));
    }
    return orv::Tile(id, id, {}, {orv::Variant(rect)}, {}, priority, std::move(pool), std::move(rules));
}

inline const orv::Tile& findTile(const orv::Tileset& tileset, const std::string& id) {
    auto it = tileset.findTile(id);
    if (it == tileset.end())
        throw std::logic_error(std::string("test tile missing: ").append(id));
    return *it;
}

} // namespace tiletest
