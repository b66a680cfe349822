#include "engine/ecs/WorldManager.hpp"

#include <stdexcept>
#include <string>
#include <utility>

namespace orv {

WorldManager::WorldManager(std::uint32_t idCounter) : idCounter(idCounter) {}

WorldManager::~WorldManager() = default;

WorldContainer* WorldManager::addExistingWorldContainer(WorldContainer&& container) {
    if (!container.getWorld())
        throw std::logic_error("WorldContainer needs a World");
    WorldContainer& stored = containers.emplace_back(std::move(container));
    World* world = stored.getWorld();
    smartsignals::ScopedConnections& records = containerConnections[stored.getId()];

    stored.getActivityChangedSignal().connectTracked(
        records, [this, &stored](bool) { containerActivity.emit(&stored); });
    world->getEntitiesAddedSignal().connectTracked(
        records,
        [this, world](const std::vector<const Entity*>& batch) { entitiesAdded.emit(world, batch); });
    world->getEntitiesRemovedSignal().connectTracked(
        records,
        [this, world](const std::vector<const Entity*>& batch) { entitiesRemoved.emit(world, batch); });

    containersChanged.emit();
    return &stored;
}

std::vector<WorldContainer*> WorldManager::getWorldContainers() {
    std::vector<WorldContainer*> result;
    result.reserve(containers.size());
    for (WorldContainer& container : containers)
        result.push_back(&container);
    return result;
}

std::vector<const WorldContainer*> WorldManager::getWorldContainers() const {
    std::vector<const WorldContainer*> result;
    result.reserve(containers.size());
    for (const WorldContainer& container : containers)
        result.push_back(&container);
    return result;
}

std::vector<WorldContainer*> WorldManager::getActiveWorldContainers() {
    std::vector<WorldContainer*> result;
    for (WorldContainer& container : containers) {
        if (container.isActive())
            result.push_back(&container);
    }
    return result;
}

WorldContainer* WorldManager::getWorldContainer(std::uint32_t id) {
    for (WorldContainer& container : containers) {
        if (container.getId() == id)
            return &container;
    }
    return nullptr;
}

void WorldManager::initSystems() {
    SystemManager::initSystems(*this);
}

void WorldManager::update() {
    for (WorldContainer& container : containers) {
        if (container.isActive())
            container.getWorld()->update();
    }
    updateSystems();
}

void WorldManager::moveEntity(std::uint32_t targetId, const Entity* entity) {
    moveEntityWithCallback(targetId, entity, [] {});
}

void WorldManager::moveEntityWithCallback(std::uint32_t targetId, const Entity* entity,
                                          std::function<void()> between) {
    if (!between)
        throw std::bad_function_call();
    if (!entity || !entity->getWorld())
        throw std::logic_error("cannot move an Entity that is in no world");
    World* source = entity->getWorld();
    WorldContainer* target = getWorldContainer(targetId);
    if (!target)
        throw std::logic_error("cannot move an Entity to unknown world container id " +
                               std::to_string(targetId));

    std::vector<std::unique_ptr<Entity>> moving = source->removeEntities({entity});
    // Out of its world the entity is owned here alone: whatever fails on the way, it goes home.
    try {
        between();
        target->getWorld()->addEntities(std::move(moving));
    } catch (...) {
        if (!moving.empty())
            source->addEntities(std::move(moving));
        throw;
    }
}

} // namespace orv
