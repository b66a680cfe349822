#pragma once

#include <SFML/Graphics/Color.hpp>

namespace tarsk {

// A colour that holds from a fraction of the day (0 midnight, 0.5 noon) until the next state.
struct DayNightCycleState {
    sf::Color color;
    float beginPercent = 0.0f;
};

// Red, green and blue from a to b at f in [0, 1], truncated; alpha is always opaque.
sf::Color lerpColor(sf::Color a, sf::Color b, float f);

} // namespace tarsk
