#include "engine/ecs/World.hpp"

namespace orv {

World::World() : EntityManager(*this) {}

World::~World() = default;

void World::initSystems() {
    SystemManager::initSystems(*this);
}

void World::update() {
    updateSystems();
}

} // namespace orv
