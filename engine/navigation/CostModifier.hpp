#pragma once

#include <functional>
#include <vector>

namespace orv {

struct RegionType;

// Reshapes the cost of moving through a region; a search applies its modifiers in order,
// each to the previous one's result.
using CostModifier = std::function<float(const RegionType*, float)>;
using CostModifiers = std::vector<CostModifier>;

} // namespace orv
