#include "game/spawner/SpawnerComponent.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/resources/RequiredJsonValue.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/json/JsonObject.hpp"
#include "game/random/RandomNumberGenerator.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <limits>
#include <stdexcept>
#include <utility>

namespace tarsk {

namespace {

constexpr float Pi = 3.1415927f;
constexpr float Epsilon = 1.1920929e-7f;

} // namespace

SpawnerComponent::SpawnerComponent(SpawnerSettings settings) : settings(std::move(settings)) {}

SpawnerComponent::~SpawnerComponent() = default;

std::unique_ptr<SpawnerComponent> SpawnerComponent::fromJson(const nlohmann::json& data) {
    requireJsonObject(data);
    SpawnerSettings settings;
    settings.entityIdToSpawn = orv::getRequiredJsonValue<std::string>(data, "entityIdToSpawn");
    // In microseconds as sf::Time counts them, so long intervals do not wrap a 32-bit millisecond count.
    const auto interval = orv::getRequiredJsonValue<std::int64_t>(data, "timeBetweenSpawnEvents");
    constexpr std::int64_t Longest = std::numeric_limits<std::int64_t>::max() / 1000;
    if (interval < -Longest || interval > Longest)
        throw orv::JsonError("timeBetweenSpawnEvents", "must be a whole number of milliseconds within +-" +
                                                           std::to_string(Longest) + ", but is " +
                                                           std::to_string(interval));
    settings.timeBetweenSpawnEvents = sf::microseconds(interval * 1000);
    settings.spawnProbability = orv::getRequiredJsonValue<float>(data, "spawnProbability");
    settings.spawnCount = orv::getRequiredJsonValue<std::int32_t>(data, "spawnCount");
    settings.spawnRadius = orv::getRequiredJsonValue<float>(data, "spawnRadius");
    settings.maxConcurrentlySpawnedEntities =
        orv::getRequiredJsonValue<std::int32_t>(data, "maxConcurrentlySpawnedEntities");
    return std::make_unique<SpawnerComponent>(std::move(settings));
}

void SpawnerComponent::onPreInit(orv::Entity* entity) {
    transform = entity->getComponent<orv::TransformationComponent>();
}

nlohmann::json SpawnerComponent::toJsonData() const {
    return {{"entityIdToSpawn", settings.entityIdToSpawn},
            {"timeBetweenSpawnEvents", settings.timeBetweenSpawnEvents.asMicroseconds() / 1000},
            {"spawnProbability", settings.spawnProbability},
            {"spawnCount", settings.spawnCount},
            {"spawnRadius", settings.spawnRadius},
            {"maxConcurrentlySpawnedEntities", settings.maxConcurrentlySpawnedEntities}};
}

std::vector<const orv::Entity*> SpawnerComponent::getTracked() const {
    std::vector<const orv::Entity*> entities;
    entities.reserve(tracked.size());
    for (const Spawned& spawned : tracked)
        entities.push_back(spawned.entity);
    return entities;
}

bool SpawnerComponent::belowLimit() const {
    return static_cast<std::int64_t>(tracked.size()) < settings.maxConcurrentlySpawnedEntities;
}

void SpawnerComponent::update(orv::World& world, const sf::Time& gameDelta, const EntityMaker& makeEntity,
                              const RandomNumberGenerator& random) {
    if (stopped)
        return;
    if (initialSpawnPending) {
        spawnInitial(world, makeEntity, random);
        initialSpawnPending = false;
    }
    elapsed += gameDelta;
    if (elapsed < settings.timeBetweenSpawnEvents || !belowLimit())
        return;
    const float draw = random.randomFloat(0.f, 1.f);
    if (settings.spawnProbability >= draw && settings.spawnCount > 0) {
        for (std::int32_t i = 0; i < settings.spawnCount && !stopped; ++i)
            spawn(world, makeEntity, random);
    }
    elapsed = sf::Time::Zero;
}

void SpawnerComponent::spawnInitial(orv::World& world, const EntityMaker& makeEntity,
                                    const RandomNumberGenerator& random) {
    for (std::int32_t i = 0; i < settings.maxConcurrentlySpawnedEntities && !stopped; ++i)
        spawn(world, makeEntity, random);
}

sf::Vector2f SpawnerComponent::spawnPosition(sf::Vector2f centre, float distance, float angleDegrees) {
    const float radians = angleDegrees * Pi / 180.f;
    sf::Vector2f offset(std::cos(radians), std::sin(radians));
    const float length = std::sqrt(offset.x * offset.x + offset.y * offset.y);
    if (length >= Epsilon)
        offset /= length;
    return centre + offset * distance;
}

void SpawnerComponent::spawn(orv::World& world, const EntityMaker& makeEntity,
                             const RandomNumberGenerator& random) {
    const sf::Vector2f centre = transform->getPositionXY();
    const float distance = random.randomFloat(0.f, settings.spawnRadius);
    const float angle = random.randomFloat(0.f, 360.f);

    // Content checks make this rare; when the entity cannot be made or placed after all, the
    // spawner stops and the game goes on.
    std::unique_ptr<orv::Entity> entity;
    Spawned spawned{nullptr, {}};
    try {
        entity = makeEntity(settings.entityIdToSpawn);
        if (!entity)
            throw std::logic_error("the factory made nothing");
        entity->getComponent<orv::TransformationComponent>()->setPositionXY(
            spawnPosition(centre, distance, angle));
        // The leave slot ends with the tracking entry, so an entity that moves on to another world
        // and leaves that one too is untracked once only.
        const orv::Entity* made = spawned.entity = entity.get();
        made->getRemovedFromWorldSignal().connectTracked(spawned.connection, [this, made] { untrack(made); });
        entity->init();
        // A world that refuses the entity (a body it cannot simulate) leaves it with us.
        world.addEntity(std::move(entity));
    } catch (const std::exception& error) {
        std::cout << "spawner stopped: cannot spawn \"" << settings.entityIdToSpawn << "\": " << error.what()
                  << std::endl;
        stopped = true;
        return;
    }
    tracked.push_back(std::move(spawned));
}

void SpawnerComponent::untrack(const orv::Entity* entity) {
    auto it = std::find_if(tracked.begin(), tracked.end(),
                           [entity](const Spawned& spawned) { return spawned.entity == entity; });
    if (it == tracked.end())
        throw std::runtime_error("Spawner tracking gone wrong");
    // Leaving a full spawner restarts the wait: the next event comes a whole interval later.
    if (static_cast<std::int64_t>(tracked.size()) == settings.maxConcurrentlySpawnedEntities)
        elapsed = sf::Time::Zero;
    tracked.erase(it);
}

} // namespace tarsk
