#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "game/combat/EntityMaker.hpp"
#include "game/content/Identifiers.hpp"

#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class RandomNumberGenerator;
class SpawnerComponent;
class TimeSystem;

// Updates every spawner of its world once per frame with the frame's game time. Saved as
// "SpawnerSystem", without data.
class SpawnerSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string& TypeName = id::system::spawner;

    SpawnerSystem(EntityMaker makeEntity, const RandomNumberGenerator& random);
    ~SpawnerSystem() override;

    // The registered factory; the JSON carries nothing of its own.
    static std::unique_ptr<SpawnerSystem> create(const nlohmann::json& data, EntityMaker makeEntity,
                                                 const RandomNumberGenerator& random);

    // Needs the world's time system, registered before this one.
    void onPreInit(orv::World* world) override;
    void onInit() override {}
    void onUpdate() override;

    const std::string& getSystemTypeName() const override { return TypeName; }

    std::vector<const orv::Entity*> getSpawners() const { return spawners.entities(); }

private:
    EntityMaker makeEntity;
    const RandomNumberGenerator& random;
    orv::World* world = nullptr;
    TimeSystem* timeSystem = nullptr;
    orv::EntityTracker<SpawnerComponent> spawners;
};

} // namespace tarsk
