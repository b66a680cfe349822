#pragma once

#include "game/factories/EntityFactory.hpp"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orv {
class Entity;
}

namespace tarsk {

// Every entity factory by id: the one place gameplay code asks for a new entity of a kind.
class EntityFactoryManager {
public:
    EntityFactoryManager(std::vector<EntityFactory>&& factories, EntityFactory::Resources resources);

    // The first factory of an id wins; later ones are dropped silently. A factory without a
    // recipe could only fail later, when asked for, so it is refused here (std::invalid_argument).
    void addFactory(EntityFactory factory);

    // A new, uninitialised entity outside any world; an unknown id throws std::out_of_range
    // "invalid map<K, T> key".
    std::unique_ptr<orv::Entity> createEntity(const std::string& id) const;

    bool hasFactory(const std::string& id) const { return factories.contains(id); }
    const std::map<std::string, EntityFactory>& getFactories() const { return factories; }
    const EntityFactory::Resources& getResources() const { return resources; }

private:
    EntityFactory::Resources resources;
    std::map<std::string, EntityFactory> factories;
};

} // namespace tarsk
