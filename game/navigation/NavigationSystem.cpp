#include "game/navigation/NavigationSystem.hpp"

#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/terrain/TerrainSystem.hpp"

namespace tarsk {

NavigationSystem::NavigationSystem()
    : SerializableSystem_template(0), defaultRegion(orv::makeRegionEntry(id::defaultRegion)) {}

NavigationSystem::~NavigationSystem() = default;

std::unique_ptr<NavigationSystem> NavigationSystem::create(const nlohmann::json&) {
    return std::make_unique<NavigationSystem>();
}

void NavigationSystem::onPreInit(orv::World* world) {
    terrainSystem = world->getSystem<TerrainSystem>();
    physicsSystem = world->getSystem<orv::PhysicsSystem>();
}

std::future<orv::Navpath> NavigationSystem::findGoodPath(sf::Vector2f start, sf::Vector2f goal,
                                                         const orv::Entity*) {
    return std::async(std::launch::deferred, [this, start, goal] { return search(start, goal); });
}

orv::Navpath NavigationSystem::search(sf::Vector2f start, sf::Vector2f goal) const {
    if (!navmesh)
        return orv::Navpath{};
    return navmesh->findPath(start, goal);
}

} // namespace tarsk
