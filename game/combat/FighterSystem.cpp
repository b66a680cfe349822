#include "game/combat/FighterSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/combat/Attack.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/health/HealthComponent.hpp"

#include <iostream>
#include <stdexcept>
#include <utility>

namespace tarsk {

FighterSystem::FighterSystem(EntityMaker makeEntity)
    : SerializableSystem_template(0), makeEntity(std::move(makeEntity)) {
    if (!this->makeEntity)
        throw std::invalid_argument("FighterSystem: no entity maker given");
}

std::unique_ptr<FighterSystem> FighterSystem::fromJson(const nlohmann::json&, EntityMaker makeEntity) {
    return std::make_unique<FighterSystem>(std::move(makeEntity));
}

void FighterSystem::onPreInit(orv::World* owner) {
    world = owner;
    fighters.follow(
        *world,
        [this](const orv::Entity* entity, FighterComponent& fighter) { onFighterAdded(entity, fighter); },
        [this](const orv::Entity* entity, FighterComponent&) { onFighterRemoved(entity); });
}

void FighterSystem::onFighterAdded(const orv::Entity* entity, FighterComponent& fighter) {
    smartsignals::ScopedConnections& tracked = fighterConnections[entity];
    fighter.attackRequested.connectTracked(
        tracked, [this, entity](Attack* attack) { resolveAttack(entity, *attack); });
    fighter.died.connectTracked(tracked, [this, entity] { spawnDeathEntities(entity); });
    // A fighter brought back to life can leave remains again at its next death.
    entity->getComponent<HealthComponent>()->healthChanged.connectTracked(
        tracked, [this, entity](float health) {
            if (health > 0.f)
                remainsSpawned.erase(entity);
        });
}

void FighterSystem::onFighterRemoved(const orv::Entity* entity) {
    fighterConnections.erase(entity);
    remainsSpawned.erase(entity);
}

void FighterSystem::resolveAttack(const orv::Entity* attacker, Attack& attack) {
    const AttackResult result = attack.execute(*world, attacker);
    for (const orv::Entity* victim : result.killedEntities)
        attacker->getComponent<FighterComponent>()->killed.emit(victim);
}

void FighterSystem::spawnDeathEntities(const orv::Entity* dead) {
    if (remainsSpawned.contains(dead))
        return;
    const sf::Vector2f position = dead->getComponent<orv::TransformationComponent>()->getPositionXY();
    const std::vector<std::string> names =
        dead->getComponent<FighterComponent>()->getEntitiesToSpawnOnDeath();
    std::vector<std::unique_ptr<orv::Entity>> remains;
    std::vector<std::string> made;
    for (const std::string& name : names) {
        // Content checks make this rare; remains that cannot be made are left out.
        try {
            std::unique_ptr<orv::Entity> entity = makeEntity(name);
            if (!entity)
                throw std::logic_error("the entity factory made nothing");
            entity->getComponent<orv::TransformationComponent>()->setPositionXY(position);
            entity->init();
            remains.push_back(std::move(entity));
            made.push_back(name);
        } catch (const std::exception& error) {
            std::cout << "no remains \"" << name << "\": " << error.what() << std::endl;
        }
    }
    remainsSpawned.insert(dead);
    try {
        world->addEntities(std::move(remains));
    } catch (const std::exception&) {
        // Taken, the batch is the world's: what went wrong there is not the remains'.
        if (remains.empty())
            throw;
        // Refused (a body the world cannot simulate), it is still ours: each one the world takes
        // comes, the others are left out.
        for (std::size_t i = 0; i < remains.size(); ++i) {
            try {
                world->addEntity(std::move(remains[i]));
            } catch (const std::exception& error) {
                std::cout << "no remains \"" << made[i] << "\": " << error.what() << std::endl;
            }
        }
    }
}

} // namespace tarsk
