#pragma once

#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "game/content/Identifiers.hpp"

#include <memory>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class ItemCollectorComponent;

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

    const std::vector<const orv::Entity*>& getItemEntities() const { return items; }
    std::vector<const orv::Entity*> getCollectors() const;

private:
    void onEntitiesAdded(const std::vector<const orv::Entity*>& batch);
    void onEntitiesRemoved(const std::vector<const orv::Entity*>& batch);

    struct Collector {
        const orv::Entity* entity;
        ItemCollectorComponent* component;
        smartsignals::u64 connection;
    };

    orv::World* world = nullptr;
    std::vector<const orv::Entity*> items;
    std::vector<Collector> collectors;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
