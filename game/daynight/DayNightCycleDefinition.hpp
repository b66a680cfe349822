#pragma once

#include "game/daynight/DayNightCycleState.hpp"

#include <string>
#include <vector>

namespace tarsk {

// A named day of colours, its states sorted by the time they begin.
class DayNightCycleDefinition {
public:
    DayNightCycleDefinition(std::string id, std::vector<DayNightCycleState> states);

    const std::string& getId() const { return id; }
    const std::vector<DayNightCycleState>& getStates() const { return states; }

    // The colour at a fraction of the day, blended between the state that began last and the
    // next one (wrapping over midnight).
    sf::Color getColor(float fraction) const;
    sf::Color getColorBetweenStates(float fraction, const DayNightCycleState& from,
                                    const DayNightCycleState& to) const;

private:
    std::string id;
    std::vector<DayNightCycleState> states;
};

} // namespace tarsk
