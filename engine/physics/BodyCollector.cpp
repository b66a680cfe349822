#include "engine/physics/BodyCollector.hpp"

#include <box2d/b2_fixture.h>

namespace orv {

void BodyCollector::add(b2Fixture* fixture) {
    if (skipSensors && fixture->IsSensor())
        return;
    b2Body* body = fixture->GetBody();
    if (seen.insert(body).second)
        bodies.push_back(body);
}

} // namespace orv
