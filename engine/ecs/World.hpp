#pragma once

#include "engine/common/Export.hpp"
#include "engine/common/Lifetime.hpp"
#include "engine/ecs/EntityManager.hpp"
#include "engine/ecs/SystemManager_base.hpp"
#include "engine/ecs/System_base.hpp"

namespace orv {

// One playable space: its entities and the systems that run over them. Teardown deletes the
// systems first, then the entities, without signals.
class World : public EntityManager, public SystemManager_base<System_base<World>> {
public:
    using SystemManager = SystemManager_base<System_base<World>>;

    ORV_API World();
    ~World() override;

    using SystemManager::initSystems;
    void initSystems();

    // One onUpdate of every system, in update order.
    ORV_API void update();

    // Expires when this world is destroyed.
    const Lifetime& getLifetime() const { return lifetime; }

private:
    Lifetime lifetime;
};

} // namespace orv
