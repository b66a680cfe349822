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

    // Takes the shape and points a copy of fixtureDef at it.
    void addFixture(b2FixtureDef fixtureDef, std::unique_ptr<b2Shape>&& shape) {
        fixtureDef.shape = shape.get();
        shapes.push_back(std::move(shape));
        fixtureDefs.push_back(fixtureDef);
    }
};

} // namespace orv
