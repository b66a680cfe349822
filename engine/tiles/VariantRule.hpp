#pragma once

#include "engine/tiles/Pattern.hpp"

#include <cstddef>

namespace orv {

// When the pattern matches, the look at poolIndex of the owning tile's pool is chosen.
struct VariantRule {
    Pattern pattern;
    std::size_t poolIndex = 0;
};

} // namespace orv
