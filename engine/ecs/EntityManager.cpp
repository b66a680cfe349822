#include "engine/ecs/EntityManager.hpp"

#include <algorithm>
#include <stdexcept>

namespace orv {

namespace {

[[noreturn]] void throwNotRegistered() {
    throw std::logic_error("An Entity that is not registered was marked for removal.");
}

} // namespace

EntityManager::EntityManager(World& self) : self(self) {}

EntityManager::~EntityManager() {
    // Front to back, and without a signal: nobody is listening to a world that is going away.
    while (!entities.empty())
        entities.pop_front();
}

std::vector<const Entity*> EntityManager::addEntities(std::vector<std::unique_ptr<Entity>>&& batch) {
    for (const auto& entity : batch) {
        if (!entity)
            throw std::logic_error("cannot add null Entity to world");
        if (!entity->getInitStatus())
            throw std::logic_error("cannot add uninitialized Entity to world");
    }
    std::vector<const Entity*> added;
    added.reserve(batch.size());
    for (const auto& entity : batch)
        added.push_back(entity.get());
    entitiesArriving.emit(added);
    for (auto& entity : batch) {
        entity->setWorld(&self);
        entities.push_back(std::move(entity));
    }
    batch.clear();
    entitiesAdded.emit(added);
    entityCountChanged.emit(getEntityCount());
    return added;
}

const Entity* EntityManager::addEntity(std::unique_ptr<Entity>&& entity) {
    std::vector<std::unique_ptr<Entity>> batch;
    batch.push_back(std::move(entity));
    try {
        return addEntities(std::move(batch)).front();
    } catch (...) {
        // A rejected entity stays with the caller; one already taken (a listener threw) does not.
        if (!batch.empty())
            entity = std::move(batch.front());
        throw;
    }
}

std::vector<std::unique_ptr<Entity>> EntityManager::removeEntities(std::vector<const Entity*> toRemove) {
    if (toRemove.empty())
        return {};

    std::unordered_set<const Entity*> pending(toRemove.begin(), toRemove.end());
    if (pending.size() != toRemove.size())
        throwNotRegistered();
    std::size_t present = 0;
    for (const auto& entity : entities)
        present += pending.contains(entity.get());
    if (present != pending.size())
        throwNotRegistered();

    entitiesRemoved.emit(toRemove);

    std::vector<std::unique_ptr<Entity>> removed;
    removed.reserve(pending.size());
    for (auto it = entities.begin(); it != entities.end() && !pending.empty();) {
        Entity* entity = it->get();
        if (!pending.contains(entity)) {
            ++it;
            continue;
        }
        entity->getRemovedFromWorldSignal().emit();
        entity->getConnections().disconnectAll();
        entity->setWorld(nullptr);
        unmark(entity);
        pending.erase(entity);
        removed.push_back(std::move(*it));
        it = entities.erase(it);
    }
    // Only a listener that removed some of these entities itself gets here.
    if (!pending.empty())
        throwNotRegistered();

    entityCountChanged.emit(getEntityCount());
    return removed;
}

void EntityManager::markForRemoval(const Entity* entity) {
    if (marked.insert(entity).second)
        markedForRemoval.push_back(entity);
}

void EntityManager::unmark(const Entity* entity) {
    if (marked.erase(entity) != 0)
        std::erase(markedForRemoval, entity);
}

void EntityManager::removeMarkedEntities() {
    std::vector<const Entity*> batch = std::move(markedForRemoval);
    markedForRemoval.clear();
    marked.clear();
    removeEntities(std::move(batch));
}

bool EntityManager::contains(const Entity* entity) const {
    return std::any_of(entities.begin(), entities.end(),
                       [entity](const std::unique_ptr<Entity>& owned) { return owned.get() == entity; });
}

unsigned long long EntityManager::getEntityCount() const {
    return entities.size();
}

} // namespace orv
