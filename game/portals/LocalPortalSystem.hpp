#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "game/content/Identifiers.hpp"

#include <SFML/System/Vector2.hpp>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class PortalComponent;

// Knows the portals of one world, so that a traveller can be placed at the portal it arrives
// through. Saved as "LocalPortalSystem", without data.
class LocalPortalSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string& TypeName = id::system::localPortal;

    LocalPortalSystem();

    // The JSON carries nothing of its own.
    static std::unique_ptr<LocalPortalSystem> create(const nlohmann::json& data);

    void onPreInit(orv::World* world) override;
    void onInit() override {}
    void onUpdate() override {}

    const std::string& getSystemTypeName() const override { return TypeName; }

    // The position of the first portal added with this id, or (0, 0) when there is none.
    sf::Vector2f findPortal(std::uint64_t id) const;

    // In the order they entered the world.
    std::vector<const orv::Entity*> getPortals() const { return portals.entities(); }

private:
    orv::EntityTracker<PortalComponent> portals;
};

} // namespace tarsk
