#pragma once

#include "bt/Convert.hpp"

#include <SFML/System/Vector2.hpp>

#include <string_view>

// Two-dimensional port values are written "x;y" in tree text ("3.5;-2"). Every translation unit
// that reads an sf::Vector2f from a port or a blackboard must see this declaration, or it quietly
// instantiates the library's throwing fallback instead (and the linker may keep that one). The
// game's nodes include it, and so do the AI component and the tree library headers for their users.
template <>
sf::Vector2f bt::convertFromString<sf::Vector2f>(std::string_view text);
