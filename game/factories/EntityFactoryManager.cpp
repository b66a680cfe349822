#include "game/factories/EntityFactoryManager.hpp"

#include "engine/common/Lookup.hpp"
#include "engine/ecs/Entity.hpp"

#include <stdexcept>
#include <utility>

namespace tarsk {

EntityFactoryManager::EntityFactoryManager(std::vector<EntityFactory>&& factories,
                                           EntityFactory::Resources resources)
    : resources(resources) {
    for (EntityFactory& factory : factories)
        addFactory(std::move(factory));
}

void EntityFactoryManager::addFactory(EntityFactory factory) {
    if (!factory.create)
        throw std::invalid_argument("Entity factory without a create function: " + factory.id);
    if (factories.contains(factory.id))
        return;
    std::string id = factory.id;
    factories.emplace(std::move(id), std::move(factory));
}

std::unique_ptr<orv::Entity> EntityFactoryManager::createEntity(const std::string& id) const {
    return orv::lookup(factories, id).create(resources);
}

} // namespace tarsk
