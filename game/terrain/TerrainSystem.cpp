#include "game/terrain/TerrainSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/time/TimeSystem.hpp"

#include <stdexcept>

namespace tarsk {

TerrainSystem::TerrainSystem() : SerializableSystem_template(0) {}

std::unique_ptr<TerrainSystem> TerrainSystem::create(const nlohmann::json&) {
    return std::make_unique<TerrainSystem>();
}

void TerrainSystem::onPreInit(orv::World* world) {
    timeSystem = world->getSystem<TimeSystem>();
    // A second terrain is refused before its batch enters the world, and again (before it is
    // listed) for a batch announced without that.
    const auto check = [this](const std::vector<const orv::Entity*>& batch) {
        checkArriving(batch);
    };
    world->getEntitiesArrivingSignal().connectTracked(connections, check);
    world->getEntitiesAddedSignal().connectTracked(connections, check);
    terrains.follow(*world);
}

void TerrainSystem::checkArriving(const std::vector<const orv::Entity*>& batch) const {
    bool arriving = false;
    for (const orv::Entity* entity : batch) {
        if (!entity->hasComponent<TerrainComponent>() || terrains.contains(entity))
            continue;
        if (!terrains.isEmpty() || arriving)
            throw std::logic_error("A world has one terrain; a second terrain entity was added");
        arriving = true;
    }
}

const orv::Entity* TerrainSystem::getTerrainEntity() const {
    return terrains.isEmpty() ? nullptr : terrains.begin()->entity;
}

void TerrainSystem::onUpdate() {
    if (!terrains.isEmpty())
        terrains.begin()->component->getTilemap().setTime(tileClock(timeSystem->getTotalTime()));
}

std::uint32_t TerrainSystem::tileClock(sf::Time totalRealTime) {
    const std::int64_t milliseconds = totalRealTime.asMicroseconds() / 1000;
    return milliseconds <= 0 ? 0u : static_cast<std::uint32_t>(milliseconds);
}

} // namespace tarsk
