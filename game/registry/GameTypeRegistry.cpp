#include "game/registry/GameTypeRegistry.hpp"

#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/serialization/BindTypeIndex.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/animation/AnimationComponent.hpp"
#include "game/animation/AnimationSystem.hpp"
#include "game/content/Identifiers.hpp"
#include "game/daynight/DayNightCycleSystem.hpp"
#include "game/lights/LightComponent.hpp"
#include "game/lights/LoadLight.hpp"
#include "game/orientation/OrientationComponent.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/render/SpriteComponent.hpp"
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
    factories.emplace(id::component::orientation,
                      orv::bindTypeIndex<OrientationComponent>(&OrientationComponent::fromJson));
    factories.emplace(id::component::render, orv::bindTypeIndex<RenderComponent>(&RenderComponent::fromJson));
    factories.emplace(id::component::terrain, orv::bindTypeIndex<TerrainComponent>(
                                                  &TerrainComponent::fromJson, std::cref(services.tileset)));
    factories.emplace(id::component::physics,
                      orv::bindTypeIndex<orv::PhysicsComponent>(&orv::PhysicsComponent::fromJson));
    factories.emplace(id::component::light,
                      orv::bindTypeIndex<LightComponent>(&LightComponent::fromJson, makeLight));
    factories.emplace(id::component::animation,
                      orv::bindTypeIndex<AnimationComponent>(&AnimationComponent::fromJson,
                                                             std::cref(services.animations)));
    return factories;
}

orv::WorldSystemFactories buildWorldSystemRegistry(const RegistryServices& services) {
    orv::WorldSystemFactories factories;
    factories.emplace(id::system::render, orv::bindTypeIndex<RenderSystem>(&RenderSystem::create));
    factories.emplace(id::system::terrain, orv::bindTypeIndex<TerrainSystem>(&TerrainSystem::create));
    factories.emplace(id::system::time, orv::bindTypeIndex<TimeSystem>(&TimeSystem::fromJson));
    factories.emplace(id::system::physics,
                      orv::bindTypeIndex<orv::PhysicsSystem>(&orv::PhysicsSystem::create));
    factories.emplace(id::system::animation, orv::bindTypeIndex<AnimationSystem>(&AnimationSystem::create));
    factories.emplace(id::system::dayNightCycle,
                      orv::bindTypeIndex<DayNightCycleSystem>(&DayNightCycleSystem::fromJson,
                                                              std::cref(services.dayNightCycles)));
    return factories;
}

orv::GlobalSystemFactories buildGlobalSystemRegistry(const RegistryServices&) {
    return {};
}

void registerLightFactories(orv::SerializationManager& serialization) {
    serialization.registerGenericHandler<Light>(&loadLight);
}

void buildLightRegistry(orv::SerializationManager& serialization) {
    registerLightFactories(serialization);
}

} // namespace tarsk
