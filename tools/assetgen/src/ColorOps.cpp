#include "tools/assetgen/src/ColorOps.hpp"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

std::uint8_t channel(float v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0l, 255l));
}

} // namespace

sf::Color rgb(std::uint32_t hex) {
    return sf::Color(static_cast<std::uint8_t>(hex >> 16), static_cast<std::uint8_t>(hex >> 8),
                     static_cast<std::uint8_t>(hex));
}

sf::Color withAlpha(sf::Color c, std::uint8_t alpha) {
    c.a = alpha;
    return c;
}

sf::Color mix(sf::Color a, sf::Color b, float t) {
    auto lerp = [t](std::uint8_t x, std::uint8_t y) {
        return channel(x + (y - x) * t);
    };
    return sf::Color(lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b), lerp(a.a, b.a));
}

sf::Color over(sf::Color top, sf::Color bottom) {
    const float ta = top.a / 255.f;
    const float ba = bottom.a / 255.f;
    const float outA = ta + ba * (1.f - ta);
    if (outA <= 0.f) {
        return sf::Color::Transparent;
    }
    auto comp = [&](std::uint8_t t, std::uint8_t b) {
        return channel((t * ta + b * ba * (1.f - ta)) / outA);
    };
    return sf::Color(comp(top.r, bottom.r), comp(top.g, bottom.g), comp(top.b, bottom.b),
                     channel(outA * 255.f));
}

} // namespace assetgen
