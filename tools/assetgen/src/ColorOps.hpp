#pragma once

#include <SFML/Graphics/Color.hpp>

#include <cstdint>

namespace assetgen {

// Colour from 0xRRGGBB, opaque.
sf::Color rgb(std::uint32_t hex);
sf::Color withAlpha(sf::Color c, std::uint8_t alpha);
// Linear mix of two colours, alpha included; t = 0 gives a.
sf::Color mix(sf::Color a, sf::Color b, float t);
// Source-over composition of `top` onto `bottom`.
sf::Color over(sf::Color top, sf::Color bottom);

} // namespace assetgen
