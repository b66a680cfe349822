#include "game/factories/EntityParts.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/SpriteComponent.hpp"

#include <box2d/b2_polygon_shape.h>

#include <utility>

namespace tarsk::entityparts {

SpriteDescription spriteOf(std::string texture) {
    SpriteDescription description;
    description.textureResourceId = std::move(texture);
    description.anchor = 5;
    description.positionOffset = {0.f, 0.f};
    description.rotationOffset = 0.f;
    description.textureRect = {0, 0, 0, 0};
    description.baseSize = {16.f, 16.f};
    return description;
}

b2BodyDef staticBody() {
    return b2BodyDef{};
}

b2BodyDef dynamicBody(float linearDamping) {
    b2BodyDef body;
    body.type = b2_dynamicBody;
    body.linearDamping = linearDamping;
    return body;
}

b2FixtureDef fixtureWithDensity(float density) {
    b2FixtureDef fixture;
    fixture.density = density;
    return fixture;
}

std::unique_ptr<b2Shape> box(float halfWidth, float halfHeight, b2Vec2 centre) {
    auto shape = std::make_unique<b2PolygonShape>();
    shape->SetAsBox(halfWidth, halfHeight, centre, 0.f);
    return shape;
}

std::unique_ptr<orv::Entity> makeBody(const EntityFactory::Resources& resources, SpriteDescription sprite,
                                      const b2BodyDef& body, std::unique_ptr<b2Shape> shape,
                                      const b2FixtureDef& fixture) {
    auto entity = std::make_unique<orv::Entity>();
    entity->addComponent<orv::TransformationComponent>();
    entity->addComponent<RenderComponent>();
    entity->addComponent<SpriteComponent>(resources.resourceManager, std::move(sprite));
    entity->addComponent<orv::PhysicsComponent>(body, std::move(shape), fixture);
    return entity;
}

} // namespace tarsk::entityparts
