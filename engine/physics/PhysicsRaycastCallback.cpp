#include "engine/physics/PhysicsRaycastCallback.hpp"

namespace orv {

float PhysicsRaycastCallback::ReportFixture(b2Fixture* fixture, const b2Vec2&, const b2Vec2&, float) {
    collector.add(fixture);
    return 1.f;
}

} // namespace orv
