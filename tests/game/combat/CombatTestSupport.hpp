#pragma once

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/combat/FighterSystem.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/health/HealthSystem.hpp"
#include "game/orientation/OrientationComponent.hpp"

#include <box2d/b2_circle_shape.h>
#include <box2d/b2_polygon_shape.h>

#include <memory>
#include <string>
#include <vector>

namespace combat_test {

using Entities = std::vector<const orv::Entity*>;

inline std::unique_ptr<orv::PhysicsComponent> circleBody(float radius, b2BodyType type = b2_dynamicBody) {
    b2BodyDef body;
    body.type = type;
    auto shape = std::make_unique<b2CircleShape>();
    shape->m_radius = radius;
    // Box2D leaves a dynamic body without density massless, and impulses then do nothing.
    b2FixtureDef fixture;
    fixture.density = 1.f;
    return orv::PhysicsComponent::make(body, std::move(shape), fixture);
}

// A box whose shape sits off the body's origin, so its centre of mass and origin differ.
inline std::unique_ptr<orv::PhysicsComponent> boxBody(float halfWidth, float halfHeight, b2Vec2 centre,
                                                      b2BodyType type = b2_staticBody) {
    b2BodyDef body;
    body.type = type;
    auto shape = std::make_unique<b2PolygonShape>();
    shape->SetAsBox(halfWidth, halfHeight, centre, 0.f);
    b2FixtureDef fixture;
    fixture.density = 1.f;
    return orv::PhysicsComponent::make(body, std::move(shape), fixture);
}

// An uninitialised entity at a position; without physics when none is given.
inline std::unique_ptr<orv::Entity> thing(sf::Vector2f position,
                                          std::unique_ptr<orv::PhysicsComponent> physics) {
    auto entity = std::make_unique<orv::Entity>();
    entity->addComponent<orv::TransformationComponent>()->setPositionXY(position);
    if (physics)
        entity->addComponent(std::move(physics), typeid(orv::PhysicsComponent));
    return entity;
}

struct FighterSpec {
    float health = 100.f;
    std::uint32_t xpValue = 10;
    std::vector<std::string> remains;
    tarsk::OrientationComponent::Orientation facing = tarsk::OrientationComponent::SOUTH;
    b2BodyType bodyType = b2_dynamicBody;
    float radius = 0.25f;
};

inline std::unique_ptr<orv::Entity> fighter(sf::Vector2f position, const FighterSpec& spec = {}) {
    auto entity = thing(position, circleBody(spec.radius, spec.bodyType));
    entity->addComponent<tarsk::HealthComponent>(spec.health, 100.f);
    entity->addComponent<tarsk::FighterComponent>(spec.xpValue, spec.remains, std::vector<std::string>{});
    entity->addComponent<tarsk::OrientationComponent>(spec.facing);
    return entity;
}

inline tarsk::HealthComponent& healthOf(const orv::Entity* entity) {
    return *entity->getComponent<tarsk::HealthComponent>();
}

inline tarsk::FighterComponent& fighterOf(const orv::Entity* entity) {
    return *entity->getComponent<tarsk::FighterComponent>();
}

inline b2Body& bodyOf(const orv::Entity* entity) {
    return *entity->getComponent<orv::PhysicsComponent>()->getBody();
}

// A world with physics, initialised before anything arrives; a fighter system joins when given a
// maker, and a health system that takes the dead away on request.
struct CombatWorld {
    explicit CombatWorld(tarsk::EntityMaker makeEntity = nullptr, bool removeTheDead = false) {
        if (removeTheDead)
            world.registerSystem<tarsk::HealthSystem>();
        physics = world.registerSystem<orv::PhysicsSystem>();
        if (makeEntity)
            fighters = world.registerSystem<tarsk::FighterSystem>(std::move(makeEntity));
        world.initSystems();
    }

    const orv::Entity* add(std::unique_ptr<orv::Entity> entity) {
        entity->init();
        return world.addEntity(std::move(entity));
    }

    orv::World world;
    orv::PhysicsSystem* physics = nullptr;
    tarsk::FighterSystem* fighters = nullptr;
};

} // namespace combat_test
