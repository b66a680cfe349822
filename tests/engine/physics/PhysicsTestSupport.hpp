#pragma once

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/transform/TransformationComponent.hpp"

#include <box2d/b2_circle_shape.h>
#include <box2d/b2_polygon_shape.h>

#include <memory>
#include <vector>

namespace physics_test {

inline std::unique_ptr<b2Shape> circle(float radius, b2Vec2 centre = {0, 0}) {
    auto shape = std::make_unique<b2CircleShape>();
    shape->m_radius = radius;
    shape->m_p = centre;
    return shape;
}

inline std::unique_ptr<b2Shape> box(float halfWidth, float halfHeight) {
    auto shape = std::make_unique<b2PolygonShape>();
    shape->SetAsBox(halfWidth, halfHeight);
    return shape;
}

inline b2BodyDef bodyOfType(b2BodyType type) {
    b2BodyDef def;
    def.type = type;
    return def;
}

// A sensor body at an offset from its entity, with one circular sensor fixture.
inline orv::SensorBodyDefinition sensorAt(b2Vec2 offset, float radius, b2BodyType type = b2_dynamicBody) {
    orv::SensorBodyDefinition definition;
    definition.bodyDef.type = type;
    definition.bodyDef.position = offset;
    definition.addFixture(b2FixtureDef(), circle(radius));
    return definition;
}

// An entity with a transformation and, unless `physics` is null, that physics component. Not
// initialised, so sensors can still be registered.
inline std::unique_ptr<orv::Entity> entityWith(std::unique_ptr<orv::PhysicsComponent> physics,
                                               sf::Vector2f position = {0, 0}) {
    auto entity = std::make_unique<orv::Entity>();
    entity->addComponent<orv::TransformationComponent>()->setPositionXY(position);
    if (physics)
        entity->addComponent(std::move(physics), typeid(orv::PhysicsComponent));
    return entity;
}

inline std::unique_ptr<orv::Entity> ball(sf::Vector2f position, float radius = 0.5f,
                                         b2BodyType type = b2_dynamicBody) {
    return entityWith(orv::PhysicsComponent::make(bodyOfType(type), circle(radius), b2FixtureDef()),
                      position);
}

inline orv::PhysicsComponent* physicsOf(const orv::Entity* entity) {
    return entity->getComponent<orv::PhysicsComponent>();
}

inline orv::TransformationComponent* transformOf(const orv::Entity* entity) {
    return entity->getComponent<orv::TransformationComponent>();
}

// A world whose physics system was initialised before any entity arrives.
struct PhysicsWorld {
    PhysicsWorld() {
        physics = world.registerSystem<orv::PhysicsSystem>();
        world.initSystems();
    }

    const orv::Entity* add(std::unique_ptr<orv::Entity> entity) {
        if (!entity->getInitStatus())
            entity->init();
        return world.addEntity(std::move(entity));
    }

    void step(float seconds) {
        physics->setTimeStep(sf::seconds(seconds));
        world.update();
    }

    int bodyCount() const { return physics->getB2World().GetBodyCount(); }

    orv::World world;
    orv::PhysicsSystem* physics;
};

} // namespace physics_test
