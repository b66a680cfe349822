#pragma once

#include <SFML/Graphics/Image.hpp>

namespace assetgen {

// Trees and shrubs, 16x16 with transparent backgrounds, standing on the bottom edge.
class PlantSprites {
public:
    static sf::Image tree();
    static sf::Image palm();
    // A berry bush: the berries are what feeds whoever brushes past it.
    static sf::Image bush();
};

} // namespace assetgen
