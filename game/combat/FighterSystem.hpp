#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "game/combat/EntityMaker.hpp"
#include "game/content/Identifiers.hpp"

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class Attack;
class FighterComponent;

// Carries out the attacks the fighters of its world request, tells each attacker whom it
// killed, and puts the entities a fighter leaves behind where it died. Everything happens in
// signal slots; the update does nothing. Saved as "FighterSystem", without data.
class FighterSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string& TypeName = id::system::fighter;

    // The death entities are made through `makeEntity` (the entity factories).
    explicit FighterSystem(EntityMaker makeEntity);

    static std::unique_ptr<FighterSystem> fromJson(const nlohmann::json& data, EntityMaker makeEntity);

    // Only fighters added from here on are served.
    void onPreInit(orv::World* owner) override;
    void onInit() override {}
    void onUpdate() override {}

    const std::string& getSystemTypeName() const override { return TypeName; }

    std::vector<const orv::Entity*> getFighters() const { return fighters.entities(); }

private:
    void onFighterAdded(const orv::Entity* entity, FighterComponent& fighter);
    void onFighterRemoved(const orv::Entity* entity);
    void resolveAttack(const orv::Entity* attacker, Attack& attack);
    void spawnDeathEntities(const orv::Entity* dead);

    EntityMaker makeEntity;
    orv::World* world = nullptr;
    orv::EntityTracker<FighterComponent> fighters;
    // Per fighter, dropped when it leaves the world.
    std::unordered_map<const orv::Entity*, smartsignals::ScopedConnections> fighterConnections;
    // Fighters whose remains are already out: a corpse hit again before the health system takes
    // it away reports its death again, but must not drop its loot twice.
    std::unordered_set<const orv::Entity*> remainsSpawned;
};

} // namespace tarsk
