#pragma once

#include "engine/tiles/Variant.hpp"

#include <cstddef>
#include <unordered_map>
#include <vector>

namespace orv {

// The quads of a tile map whose look is animated, each with the frame it currently shows, so
// that a new clock only visits those and rewrites the ones whose frame changed.
class AnimatedQuads {
public:
    struct Entry {
        std::size_t key;
        const Variant* variant;
        std::size_t frame;
    };

    // Adds the quad or replaces what it shows.
    void set(std::size_t key, const Variant& variant, std::size_t frame);
    void erase(std::size_t key);
    bool contains(std::size_t key) const { return positions.count(key) != 0; }

    std::vector<Entry>& getEntries() { return entries; }
    const std::vector<Entry>& getEntries() const { return entries; }

private:
    std::vector<Entry> entries;
    std::unordered_map<std::size_t, std::size_t> positions;
};

} // namespace orv
