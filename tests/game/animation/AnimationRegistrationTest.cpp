#include "engine/ecs/Entity.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/BindTypeIndex.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "game/animation/AnimationComponent.hpp"
#include "game/animation/AnimationDataManager.hpp"
#include "game/animation/AnimationSystem.hpp"
#include "game/animation/PlayerAnimation.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <typeindex>

using nlohmann::json;

namespace {

// The entries the game's registry makes for animations, as a saved world is read through them.
TEST(AnimationRegistration, ASavedAnimationAndSystemAreReadBackByName) {
    const tarsk::AnimationDataManager animations;
    orv::ResourceManager resources;
    orv::ComponentFactories components{
        {"AnimationComponent", orv::bindTypeIndex<tarsk::AnimationComponent>(
                                   &tarsk::AnimationComponent::fromJson, std::cref(animations))},
    };
    orv::WorldSystemFactories systems{
        {"AnimationSystem", orv::bindTypeIndex<tarsk::AnimationSystem>(&tarsk::AnimationSystem::create)},
    };
    const orv::SerializationManager registry(resources, std::move(components), std::move(systems), {});

    const json saved = {{"components", {{"AnimationComponent", {{"AnimationId", "PLAYER_ANIMATION_01"}}}}}};
    auto entity = registry.entityFromJson(saved);
    const auto* component = entity->getComponent<tarsk::AnimationComponent>();
    EXPECT_NE(dynamic_cast<const tarsk::PlayerAnimation*>(&component->getAnimation()), nullptr);
    EXPECT_EQ(component->toJson(), saved["components"]["AnimationComponent"]);

    auto [system, type] = registry.makeWorldSystem({{"_SystemTypeId", "AnimationSystem"}});
    EXPECT_EQ(type, std::type_index(typeid(tarsk::AnimationSystem)));
}

} // namespace
