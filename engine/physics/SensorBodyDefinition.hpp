#pragma once

#include <box2d/b2_body.h>
#include <box2d/b2_fixture.h>
#include <box2d/b2_shape.h>

#include <memory>
#include <utility>
#include <vector>

namespace orv {

// An extra body that travels with an entity. bodyDef.position is its offset from the entity's
// position, in world units; every fixture is made a sensor when the body is created.
struct SensorBodyDefinition {
    b2BodyDef bodyDef;
    std::vector<b2FixtureDef> fixtureDefs;
    // Owns what the fixture definitions point at.
    std::vector<std::unique_ptr<b2Shape>> shapes;
    // The sensor stays where it is until its entity has moved farther than this from it, then
    // jumps back onto its offset; 0 keeps it exactly on its offset. Every jump pairs the sensor
    // anew with all it overlaps, so a big sensor that may lag behind a little costs less.
    float followSlack = 0.f;

    // Takes the shape and points a copy of fixtureDef at it.
    void addFixture(b2FixtureDef fixtureDef, std::unique_ptr<b2Shape>&& shape) {
        fixtureDef.shape = shape.get();
        shapes.push_back(std::move(shape));
        fixtureDefs.push_back(fixtureDef);
    }
};

} // namespace orv
