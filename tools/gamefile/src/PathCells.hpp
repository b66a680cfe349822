#pragma once

#include "tools/gamefile/src/StoryLayout.hpp"

#include <SFML/System/Vector2.hpp>

#include <vector>

namespace gamefile {

// The cells a path covers, in a fixed order (x outer, y inner), each counted once.
std::vector<sf::Vector2i> pathCells(const PathLayout& path, int side);

// Distance from a point to the path's centre line.
float distanceToPath(const PathLayout& path, sf::Vector2f point);

} // namespace gamefile
