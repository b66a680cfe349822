#include "game/render/RenderOrder.hpp"

#include <cmath>

namespace tarsk {

namespace {

bool lessTotal(float a, float b) {
    if (std::isnan(a))
        return false;
    if (std::isnan(b))
        return true;
    return a < b;
}

} // namespace

bool drawsBefore(const sf::Vector3f& a, const sf::Vector3f& b) {
    if (lessTotal(a.z, b.z))
        return true;
    if (lessTotal(b.z, a.z))
        return false;
    if (lessTotal(a.y, b.y))
        return true;
    if (lessTotal(b.y, a.y))
        return false;
    return lessTotal(a.x, b.x);
}

} // namespace tarsk
