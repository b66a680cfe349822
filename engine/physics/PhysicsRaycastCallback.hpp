#pragma once

#include "engine/physics/BodyCollector.hpp"

#include <box2d/b2_world_callbacks.h>

namespace orv {

// Collects the bodies whose fixtures the segment crosses, anywhere along it: every report
// answers 1, so Box2D never shortens the ray.
class PhysicsRaycastCallback : public b2RayCastCallback {
public:
    explicit PhysicsRaycastCallback(bool skipSensors) : collector(skipSensors) {}

    float ReportFixture(b2Fixture* fixture, const b2Vec2& point, const b2Vec2& normal,
                        float fraction) override;
    const std::vector<b2Body*>& getBodies() const { return collector.getBodies(); }

private:
    BodyCollector collector;
};

} // namespace orv
