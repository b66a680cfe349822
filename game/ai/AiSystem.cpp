#include "game/ai/AiSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/ai/AiComponent.hpp"

#include <algorithm>

namespace tarsk {

AiSystem::AiSystem() : SerializableSystem_template(0) {}

std::unique_ptr<AiSystem> AiSystem::create(const nlohmann::json&) {
    return std::make_unique<AiSystem>();
}

void AiSystem::onPreInit(orv::World* world) {
    physicsSystem = world->getSystem<orv::PhysicsSystem>();
    world->getEntitiesAddedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesAdded(batch); });
    world->getEntitiesRemovedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesRemoved(batch); });
}

void AiSystem::onEntitiesAdded(const std::vector<const orv::Entity*>& batch) {
    for (const orv::Entity* entity : batch) {
        if (AiComponent* ai = entity->findComponent<AiComponent>()) {
            entities.push_back(entity);
            ai->injectEntity(entity);
        }
    }
}

void AiSystem::onEntitiesRemoved(const std::vector<const orv::Entity*>& batch) {
    std::erase_if(entities, [&batch](const orv::Entity* entity) {
        return std::find(batch.begin(), batch.end(), entity) != batch.end();
    });
}

void AiSystem::onUpdate() {
    const float seconds = physicsSystem->getStepTime().asSeconds();
    // The list is re-read after every tick: a tick may add entities to the world (an attack that
    // kills spawns what the dead leave behind) or remove some, the ticking one included.
    for (std::size_t i = 0; i < entities.size();) {
        const orv::Entity* entity = entities[i];
        AiComponent* ai = entity->getComponent<AiComponent>();
        ai->tick();
        const auto at = std::find(entities.begin(), entities.end(), entity);
        if (at == entities.end())
            continue; // gone with its component; whoever moved up into slot i is next
        ai->updateSteering(seconds);
        i = static_cast<std::size_t>(at - entities.begin()) + 1;
    }
}

} // namespace tarsk
