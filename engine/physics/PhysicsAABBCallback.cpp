#include "engine/physics/PhysicsAABBCallback.hpp"

namespace orv {

bool PhysicsAABBCallback::ReportFixture(b2Fixture* fixture) {
    collector.add(fixture);
    return true;
}

} // namespace orv
