#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/System_base.hpp"

#include <vector>

namespace orv {

class Entity;
class PersistenceComponent;
class World;

// Follows the entities of its world that carry a persistence component, in arrival order; the
// world writer asks it which entities to save.
class PersistenceSystem : public System_base<World> {
public:
    PersistenceSystem();

    void onPreInit(World* world) override;
    void onInit() override {}
    void onUpdate() override {}

    // The tracked entities whose persistence flag is set, in tracked order.
    std::vector<const Entity*> getPersistentEntities() const;
    // Their persistence components, in the same order: what the world writer saves from.
    std::vector<const PersistenceComponent*> getPersistentComponents() const;
    std::vector<const Entity*> getTrackedEntities() const { return tracked.entities(); }

private:
    EntityTracker<PersistenceComponent> tracked;
};

} // namespace orv
