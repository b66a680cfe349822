#include "engine/physics/PhysicsTestSupport.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace physics_test;

namespace {

using Hits = std::vector<const orv::Entity*>;
using SensorHits = std::vector<std::pair<const orv::Entity*, unsigned>>;

// Every contact signal of one component, recorded.
struct Recorder {
    explicit Recorder(orv::PhysicsComponent* physics, unsigned sensors = 0) {
        physics->contactBegin.connect([this](const orv::Entity* e) { begin.push_back(e); });
        physics->contactEnd.connect([this](const orv::Entity* e) { end.push_back(e); });
        physics->contactWithSensorBegin.connect(
            [this](const orv::Entity* e, unsigned j) { withSensorBegin.emplace_back(e, j); });
        physics->contactWithSensorEnd.connect(
            [this](const orv::Entity* e, unsigned j) { withSensorEnd.emplace_back(e, j); });
        for (unsigned i = 0; i < sensors; ++i) {
            physics->getSensorSignal(i).begin.connect(
                [this, i](const orv::Entity* e) { sensorBegin.emplace_back(e, i); });
            physics->getSensorSignal(i).end.connect(
                [this, i](const orv::Entity* e) { sensorEnd.emplace_back(e, i); });
            physics->getSensorSensorSignal(i).begin.connect([this, i](const orv::Entity* e, unsigned j) {
                sensorSensor.push_back({e, i * 10 + j});
            });
        }
    }
    Hits begin, end;
    SensorHits withSensorBegin, withSensorEnd, sensorBegin, sensorEnd, sensorSensor;
};

TEST(PhysicsContacts, MainBodiesTellBothSidesWhenTheyBeginAndEndTouching) {
    PhysicsWorld w;
    const orv::Entity* a = w.add(ball({0, 0}));
    const orv::Entity* b = w.add(ball({0.8f, 0}));
    Recorder ra(physicsOf(a));
    Recorder rb(physicsOf(b));
    w.step(0.01f);
    EXPECT_EQ(ra.begin, Hits{b});
    EXPECT_EQ(rb.begin, Hits{a});
    EXPECT_TRUE(ra.end.empty());

    transformOf(b)->setPositionXY({10, 0});
    w.step(0.01f);
    EXPECT_EQ(ra.end, Hits{b});
    EXPECT_EQ(rb.end, Hits{a});
    EXPECT_EQ(ra.begin.size(), 1u);
    EXPECT_TRUE(ra.withSensorBegin.empty());
}

TEST(PhysicsContacts, ASensorOverAnotherMainBodyTellsTheSensorIndexToBothSides) {
    PhysicsWorld w;
    auto watcher = ball({0, 0});
    physicsOf(watcher.get())->registerSensorBody(sensorAt({-20, 0}, 1));
    physicsOf(watcher.get())->registerSensorBody(sensorAt({5, 0}, 1));
    const orv::Entity* a = w.add(std::move(watcher));
    const orv::Entity* b = w.add(ball({5.5f, 0}));
    Recorder ra(physicsOf(a), 2);
    Recorder rb(physicsOf(b));
    w.step(0.01f);

    EXPECT_EQ(ra.sensorBegin, (SensorHits{{b, 1}}));
    EXPECT_EQ(rb.withSensorBegin, (SensorHits{{a, 1}}));
    EXPECT_TRUE(ra.begin.empty());
    EXPECT_TRUE(rb.begin.empty());

    // The sensor follows its entity away from b.
    transformOf(a)->setPositionXY({-5, 0});
    w.step(0.01f);
    EXPECT_EQ(ra.sensorEnd, (SensorHits{{b, 1}}));
    EXPECT_EQ(rb.withSensorEnd, (SensorHits{{a, 1}}));
}

TEST(PhysicsContacts, SensorsOverlappingSensorsNameBothIndices) {
    PhysicsWorld w;
    auto first = ball({0, 0});
    physicsOf(first.get())->registerSensorBody(sensorAt({0, 10}, 1));
    auto second = ball({0, 30});
    physicsOf(second.get())->registerSensorBody(sensorAt({10, 10}, 1));
    physicsOf(second.get())->registerSensorBody(sensorAt({0, -19}, 1));
    const orv::Entity* a = w.add(std::move(first));
    const orv::Entity* b = w.add(std::move(second));
    Recorder ra(physicsOf(a), 1);
    Recorder rb(physicsOf(b), 2);
    w.step(0.01f);
    // Recorded as (other entity, own index * 10 + other's index).
    EXPECT_EQ(ra.sensorSensor, (SensorHits{{b, 1}}));
    EXPECT_EQ(rb.sensorSensor, (SensorHits{{a, 10}}));
    EXPECT_TRUE(ra.sensorBegin.empty());
    EXPECT_TRUE(rb.withSensorBegin.empty());
}

TEST(PhysicsContacts, AnEntityTouchingItsOwnSensorHearsOfItOnce) {
    PhysicsWorld w;
    auto entity = ball({0, 0});
    physicsOf(entity.get())->registerSensorBody(sensorAt({0.5f, 0}, 1));
    const orv::Entity* a = w.add(std::move(entity));
    Recorder ra(physicsOf(a), 1);
    w.step(0.01f);
    EXPECT_EQ(ra.withSensorBegin, (SensorHits{{a, 0}}));
    EXPECT_TRUE(ra.sensorBegin.empty());
    EXPECT_TRUE(ra.begin.empty());
}

TEST(PhysicsContacts, BodiesWithoutAnEntityOrWithoutAComponentAreSkipped) {
    PhysicsWorld w;
    const orv::Entity* a = w.add(ball({0, 0}));
    Recorder ra(physicsOf(a));
    orv::Entity bare;
    b2World& world = w.physics->getB2World();
    for (uintptr_t userData : {uintptr_t(0), reinterpret_cast<uintptr_t>(&bare)}) {
        b2BodyDef def = bodyOfType(b2_dynamicBody);
        def.userData.pointer = userData;
        world.CreateBody(&def)->CreateFixture(circle(1).get(), 1);
    }
    w.step(0.01f);
    EXPECT_EQ(world.GetContactCount(), 3);
    EXPECT_TRUE(ra.begin.empty());
    EXPECT_TRUE(ra.withSensorBegin.empty());
    const orv::Entity* withoutComponent = &bare;
    EXPECT_EQ(w.physics->queryAABB({-1, -1, 2, 2}, false),
              (Hits{std::min(a, withoutComponent), std::max(a, withoutComponent)}));
}

TEST(PhysicsContacts, ListenersCannotChangeBodiesMidStepAndTheirErrorsWaitForTheStepToEnd) {
    PhysicsWorld w;
    const orv::Entity* a = w.add(ball({0, 0}));
    const orv::Entity* b = w.add(ball({0.8f, 0}));
    Recorder rb(physicsOf(b));
    std::function<void()> onTouch = [&] {
        transformOf(a)->setPositionXY({50, 50});
    };
    physicsOf(a)->contactBegin.connect([&](const orv::Entity*) { onTouch(); });
    const auto touchAgain = [&] {
        transformOf(b)->setPositionXY({20, 0});
        w.step(0.01f);
        transformOf(b)->setPositionXY({0.8f, 0});
        w.step(0.01f);
    };
    EXPECT_THROW(w.step(0.01f), std::logic_error);
    EXPECT_EQ(rb.begin, Hits{a}); // the other side still heard of it
    EXPECT_FALSE(w.physics->getB2World().IsLocked());
    EXPECT_FLOAT_EQ(physicsOf(a)->getBody()->GetPosition().y, 0);

    onTouch = [&] {
        w.world.removeEntities({b});
    };
    EXPECT_THROW(touchAgain(), std::logic_error);
    EXPECT_TRUE(w.world.contains(b));
    EXPECT_TRUE(physicsOf(b)->isInSimulation());

    onTouch = [&] {
        auto newcomer = ball({9, 9});
        newcomer->init();
        w.world.addEntity(std::move(newcomer));
    };
    EXPECT_THROW(touchAgain(), std::logic_error);
    EXPECT_EQ(w.world.getEntityCount(), 2u); // the newcomer was turned away
    EXPECT_EQ(w.bodyCount(), 2);
    EXPECT_EQ(w.physics->getSimulatedEntities(), (Hits{a, b}));
}

TEST(PhysicsContacts, ContactsEndedByRemovalAreReportedToTheStayingSide) {
    PhysicsWorld w;
    const orv::Entity* a = w.add(ball({0, 0}));
    const orv::Entity* b = w.add(ball({0.8f, 0}));
    Recorder ra(physicsOf(a));
    w.step(0.01f);
    ASSERT_EQ(ra.begin, Hits{b});
    physicsOf(a)->contactEnd.connect([](const orv::Entity*) { throw std::runtime_error("late"); });
    // The bodies go; the error then stops the world's removal, as any listener's error does.
    EXPECT_THROW(w.world.removeEntities({b}), std::runtime_error);
    EXPECT_EQ(ra.end, Hits{b});
    EXPECT_EQ(w.bodyCount(), 1);
    EXPECT_FALSE(physicsOf(b)->isInSimulation());
    EXPECT_EQ(w.physics->getSimulatedEntities(), Hits{a});
    EXPECT_EQ(w.world.removeEntities({b}).size(), 1u);
}

} // namespace
