#include "game/registry/GameTypeRegistry.hpp"

#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/serialization/BindTypeIndex.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/ai/AiComponent.hpp"
#include "game/ai/AiManager.hpp"
#include "game/ai/AiSystem.hpp"
#include "game/animation/AnimationComponent.hpp"
#include "game/animation/AnimationSystem.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/combat/FighterSystem.hpp"
#include "game/content/Identifiers.hpp"
#include "game/daynight/DayNightCycleSystem.hpp"
#include "game/dialogue/DialogueReceiverComponent.hpp"
#include "game/dialogue/DialogueSenderComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/health/HealthSystem.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/items/ItemComponent.hpp"
#include "game/items/ItemManager.hpp"
#include "game/items/ItemSystem.hpp"
#include "game/level/LevelSkillComponent.hpp"
#include "game/lights/LightComponent.hpp"
#include "game/lights/LoadLight.hpp"
#include "game/navigation/NavigationSystem.hpp"
#include "game/needs/AgricultureSystem.hpp"
#include "game/needs/CookingComponent.hpp"
#include "game/needs/NeedsComponent.hpp"
#include "game/needs/NeedsSystem.hpp"
#include "game/orientation/OrientationComponent.hpp"
#include "game/portals/GlobalPortalSystem.hpp"
#include "game/portals/LocalPortalSystem.hpp"
#include "game/portals/PortalComponent.hpp"
#include "game/random/RandomNumberGenerator.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/render/SpriteComponent.hpp"
#include "game/spawner/SpawnerComponent.hpp"
#include "game/spawner/SpawnerSystem.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/terrain/TerrainSystem.hpp"
#include "game/time/TimeSystem.hpp"

#include <functional>

