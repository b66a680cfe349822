#pragma once

#include <SFML/System/Time.hpp>

#include <cstdint>
#include <string>

namespace tarsk {

// How a spawner behaves: what it makes, how often it tries, and how many of its entities may
// be alive at once.
struct SpawnerSettings {
    // Name of the entity factory asked for each new entity.
    std::string entityIdToSpawn;
    // Game time between two spawn events.
    sf::Time timeBetweenSpawnEvents = sf::seconds(10.f * 60.f);
    // Chance that one spawn event makes anything.
    float spawnProbability = 0.25f;
    // Entities made by one successful event.
    std::int32_t spawnCount = 1;
    // World units around the spawner.
    float spawnRadius = 3.f;
    std::int32_t maxConcurrentlySpawnedEntities = 6;
};

} // namespace tarsk
