#pragma once

#include "game/worldgen/WorldGenerator.hpp"

#include <SFML/System/Vector2.hpp>

namespace tarsk {

// A meadow: every system a playable world runs, in their fixed order, over an all-grass terrain
// of the given size, at noon.
class DefaultWorldGenerator : public WorldGenerator {
public:
    static constexpr const char* DayNightCycleId = "DAY_NIGHT_DEFAULT";

    explicit DefaultWorldGenerator(sf::Vector2u size);

    std::int32_t getId() const override;
    std::string getName() const override;
    std::unique_ptr<orv::World> generate(WorldGeneratorManager& manager) override;

    sf::Vector2u getSize() const { return size; }

private:
    sf::Vector2u size;
};

} // namespace tarsk
