#pragma once

#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "game/content/Identifiers.hpp"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orv {
class Entity;
class World;
class WorldManager;
} // namespace orv

namespace tarsk {

// Hands out portal ids across all worlds of a world manager: every portal without an id that
// enters any world gets the next value of a counter that is saved with the world manager, so
// ids stay unique across saves. Saved as "GlobalPortalSystem".
class GlobalPortalSystem : public orv::SerializableSystem_template<orv::System_base<orv::WorldManager>> {
public:
    inline static const std::string& TypeName = id::system::globalPortal;

    explicit GlobalPortalSystem(std::uint64_t portalIdCounter);

    // Requires "portalIdCounter".
    static std::unique_ptr<GlobalPortalSystem> fromJson(const nlohmann::json& data);

    void onPreInit(orv::WorldManager* owner) override;
    void onInit() override {}
    void onUpdate() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getSystemTypeName() const override { return TypeName; }

    // The next id to be handed out.
    std::uint64_t getPortalIdCounter() const { return portalIdCounter; }

private:
    void onEntitiesAdded(orv::World* world, const std::vector<const orv::Entity*>& batch);
    std::uint64_t takeId();

    std::uint64_t portalIdCounter;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
