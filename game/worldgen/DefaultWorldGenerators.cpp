#include "game/worldgen/DefaultWorldGenerators.hpp"

#include "game/worldgen/DefaultWorldGenerator.hpp"
#include "game/worldgen/SampleDungeonGenerator.hpp"
#include "game/worldgen/SampleOutsideWorldGenerator.hpp"

namespace tarsk {

WorldGeneratorManager::Generators makeDefaultWorldGenerators() {
    WorldGeneratorManager::Generators generators;
    generators.push_back(std::make_unique<DefaultWorldGenerator>(sf::Vector2u(100, 100)));
    generators.push_back(std::make_unique<SampleOutsideWorldGenerator>());
    generators.push_back(std::make_unique<SampleDungeonGenerator>());
    return generators;
}

} // namespace tarsk
