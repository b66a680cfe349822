#pragma once

#include "engine/common/Export.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/signals/Signal.hpp"

#include <list>
#include <memory>
#include <unordered_set>
#include <vector>

namespace orv {

class World;

// The entities of one world, owned, in the order they were added. Entities come and go in
// batches, and systems hear of each batch through the entities-added signal (after insertion)
// and the entities-removed signal (while the entities are still in place).
class EntityManager {
public:
    using EntityList = std::list<std::unique_ptr<Entity>>;
    using EntityBatchSignal = smartsignals::Signal<void(const std::vector<const Entity*>&)>;

    EntityManager(const EntityManager&) = delete;
    EntityManager& operator=(const EntityManager&) = delete;
    virtual ~EntityManager();

    // The whole batch is checked first: if any entity is not initialised nothing is taken, so
    // the caller still owns every entity. Returns the added entities in input order.
    ORV_API std::vector<const Entity*> addEntities(std::vector<std::unique_ptr<Entity>>&& entities);
    ORV_API const Entity* addEntity(std::unique_ptr<Entity>&& entity);

    // Every pointer is checked before any signal: each must name an entity of this world, once.
    // Returns the removed entities in the order they stood in the world.
    ORV_API std::vector<std::unique_ptr<Entity>> removeEntities(std::vector<const Entity*> entities);

    // Marks an entity for removeMarkedEntities(); marking it again changes nothing.
    void markForRemoval(const Entity* entity);
    // Removes and deletes the marked entities. The marks are cleared even when this throws.
    void removeMarkedEntities();
    const std::vector<const Entity*>& getMarkedForRemoval() const { return markedForRemoval; }

    bool contains(const Entity* entity) const;
    ORV_API unsigned long long getEntityCount() const;
    const EntityList& getEntities() const { return entities; }

    // Emitted for a checked batch before any of it is inserted: a listener that throws refuses
    // the whole batch, and the caller keeps every entity.
    EntityBatchSignal& getEntitiesArrivingSignal() { return entitiesArriving; }
    EntityBatchSignal& getEntitiesAddedSignal() { return entitiesAdded; }
    EntityBatchSignal& getEntitiesRemovedSignal() { return entitiesRemoved; }
    smartsignals::Signal<void(unsigned long long)>& getEntityCountChangedSignal() {
        return entityCountChanged;
    }

protected:
    // The world whose entity manager this is; entities learn it as their world.
    explicit EntityManager(World& self);

private:
    void unmark(const Entity* entity);

    World& self;
    EntityList entities;
    std::vector<const Entity*> markedForRemoval;
    std::unordered_set<const Entity*> marked;
    EntityBatchSignal entitiesArriving;
    EntityBatchSignal entitiesAdded;
    EntityBatchSignal entitiesRemoved;
    smartsignals::Signal<void(unsigned long long)> entityCountChanged;
};

} // namespace orv
