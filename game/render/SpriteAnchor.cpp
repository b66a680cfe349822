#include "game/render/SpriteAnchor.hpp"

#include <stdexcept>
#include <string>

namespace tarsk {

bool isValidAnchor(std::int32_t anchor) {
    return anchor >= 0 && anchor <= 8;
}

std::int32_t checkedAnchor(std::int32_t anchor) {
    if (!isValidAnchor(anchor))
        throw std::invalid_argument("Sprite anchor must be between 0 and 8, got " + std::to_string(anchor));
    return anchor;
}

sf::Vector2f anchorOffset(std::int32_t anchor, const sf::FloatRect& bounds) {
    checkedAnchor(anchor);
    const int column = anchor / 3;
    const int row = anchor % 3;
    return {float(column - 1) * bounds.width / 2.f, float(row - 1) * bounds.height / 2.f};
}

} // namespace tarsk
