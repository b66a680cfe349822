#pragma once

#include "game/factories/EntityFactory.hpp"
#include "game/render/SpriteDescription.hpp"

#include <box2d/b2_body.h>
#include <box2d/b2_fixture.h>
#include <box2d/b2_shape.h>

#include <memory>
#include <string>

namespace orv {
class Entity;
}

namespace tarsk::entityparts {

// The look every built-in object starts from: the whole texture, anchored at its foot, one
// world unit in size.
SpriteDescription spriteOf(std::string texture);

// Box2D's defaults, with the body type and linear damping the object needs.
b2BodyDef staticBody();
b2BodyDef dynamicBody(float linearDamping);
b2FixtureDef fixtureWithDensity(float density);

// A box of the given half extents around a centre, in world units, unrotated.
std::unique_ptr<b2Shape> box(float halfWidth, float halfHeight, b2Vec2 centre);

// A new entity at the origin with a transformation, a render component, the sprite and a body.
std::unique_ptr<orv::Entity> makeBody(const EntityFactory::Resources& resources, SpriteDescription sprite,
                                      const b2BodyDef& body, std::unique_ptr<b2Shape> shape,
                                      const b2FixtureDef& fixture);

} // namespace tarsk::entityparts
