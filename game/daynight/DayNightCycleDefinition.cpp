#include "game/daynight/DayNightCycleDefinition.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tarsk {

sf::Color lerpColor(sf::Color a, sf::Color b, float f) {
    auto channel = [f](sf::Uint8 from, sf::Uint8 to) {
        return static_cast<sf::Uint8>(static_cast<float>(from) * (1.0f - f) + static_cast<float>(to) * f);
    };
    return sf::Color(channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b), 255);
}

DayNightCycleDefinition::DayNightCycleDefinition(std::string id, std::vector<DayNightCycleState> states)
    : id(std::move(id)), states(std::move(states)) {
    // Stable, so states that begin together keep their file order on every machine.
    std::stable_sort(this->states.begin(), this->states.end(),
                     [](const DayNightCycleState& a, const DayNightCycleState& b) {
                         return a.beginPercent < b.beginPercent;
                     });
}

sf::Color DayNightCycleDefinition::getColor(float fraction) const {
    if (states.empty())
        return sf::Color();
    if (std::isnan(fraction))
        return sf::Color::White;
    const float t = std::clamp(fraction, 0.0f, 1.0f);
    if (t < states.front().beginPercent)
        return getColorBetweenStates(t, states.back(), states.front());
    for (std::size_t i = 0; i + 1 < states.size(); ++i) {
        if (states[i].beginPercent <= t && t < states[i + 1].beginPercent)
            return getColorBetweenStates(t, states[i], states[i + 1]);
    }
    return getColorBetweenStates(t, states.back(), states.front());
}

sf::Color DayNightCycleDefinition::getColorBetweenStates(float t, const DayNightCycleState& from,
                                                         const DayNightCycleState& to) const {
    if (&from == &to)
        return from.color;
    const float val = t >= from.beginPercent ? t - from.beginPercent : 1.0f - from.beginPercent + t;
    const float dist = to.beginPercent > from.beginPercent ? to.beginPercent - from.beginPercent
                                                           : to.beginPercent + (1.0f - from.beginPercent);
    if (val > dist)
        throw std::runtime_error("DayNightCycleDefinition::getColorBetweenStates(): val > dist");
    // States at 1.0 and 0.0 leave no time between them: the earlier one's colour holds.
    if (dist <= 0.0f)
        return lerpColor(from.color, to.color, 0.0f);
    return lerpColor(from.color, to.color, val / dist);
}

} // namespace tarsk
