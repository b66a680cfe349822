#pragma once

#include <box2d/b2_body.h>
#include <box2d/b2_fixture.h>
#include <box2d/b2_shape.h>

#include <vector>

namespace orv {

// Definitions Box2D would assert on (or turn into NaN later) raise std::runtime_error here.
void checkBodyDefinition(const b2BodyDef& def);
// The fixture's own values; its shape pointer is checked where the shape is owned.
void checkFixtureDefinition(const b2FixtureDef& def);

struct MassFixture {
    const b2Shape* shape;
    float density;
};

// A dynamic body with any mass needs at least PhysicsLimits::minMass. One turning freely needs an inertia
// about its centre of mass that survives Box2D's float arithmetic: a small, dense shape far from the body's
// origin cancels out to nothing, which Box2D asserts on.
void checkBodyMass(const b2BodyDef& def, const std::vector<MassFixture>& fixtures);

} // namespace orv
