#include "app/player/PlayerEntity.hpp"

#include "engine/physics/PhysicsComponent.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/animation/AnimationComponent.hpp"
#include "game/animation/AnimationDataManager.hpp"
#include "game/animation/PlayerAnimation.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/dialogue/DialogueReceiverComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/level/LevelSkillComponent.hpp"
#include "game/needs/NeedsComponent.hpp"
#include "game/orientation/OrientationComponent.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/SpriteComponent.hpp"

#include <box2d/b2_polygon_shape.h>

#include <stdexcept>

namespace tarsk {

namespace {

std::unique_ptr<orv::PhysicsComponent> createPlayerBody() {
    b2BodyDef body;
    body.type = b2_dynamicBody;
    // The damping is what stops the player as soon as no key pushes any more.
    body.linearDamping = 60.f;
    body.angularDamping = 0.f;
    body.allowSleep = false;
    body.awake = true;
    body.fixedRotation = true;
    body.bullet = false;
    body.enabled = true;
    body.gravityScale = 1.f;

    // Only the feet collide, so the player can walk close up to things drawn in front.
    auto shape = std::make_unique<b2PolygonShape>();
    shape->SetAsBox(0.25f, 0.1f);
    shape->m_radius = 0.01f;

    b2FixtureDef fixture;
    fixture.friction = 0.2f;
    fixture.restitution = 0.f;
    fixture.restitutionThreshold = 1.f;
    fixture.density = 750.f;
    fixture.isSensor = false;
    fixture.filter.categoryBits = 8;
    fixture.filter.maskBits = 9;
    fixture.filter.groupIndex = 0;
    return orv::PhysicsComponent::make(body, std::move(shape), fixture);
}

} // namespace

std::unique_ptr<orv::Entity> createPlayerEntity(orv::ResourceManager& resources,
                                                const AnimationDataManager& animations) {
    auto player = std::make_unique<orv::Entity>();
    player->addComponent<orv::TransformationComponent>();
    player->addComponent<OrientationComponent>(OrientationComponent::SOUTH);
    player->addComponent<RenderComponent>();

    SpriteDescription sprite;
    sprite.textureResourceId = "./data/ninja.png";
    sprite.anchor = 5;
    sprite.positionOffset = {0.f, -12.8f};
    sprite.rotationOffset = 0.f;
    sprite.baseSize = {16.f, 32.f};
    sprite.textureRect = {0, 0, 0, 0};
    player->addComponent<SpriteComponent>(resources, sprite);

    player->addComponent<AnimationComponent>(animations.createAnimation(PlayerAnimation::Id));
    player->addComponent(createPlayerBody(), typeid(orv::PhysicsComponent));
    player->addComponent<HealthComponent>(100.f, 100.f);
    player->addComponent<NeedsComponent>(Needs{100.f, 100.f});
    player->addComponent<InventoryComponent>();
    player->addComponent<FighterComponent>(0u, std::vector<std::string>{},
                                           std::vector<std::string>{"PLAYER"});
    player->addComponent<LevelSkillComponent>(1);
    player->addComponent<DialogueReceiverComponent>();
    return player;
}

namespace {

template <class... Components>
void requireAll(const orv::Entity& player) {
    const auto require = [&player]<class T>() {
        if (!player.hasComponent<T>())
            throw std::runtime_error("the player has no " + orv::typeName<T>());
    };
    (require.template operator()<Components>(), ...);
}

} // namespace

void requirePlayerComponents(const orv::Entity& player) {
    requireAll<orv::TransformationComponent, OrientationComponent, SpriteComponent, orv::PhysicsComponent,
               HealthComponent, LevelSkillComponent, FighterComponent, InventoryComponent,
               DialogueReceiverComponent>(player);
}

} // namespace tarsk
