#include "game/items/ItemSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/items/ItemCollectorComponent.hpp"
#include "game/items/ItemComponent.hpp"

namespace tarsk {

ItemSystem::ItemSystem() : SerializableSystem_template(0) {}

std::unique_ptr<ItemSystem> ItemSystem::create(const nlohmann::json&) {
    return std::make_unique<ItemSystem>();
}

void ItemSystem::onPreInit(orv::World* owner) {
    world = owner;
    items.follow(*world);
    collectors.follow(
        *world,
        [this](const orv::Entity* entity, ItemCollectorComponent& collector) {
            onCollectorAdded(entity, collector);
        },
        [this](const orv::Entity* entity, ItemCollectorComponent&) { collectorConnections.erase(entity); });
}

void ItemSystem::onCollectorAdded(const orv::Entity* entity, ItemCollectorComponent& collector) {
    // Deferred: the announcement may come from inside a physics step or a system's loop.
    // An entity of another world cannot be removed from this one and is left alone.
    collector.collected.connectTracked(collectorConnections[entity], [this](const orv::Entity* item) {
        if (world->contains(item))
            world->markForRemoval(item);
    });
}

} // namespace tarsk
