#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "game/content/Identifiers.hpp"

#include <SFML/System/Time.hpp>

#include <cstdint>
#include <memory>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class TerrainComponent;
class TimeSystem;

// Knows the one terrain entity of its world and runs the terrain's tile animations on real
// time, so that water ripples at the same pace whatever game time does. Saved as
// "TerrainSystem", without data.
class TerrainSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string& TypeName = id::system::terrain;

    TerrainSystem();

    static std::unique_ptr<TerrainSystem> create(const nlohmann::json& data);

    // Needs the world's time system. Only entities added from here on are seen.
    void onPreInit(orv::World* world) override;
    void onInit() override {}
    // Sets the terrain's tile clock to the real time played, in whole milliseconds.
    void onUpdate() override;

    const std::string& getSystemTypeName() const override { return TypeName; }

    // Null until a terrain arrives and again once it has been removed.
    const orv::Entity* getTerrainEntity() const;

    // The clock a tile map gets for a total real time: whole milliseconds, wrapping after
    // about 49 days; a negative total counts as 0.
    static std::uint32_t tileClock(sf::Time totalRealTime);

private:
    // A batch that would bring a second terrain is refused as a whole (std::logic_error): the
    // terrain held stays.
    void checkArriving(const std::vector<const orv::Entity*>& batch) const;

    TimeSystem* timeSystem = nullptr;
    orv::EntityTracker<TerrainComponent> terrains;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
