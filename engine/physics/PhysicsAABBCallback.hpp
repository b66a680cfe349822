#pragma once

#include "engine/physics/BodyCollector.hpp"

#include <box2d/b2_world_callbacks.h>

namespace orv {

// Collects the bodies whose fixtures' bounding boxes overlap the queried box.
class PhysicsAABBCallback : public b2QueryCallback {
public:
    explicit PhysicsAABBCallback(bool skipSensors) : collector(skipSensors) {}

    bool ReportFixture(b2Fixture* fixture) override;
    const std::vector<b2Body*>& getBodies() const { return collector.getBodies(); }

private:
    BodyCollector collector;
};

} // namespace orv
