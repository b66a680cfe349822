#include "game/terrain/TerrainSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/time/TimeSystem.hpp"

#include <algorithm>
#include <stdexcept>

namespace tarsk {

TerrainSystem::TerrainSystem() : SerializableSystem_template(0) {}

std::unique_ptr<TerrainSystem> TerrainSystem::create(const nlohmann::json&) {
    return std::make_unique<TerrainSystem>();
}

void TerrainSystem::onPreInit(orv::World* world) {
    timeSystem = world->getSystem<TimeSystem>();
    // A second terrain is refused before its batch enters the world.
    world->getEntitiesArrivingSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { findArrivingTerrain(batch); });
    world->getEntitiesAddedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesAdded(batch); });
    world->getEntitiesRemovedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesRemoved(batch); });
}

const orv::Entity* TerrainSystem::findArrivingTerrain(const std::vector<const orv::Entity*>& batch) const {
    const orv::Entity* arriving = nullptr;
    for (const orv::Entity* entity : batch) {
        if (!entity->hasComponent<TerrainComponent>())
            continue;
        if (terrainEntity || arriving)
            throw std::logic_error("A world has one terrain; a second terrain entity was added");
        arriving = entity;
    }
    return arriving;
}

void TerrainSystem::onEntitiesAdded(const std::vector<const orv::Entity*>& batch) {
    if (const orv::Entity* arriving = findArrivingTerrain(batch)) {
        terrainEntity = arriving;
        terrain = arriving->getComponent<TerrainComponent>();
    }
}

void TerrainSystem::onEntitiesRemoved(const std::vector<const orv::Entity*>& batch) {
    if (std::find(batch.begin(), batch.end(), terrainEntity) != batch.end()) {
        terrainEntity = nullptr;
        terrain = nullptr;
    }
}

void TerrainSystem::onUpdate() {
    if (terrain)
        terrain->getTilemap().setTime(tileClock(timeSystem->getTotalTime()));
}

std::uint32_t TerrainSystem::tileClock(sf::Time totalRealTime) {
    const std::int64_t milliseconds = totalRealTime.asMicroseconds() / 1000;
    return milliseconds <= 0 ? 0u : static_cast<std::uint32_t>(milliseconds);
}

} // namespace tarsk
