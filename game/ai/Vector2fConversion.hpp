#pragma once

#include "bt/Convert.hpp"

#include <SFML/System/Vector2.hpp>

#include <string_view>

namespace bt {

// Two-dimensional port values are written "x;y" in tree text ("3.5;-2"), each part a finite
// float. Reading an sf::Vector2f from a port or a blackboard does not compile without this
// declaration in sight.
sf::Vector2f fromText(std::string_view text, As<sf::Vector2f>);

} // namespace bt