namespace tarsk {

orv::ComponentFactories buildComponentRegistry(const RegistryServices& services) {
    orv::SerializationManager& serialization = services.serialization;
    const LightComponent::LightMaker makeLight = [&serialization](const nlohmann::json& data) {
        return serialization.deserialize<Light>(data);
    };

    orv::ComponentFactories factories;
    factories.emplace(id::component::transform, orv::bindTypeIndex<orv::TransformationComponent>(
                                                    &orv::TransformationComponent::fromJson));
    factories.emplace(id::component::sprite, orv::bindTypeIndex<SpriteComponent>(
                                                 &SpriteComponent::fromJson, std::ref(services.resources)));
    factories.emplace(id::component::fighter,
                      orv::bindTypeIndex<FighterComponent>(&FighterComponent::fromJson));
    factories.emplace(id::component::health, orv::bindTypeIndex<HealthComponent>(&HealthComponent::fromJson));
    factories.emplace(
        id::component::inventory,
        orv::bindTypeIndex<InventoryComponent>(&InventoryComponent::fromJson, std::cref(services.items)));
    factories.emplace(id::component::item,
                      orv::bindTypeIndex<ItemComponent>(&ItemComponent::fromJson, std::cref(services.items)));
    factories.emplace(id::component::levelSkill,
                      orv::bindTypeIndex<LevelSkillComponent>(&LevelSkillComponent::fromJson));
    factories.emplace(id::component::orientation,
                      orv::bindTypeIndex<OrientationComponent>(&OrientationComponent::fromJson));
    factories.emplace(id::component::render, orv::bindTypeIndex<RenderComponent>(&RenderComponent::fromJson));
    factories.emplace(id::component::spawner,
                      orv::bindTypeIndex<SpawnerComponent>(&SpawnerComponent::fromJson));
    factories.emplace(id::component::cooking, orv::bindTypeIndex<CookingComponent>(
                                                  &CookingComponent::fromJson, std::cref(services.items),
                                                  std::cref(services.random)));
    factories.emplace(id::component::terrain, orv::bindTypeIndex<TerrainComponent>(
                                                  &TerrainComponent::fromJson, std::cref(services.tileset)));
    factories.emplace(id::component::physics,
                      orv::bindTypeIndex<orv::PhysicsComponent>(&orv::PhysicsComponent::fromJson));
    factories.emplace(id::component::light,
                      orv::bindTypeIndex<LightComponent>(&LightComponent::fromJson, makeLight));
    factories.emplace(id::component::dialogueSender,
                      orv::bindTypeIndex<DialogueSenderComponent>(&DialogueSenderComponent::fromJson));
    factories.emplace(id::component::dialogueReceiver,
                      orv::bindTypeIndex<DialogueReceiverComponent>(&DialogueReceiverComponent::fromJson));
    factories.emplace(id::component::animation,
                      orv::bindTypeIndex<AnimationComponent>(&AnimationComponent::fromJson,
                                                             std::cref(services.animations)));
    factories.emplace(id::component::portal, orv::bindTypeIndex<PortalComponent>(&PortalComponent::fromJson));
    factories.emplace(id::component::needs, orv::bindTypeIndex<NeedsComponent>(&NeedsComponent::fromJson));
    factories.emplace(id::component::ai,
                      orv::bindTypeIndex<AiComponent>(&AiComponent::fromJson, std::ref(services.ai)));
    return factories;
}

orv::WorldSystemFactories buildWorldSystemRegistry(const RegistryServices& services) {
    orv::WorldSystemFactories factories;
    factories.emplace(id::system::fighter,
                      orv::bindTypeIndex<FighterSystem>(&FighterSystem::fromJson, services.makeEntity));
    factories.emplace(id::system::health, orv::bindTypeIndex<HealthSystem>(&HealthSystem::create));
    factories.emplace(id::system::item, orv::bindTypeIndex<ItemSystem>(&ItemSystem::create));
    factories.emplace(id::system::render, orv::bindTypeIndex<RenderSystem>(&RenderSystem::create));
    factories.emplace(id::system::spawner,
                      orv::bindTypeIndex<SpawnerSystem>(&SpawnerSystem::create, services.makeEntity,
                                                        std::cref(services.random)));
    factories.emplace(id::system::terrain, orv::bindTypeIndex<TerrainSystem>(&TerrainSystem::create));
    factories.emplace(id::system::time, orv::bindTypeIndex<TimeSystem>(&TimeSystem::fromJson));
    factories.emplace(id::system::physics,
                      orv::bindTypeIndex<orv::PhysicsSystem>(&orv::PhysicsSystem::create));
    factories.emplace(id::system::animation, orv::bindTypeIndex<AnimationSystem>(&AnimationSystem::create));
    factories.emplace(id::system::localPortal,
                      orv::bindTypeIndex<LocalPortalSystem>(&LocalPortalSystem::create));
    factories.emplace(id::system::ai, orv::bindTypeIndex<AiSystem>(&AiSystem::create));
    factories.emplace(id::system::navigation,
                      orv::bindTypeIndex<NavigationSystem>(&NavigationSystem::create));
    factories.emplace(id::system::needs, orv::bindTypeIndex<NeedsSystem>(&NeedsSystem::create));
    factories.emplace(id::system::agriculture,
                      orv::bindTypeIndex<AgricultureSystem>(&AgricultureSystem::create));
    factories.emplace(id::system::dayNightCycle,
                      orv::bindTypeIndex<DayNightCycleSystem>(&DayNightCycleSystem::fromJson,
                                                              std::cref(services.dayNightCycles)));
    return factories;
}

orv::GlobalSystemFactories buildGlobalSystemRegistry(const RegistryServices&) {
    orv::GlobalSystemFactories factories;
    factories.emplace(id::system::globalPortal,
                      orv::bindTypeIndex<GlobalPortalSystem>(&GlobalPortalSystem::fromJson));
    return factories;
}

void registerLightFactories(orv::SerializationManager& serialization) {
    serialization.registerGenericHandler<Light>(&loadLight);
}

void buildLightRegistry(orv::SerializationManager& serialization) {
    registerLightFactories(serialization);
}

} // namespace tarsk
