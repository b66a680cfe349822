#include "game/items/ItemSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/items/ItemCollectorComponent.hpp"
#include "game/items/ItemComponent.hpp"

#include <algorithm>
#include <functional>

namespace tarsk {

ItemSystem::ItemSystem() : SerializableSystem_template(0) {}

std::unique_ptr<ItemSystem> ItemSystem::create(const nlohmann::json&) {
    return std::make_unique<ItemSystem>();
}

void ItemSystem::onPreInit(orv::World* owner) {
    world = owner;
    world->getEntitiesAddedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesAdded(batch); });
    world->getEntitiesRemovedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesRemoved(batch); });
}

void ItemSystem::onEntitiesAdded(const std::vector<const orv::Entity*>& batch) {
    for (const orv::Entity* entity : batch) {
        if (entity->findComponent<ItemComponent>())
            items.push_back(entity);
        if (auto* collector = entity->findComponent<ItemCollectorComponent>()) {
            // Deferred: the announcement may come from inside a physics step or a system's loop.
            // An entity of another world cannot be removed from this one and is left alone.
            const smartsignals::u64 id =
                collector->collected.connectTracked(connections, [this](const orv::Entity* item) {
                    if (world->contains(item))
                        world->markForRemoval(item);
                });
            collectors.push_back({entity, collector, id});
        }
    }
}

void ItemSystem::onEntitiesRemoved(const std::vector<const orv::Entity*>& batch) {
    std::vector<const orv::Entity*> gone(batch);
    std::sort(gone.begin(), gone.end(), std::less<>());
    const auto isGone = [&gone](const orv::Entity* entity) {
        return std::binary_search(gone.begin(), gone.end(), entity, std::less<>());
    };
    std::erase_if(items, isGone);
    std::erase_if(collectors, [&isGone](const Collector& collector) {
        if (!isGone(collector.entity))
            return false;
        collector.component->collected.disconnect(collector.connection);
        return true;
    });
}

std::vector<const orv::Entity*> ItemSystem::getCollectors() const {
    std::vector<const orv::Entity*> entities;
    for (const Collector& collector : collectors)
        entities.push_back(collector.entity);
    return entities;
}

} // namespace tarsk
