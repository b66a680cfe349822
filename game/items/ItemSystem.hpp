#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "game/content/Identifiers.hpp"

#include <memory>
#include <unordered_map>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class ItemCollectorComponent;
class ItemComponent;

// Keeps track of the item entities and item collectors of its world, and removes an item
// entity at the end of the frame once a collector announces it. Saved as "ItemSystem", without data.
class ItemSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string& TypeName = id::system::item;

    ItemSystem();

    static std::unique_ptr<ItemSystem> create(const nlohmann::json& data);

    void onPreInit(orv::World* owner) override;
    void onInit() override {}
    // Event-driven: nothing to do per frame.
    void onUpdate() override {}

    const std::string& getSystemTypeName() const override { return TypeName; }

    std::vector<const orv::Entity*> getItemEntities() const { return items.entities(); }
    std::vector<const orv::Entity*> getCollectors() const { return collectors.entities(); }

private:
    void onCollectorAdded(const orv::Entity* entity, ItemCollectorComponent& collector);

    orv::World* world = nullptr;
    orv::EntityTracker<ItemComponent> items;
    orv::EntityTracker<ItemCollectorComponent> collectors;
    // Per collector, dropped when it leaves the world.
    std::unordered_map<const orv::Entity*, smartsignals::ScopedConnections> collectorConnections;
};

} // namespace tarsk
