#pragma once

#include <SFML/Graphics/Image.hpp>

namespace assetgen {

// Items and built things, 16x16 unless said otherwise. All but the wall have transparent backgrounds.
class PropSprites {
public:
    static sf::Image coconut();
    // A small stack of cut logs.
    static sf::Image wood();
    static sf::Image torch();
    static sf::Image fireplace();
    // A piece of stone brick wall, filling its square.
    static sf::Image wall();
    // The treasure chest at the end of the quest: dark wood, gold bands, a lock.
    static sf::Image finalChest();
    // A small sailing boat, the way off the island.
    static sf::Image ship();
    // The gate into the dungeon, 32x32: a stone arch round a swirl of purple light.
    static sf::Image purplePortal();
};

} // namespace assetgen
