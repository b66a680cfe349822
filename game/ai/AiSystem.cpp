#include "game/ai/AiSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/ai/AiComponent.hpp"

namespace tarsk {

AiSystem::AiSystem() : SerializableSystem_template(0) {}

std::unique_ptr<AiSystem> AiSystem::create(const nlohmann::json&) {
    return std::make_unique<AiSystem>();
}

void AiSystem::onPreInit(orv::World* world) {
    physicsSystem = world->getSystem<orv::PhysicsSystem>();
    entities.follow(*world, [](const orv::Entity* entity, AiComponent& ai) { ai.injectEntity(entity); });
}

void AiSystem::onUpdate() {
    const float seconds = physicsSystem->getStepTime().asSeconds();
    // A tick may add entities to the world (an attack that kills spawns what the dead leave
    // behind) or remove some, the ticking one included: that one gets no steering.
    entities.forEach([](const orv::Entity*, AiComponent& ai) { ai.tick(); },
                     [seconds](const orv::Entity*, AiComponent& ai) { ai.updateSteering(seconds); });
}

} // namespace tarsk
