#pragma once

#include "engine/ecs/SystemManager_base.hpp"
#include "engine/ecs/System_base.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/signals/Signal.hpp"

#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <vector>

namespace orv {

// The worlds of a game, each in its container, and the manager-wide systems. It forwards every
// world's entity batches as its own signals, with the world, and moves entities between worlds.
class WorldManager : public SystemManager_base<System_base<WorldManager>> {
public:
    using SystemManager = SystemManager_base<System_base<WorldManager>>;
    using WorldBatchSignal = smartsignals::Signal<void(World*, const std::vector<const Entity*>&)>;

    explicit WorldManager(std::uint32_t idCounter);
    ~WorldManager() override;

    // Takes the container to the end of the list and forwards its signals. Entities already in
    // its world are not announced.
    WorldContainer* addExistingWorldContainer(WorldContainer&& container);

    std::vector<WorldContainer*> getWorldContainers();
    // For readers that only look, such as the save writer.
    std::vector<const WorldContainer*> getWorldContainers() const;
    std::vector<WorldContainer*> getActiveWorldContainers();
    // The first container with this id, or null.
    WorldContainer* getWorldContainer(std::uint32_t id);
    std::uint32_t getIdCounter() const { return idCounter; }

    using SystemManager::initSystems;
    void initSystems();

    // The active worlds in list order, then the manager's own systems.
    void update();

    // Moves an entity from its world into the world of container targetId. Both worlds are
    // found before anything changes, so a bad id or a worldless entity throws with the entity
    // where it was.
    void moveEntity(std::uint32_t targetId, const Entity* entity);
    // As moveEntity, calling between() while the entity is in no world. If between() throws,
    // the entity goes back into its source world and the exception passes on.
    void moveEntityWithCallback(std::uint32_t targetId, const Entity* entity, std::function<void()> between);

    smartsignals::Signal<void()>& getContainersChangedSignal() { return containersChanged; }
    smartsignals::Signal<void(WorldContainer*)>& getContainerActivitySignal() { return containerActivity; }
    WorldBatchSignal& getEntitiesAddedSignal() { return entitiesAdded; }
    WorldBatchSignal& getEntitiesRemovedSignal() { return entitiesRemoved; }

private:
    std::list<WorldContainer> containers;
    std::map<std::uint32_t, smartsignals::ScopedConnections> containerConnections;
    std::uint32_t idCounter;
    smartsignals::Signal<void()> containersChanged;
    smartsignals::Signal<void(WorldContainer*)> containerActivity;
    WorldBatchSignal entitiesAdded;
    WorldBatchSignal entitiesRemoved;
};

} // namespace orv
