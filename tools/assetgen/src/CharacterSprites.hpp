#pragma once

#include <SFML/Graphics/Image.hpp>

namespace assetgen {

// People, drawn as hand-placed pixel templates and outlined.
class CharacterSprites {
public:
    // The player's sheet: one row of eight 16x32 frames, facing south, north, east, west,
    // south-west, south-east, north-east and north-west, in that order.
    static sf::Image ninja();
    // The bearded old man who hands out the quests, 17x31, facing the viewer.
    static sf::Image oldMan();
};

} // namespace assetgen
