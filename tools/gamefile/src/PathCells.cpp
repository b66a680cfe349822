#include "tools/gamefile/src/PathCells.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gamefile {

namespace {

float distanceToLeg(sf::Vector2f a, sf::Vector2f b, sf::Vector2f p) {
    const sf::Vector2f ab = b - a;
    const float length2 = ab.x * ab.x + ab.y * ab.y;
    float t = 0.f;
    if (length2 > 0.f)
        t = std::clamp(((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / length2, 0.f, 1.f);
    const sf::Vector2f closest = a + ab * t;
    return std::hypot(p.x - closest.x, p.y - closest.y);
}

} // namespace

float distanceToPath(const PathLayout& path, sf::Vector2f point) {
    float best = std::numeric_limits<float>::max();
    for (std::size_t i = 1; i < path.points.size(); ++i)
        best = std::min(best, distanceToLeg(path.points[i - 1], path.points[i], point));
    return best;
}

std::vector<sf::Vector2i> pathCells(const PathLayout& path, int side) {
    std::vector<sf::Vector2i> cells;
    for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y) {
            if (distanceToPath(path, {x + 0.5f, y + 0.5f}) <= path.halfWidth)
                cells.emplace_back(x, y);
        }
    }
    return cells;
}

} // namespace gamefile
