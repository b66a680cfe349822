#include "engine/physics/PhysicsTestSupport.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

using namespace physics_test;

namespace {

using Hits = std::vector<const orv::Entity*>;

Hits sorted(Hits hits) {
    std::sort(hits.begin(), hits.end());
    return hits;
}

// An entity at x with a main body and a detection sensor around it, and one further along
// whose only fixture near the origin is a sensor.
struct Scene {
    Scene() {
        auto watcher = ball({0, 0}, 0.5f);
        physicsOf(watcher.get())->registerSensorBody(sensorAt({0, 0}, 2));
        withSensor = w.add(std::move(watcher));
        auto remote = ball({10, 0}, 0.5f);
        physicsOf(remote.get())->registerSensorBody(sensorAt({-7, 0}, 1));
        sensorOnly = w.add(std::move(remote));
    }
    PhysicsWorld w;
    const orv::Entity* withSensor;
    const orv::Entity* sensorOnly;
};

TEST(PhysicsQueries, AnAreaNamesEachEntityOnceAndCanIgnoreSensors) {
    Scene s;
    EXPECT_EQ(s.w.physics->queryAABB({-0.2f, -0.2f, 0.4f, 0.4f}, false), Hits{s.withSensor});
    EXPECT_EQ(s.w.physics->queryAABB({2.5f, -0.5f, 1, 1}, false), Hits{s.sensorOnly});
    EXPECT_TRUE(s.w.physics->queryAABB({2.5f, -0.5f, 1, 1}, true).empty());
    EXPECT_EQ(s.w.physics->queryAABB({-3, -3, 14, 6}, true), sorted({s.withSensor, s.sensorOnly}));
    // A negative size reaches back from the corner.
    EXPECT_EQ(s.w.physics->queryAABB({11, 1, -2, -2}, false), Hits{s.sensorOnly});
    EXPECT_TRUE(s.w.physics->queryAABB({20, 20, 1, 1}, false).empty());
    EXPECT_THROW(s.w.physics->queryAABB({NAN, 0, 1, 1}, false), std::runtime_error);
}

TEST(PhysicsQueries, ARayNamesEveryEntityAlongItsWholeLength) {
    PhysicsWorld w;
    Hits row;
    for (float x : {2.f, 4.f, 6.f})
        row.push_back(w.add(ball({x, 0}, 0.5f, b2_staticBody)));
    const Hits all = sorted(row);
    EXPECT_EQ(w.physics->rayCast({0, 0}, {8, 0}, false), all);
    EXPECT_EQ(w.physics->rayCast({8, 0.2f}, {0, 0.2f}, true), all);
    EXPECT_EQ(w.physics->rayCast({0, 0}, {4, 0}, false), sorted({row[0], row[1]}));
    EXPECT_TRUE(w.physics->rayCast({0, 1}, {8, 1}, false).empty());
    EXPECT_TRUE(w.physics->rayCast({2, 0}, {2, 0}, false).empty());
    EXPECT_THROW(w.physics->rayCast({0, 0}, {INFINITY, 0}, false), std::runtime_error);
}

// Past the bound a query looks at its part within; a slanted ray keeps its line.
TEST(PhysicsQueries, AQueryPastTheBoundLooksWithinIt) {
    PhysicsWorld w;
    const orv::Entity* atEdge = w.add(ball({999999.5f, 0}, 0.5f, b2_staticBody));
    EXPECT_EQ(w.physics->queryAABB({999990, -1, 20, 2}, true), Hits{atEdge});
    EXPECT_EQ(w.physics->rayCast({999990, 0}, {3e38f, 0}, true), Hits{atEdge});
    EXPECT_EQ(w.physics->rayCast({999990, 10}, {1000010, -10}, true), Hits{atEdge});
    EXPECT_TRUE(w.physics->rayCast({1000001, -5}, {1000001, 5}, true).empty());
}

TEST(PhysicsQueries, ARayCanPassThroughSensors) {
    Scene s;
    EXPECT_EQ(s.w.physics->rayCast({3, -5}, {3, 5}, false), Hits{s.sensorOnly});
    EXPECT_TRUE(s.w.physics->rayCast({3, -5}, {3, 5}, true).empty());
    EXPECT_EQ(s.w.physics->rayCast({-5, 0}, {5, 0}, true), Hits{s.withSensor});
    EXPECT_EQ(s.w.physics->rayCast({-5, 0}, {5, 0}, false), sorted({s.withSensor, s.sensorOnly}));
}

} // namespace
