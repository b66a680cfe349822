#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "game/combat/EntityMaker.hpp"
#include "game/content/Identifiers.hpp"
#include "game/spawner/SpawnerSettings.hpp"

#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>

#include <memory>
#include <string>
#include <vector>

namespace orv {
class Entity;
class TransformationComponent;
class World;
} // namespace orv

namespace tarsk {

class RandomNumberGenerator;

// Lets its entity produce other entities nearby over game time: on its first update it fills up
// to its limit at once, afterwards it tries once per interval while fewer than the limit of its
// entities are still in the world. Saved under "spawner"; what it made before a save is not
// tracked after loading, so a loaded spawner fills up again.
class SpawnerComponent : public orv::SerializableComponent {
public:
    inline static const std::string& Name = id::component::spawner;

    explicit SpawnerComponent(SpawnerSettings settings);
    ~SpawnerComponent() override;

    // All six keys are required; the interval is in whole milliseconds.
    static std::unique_ptr<SpawnerComponent> fromJson(const nlohmann::json& data);

    // Needs the entity's transformation component.
    void onPreInit(orv::Entity* entity) override;
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    // An entity that cannot be made stops the spawner with a message on the standard output.
    void update(orv::World& world, const sf::Time& gameDelta, const EntityMaker& makeEntity,
                const RandomNumberGenerator& random);

    const SpawnerSettings& getSettings() const { return settings; }
    // The entities it made that are still in a world, in spawn order.
    std::vector<const orv::Entity*> getTracked() const;
    sf::Time getElapsed() const { return elapsed; }
    bool isInitialSpawnPending() const { return initialSpawnPending; }

    // Where spawn() would place an entity for the given draws, around the given centre.
    static sf::Vector2f spawnPosition(sf::Vector2f centre, float distance, float angleDegrees);

private:
    struct Spawned {
        const orv::Entity* entity;
        // Holds only this entity's leave slot, so the slot ends with the entry.
        smartsignals::ScopedConnections connection;
    };

    void spawnInitial(orv::World& world, const EntityMaker& makeEntity, const RandomNumberGenerator& random);
    void spawn(orv::World& world, const EntityMaker& makeEntity, const RandomNumberGenerator& random);
    void untrack(const orv::Entity* entity);
    bool belowLimit() const;

    orv::TransformationComponent* transform = nullptr;
    SpawnerSettings settings;
    std::vector<Spawned> tracked;
    sf::Time elapsed = sf::Time::Zero;
    bool initialSpawnPending = true;
    // Set once an entity could not be made: the spawner makes nothing more.
    bool stopped = false;
};

} // namespace tarsk
