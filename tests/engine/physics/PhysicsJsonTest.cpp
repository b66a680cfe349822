#include "engine/common/JsonError.hpp"
#include "engine/physics/PhysicsTestSupport.hpp"
#include "engine/physics/ShapeSerialization.hpp"

#include <gtest/gtest.h>

#include <box2d/b2_chain_shape.h>
#include <box2d/b2_edge_shape.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

using namespace physics_test;
using json = nlohmann::json;

namespace {

json circleRecord(double radius = 0.5) {
    return {{"shape_type", 0}, {"m_p.x", 0}, {"m_p.y", 0}, {"m_radius", radius}};
}

json record(json shape, json extra = json::object()) {
    json data = {{"body->GetType()", 2}, {"shape", std::move(shape)}};
    data.update(extra);
    return data;
}

json polygonRecord(json vertices, int count) {
    return {{"shape_type", 2}, {"count", count}, {"vertices", std::move(vertices)}};
}

json chainRecord(json vertices, int count) {
    return {{"shape_type", 3},
            {"m_count", count},
            {"m_vertices", std::move(vertices)},
            {"m_prevVertex.x", -1},
            {"m_prevVertex.y", 0},
            {"m_nextVertex.x", 9},
            {"m_nextVertex.y", 0},
            {"m_radius", "b2_polygonRadius"}};
}

json edgeRecord(double x2 = 3, double y2 = 1) {
    return {{"shape_type", 1},
            {"m_vertex0.x", -1},
            {"m_vertex0.y", 0},
            {"m_vertex1.x", 0},
            {"m_vertex1.y", 0},
            {"m_vertex2.x", x2},
            {"m_vertex2.y", y2},
            {"m_vertex3.x", 4},
            {"m_vertex3.y", 1.5},
            {"m_oneSided", true},
            {"m_radius", "b2_polygonRadius"}};
}

TEST(PhysicsJson, AMinimalRecordKeepsBox2DDefaults) {
    auto physics = orv::PhysicsComponent::fromJson(record(circleRecord()));
    const b2BodyDef& body = physics->getBodyDef();
    EXPECT_EQ(body.type, b2_dynamicBody);
    EXPECT_EQ(body.position, b2Vec2(0, 0));
    EXPECT_TRUE(body.awake && body.enabled && body.allowSleep && !body.bullet && !body.fixedRotation);
    EXPECT_EQ(body.gravityScale, 1);
    const b2FixtureDef& fixture = physics->getFixtureDef();
    EXPECT_FLOAT_EQ(fixture.friction, 0.2f);
    EXPECT_EQ(fixture.density, 0);
    EXPECT_EQ(fixture.filter.categoryBits, 1);
    EXPECT_EQ(fixture.filter.maskBits, 65535);
    EXPECT_EQ(fixture.filter.groupIndex, 0);
    ASSERT_EQ(physics->getShape().GetType(), b2Shape::e_circle);
    EXPECT_EQ(physics->getShape().m_radius, 0.5f);
}

TEST(PhysicsJson, EveryKeyIsWrittenAndReadBack) {
    const json full = {{"body->GetTransform().position.x", 1.5},
                       {"body->GetTransform().position.y", -2.0},
                       {"body->GetTransform().angle", 0.25},
                       {"body->GetAngularDamping()", 0.5},
                       {"body->GetAngularVelocity()", -1.0},
                       {"body->GetGravityScale()", 0.0},
                       {"body->GetLinearDamping()", 2.0},
                       {"body->GetLinearVelocity().x", 3.0},
                       {"body->GetLinearVelocity().y", 4.0},
                       {"body->GetType()", 1},
                       {"body->IsEnabled()", false},
                       {"body->IsAwake()", false},
                       {"body->IsBullet()", true},
                       {"body->IsFixedRotation()", true},
                       {"body->IsSleepingAllowed()", false},
                       {"fixtureDef.friction", 0.75},
                       {"fixtureDef.density", 8.0},
                       {"fixtureDef.isSensor", true},
                       {"fixtureDef.filter.categoryBits", 65535u},
                       {"fixtureDef.filter.groupIndex", -32768},
                       {"fixtureDef.filter.maskBits", 4u},
                       {"shape", circleRecord(1.25)}};
    const json written = orv::PhysicsComponent::fromJson(full)->toJson();
    EXPECT_EQ(written.size(), 22u);
    EXPECT_EQ(written, full);
    EXPECT_TRUE(written["fixtureDef.filter.maskBits"].is_number_unsigned());
    EXPECT_TRUE(written["body->GetTransform().angle"].is_number_float());
}

TEST(PhysicsJson, RequiredKeysAndShapeTypes) {
    const auto expectLogic = [](const json& data) {
        try {
            orv::PhysicsComponent::fromJson(data);
            ADD_FAILURE() << data;
        } catch (const std::logic_error& e) {
            EXPECT_STREQ(e.what(), "json does not contain required value");
        }
    };
    json noShape = record(circleRecord());
    noShape.erase("shape");
    expectLogic(noShape);
    json noType = record(circleRecord());
    noType.erase("body->GetType()");
    expectLogic(noType);

    json unknown = circleRecord();
    unknown["shape_type"] = 4;
    try {
        orv::deserializeShape(unknown);
        ADD_FAILURE();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "shape type not supported (deserialization)");
    }

    // A shape of a kind no record can describe.
    struct Odd : b2CircleShape {
        Odd() { m_type = b2Shape::e_typeCount; }
    } odd;
    try {
        orv::serializeShape(odd);
        ADD_FAILURE();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "b2ShapeSerialization Error: shape type not supported");
    }
}

TEST(PhysicsJson, EveryShapeTypeSurvivesARoundTrip) {
    const json square = polygonRecord({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 4);
    const json chain = chainRecord({{0, 0}, {2, 0}, {4, 1}}, 3);
    for (const json& shape : {circleRecord(2), edgeRecord(), square, chain}) {
        const json written = orv::serializeShape(*orv::deserializeShape(shape));
        EXPECT_EQ(written, orv::serializeShape(*orv::deserializeShape(written))) << shape;
        if (shape["shape_type"] != 2) { // Box2D reorders a polygon into its hull
            EXPECT_EQ(written, shape) << shape;
        }
    }

    const auto edge = orv::deserializeShape(edgeRecord());
    const auto& e = static_cast<const b2EdgeShape&>(*edge);
    EXPECT_EQ(e.m_vertex2, b2Vec2(3, 1));
    EXPECT_EQ(e.m_vertex3, b2Vec2(4, 1.5f));
    EXPECT_TRUE(e.m_oneSided);
    EXPECT_FLOAT_EQ(e.m_radius, b2_polygonRadius);
    json otherRadius = edgeRecord();
    otherRadius["m_radius"] = 7;
    EXPECT_FLOAT_EQ(orv::deserializeShape(otherRadius)->m_radius, b2_polygonRadius);

    const auto polygon = orv::deserializeShape(square);
    EXPECT_EQ(static_cast<const b2PolygonShape&>(*polygon).m_centroid, b2Vec2(0.5f, 0.5f));
    const json written = orv::serializeShape(*polygon);
    EXPECT_EQ(written["count"], 4);
    EXPECT_EQ(written["vertices"].size(), 4u);
    // Only the first `count` points are used.
    json longer = polygonRecord({{0, 0}, {1, 0}, {0, 1}, {9, 9}}, 3);
    EXPECT_EQ(static_cast<const b2PolygonShape&>(*orv::deserializeShape(longer)).m_count, 3);

    const auto readChain = orv::deserializeShape(chain);
    const auto& c = static_cast<const b2ChainShape&>(*readChain);
    ASSERT_EQ(c.m_count, 3);
    EXPECT_EQ(c.m_vertices[2], b2Vec2(4, 1));
    EXPECT_EQ(c.m_nextVertex, b2Vec2(9, 0));
    EXPECT_EQ(c.GetChildCount(), 2);
}

TEST(PhysicsJson, ALiveBodyIsWrittenAsItMovesAndALoneComponentFromItsDefinitions) {
    PhysicsWorld w;
    json data = record(circleRecord(), {{"body->GetLinearVelocity().x", 2.0}, {"fixtureDef.density", 1.0}});
    auto physics = orv::PhysicsComponent::fromJson(data);
    auto* component = physics.get();
    EXPECT_EQ(component->toJson()["body->GetLinearVelocity().x"], 2.0);

    auto entity = entityWith(std::move(physics), {1, 0});
    transformOf(entity.get())->setRotation(90);
    w.add(std::move(entity));
    component->setLinearVelocity({0, 4});
    w.step(0.02f);
    const json saved = component->toJson();
    EXPECT_EQ(saved["body->GetLinearVelocity().y"], 4.0);
    EXPECT_EQ(saved["body->GetLinearVelocity().x"], 0.0);
    EXPECT_NEAR(saved["body->GetTransform().position.y"].get<double>(), 0.08, 1e-6);
    EXPECT_NEAR(saved["body->GetTransform().position.x"].get<double>(), 1, 1e-6);
    EXPECT_NEAR(saved["body->GetTransform().angle"].get<double>(), 3.1415927 / 2, 1e-6);
    EXPECT_EQ(saved["fixtureDef.density"], 1.0);

    const auto reread = orv::PhysicsComponent::fromJson(saved);
    EXPECT_EQ(reread->getBodyDef().linearVelocity, b2Vec2(0, 4));
    EXPECT_EQ(reread->toJson(), saved);
}

// Each of these would make Debian's Box2D abort; here they are exceptions.
TEST(PhysicsJson, InputBox2DWouldAbortOnIsRefused) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const json runtime[] = {
        record(circleRecord(), {{"body->GetType()", 3}}),
        record(circleRecord(), {{"body->GetType()", -1}}),
        record(circleRecord(), {{"body->GetTransform().position.x", nan}}),
        record(circleRecord(), {{"body->GetLinearVelocity().y", 1e300}}),
        record(circleRecord(), {{"body->GetTransform().angle", INFINITY}}),
        record(circleRecord(), {{"body->GetLinearDamping()", -0.5}}),
        record(circleRecord(), {{"body->GetAngularDamping()", -1}}),
        record(circleRecord(), {{"fixtureDef.density", -1}}),
        record(circleRecord(), {{"fixtureDef.filter.categoryBits", 65536}}),
        record(circleRecord(), {{"fixtureDef.filter.maskBits", -1}}),
        record(circleRecord(), {{"fixtureDef.filter.groupIndex", 40000}}),
        record(circleRecord(-1)),
        record(circleRecord(nan)),
        record(polygonRecord({{0, 0}, {1, 0}}, 2)),
        record(polygonRecord({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}}, 9)),
        record(polygonRecord({{0, 0}, {1, 0}, {0, 1}}, 4)),
        record(polygonRecord({{0, 0}, {1, 0}, {2, 0}}, 3)),
        record(polygonRecord({{0, 0}, {0.001, 0}, {0.002, 1}}, 3)),
        record(polygonRecord({{0, 0}, {1, 0}, {2, 1e-7}}, 3)),
        record(polygonRecord({{0, 0}, {1, nan}, {0, 1}}, 3)),
        // Nearly on one line: Box2D's float hull wrap goes round in circles.
        record(polygonRecord({{0.0338460021, 0.0255353134},
                              {-0.0608200505, -0.0458861142},
                              {-0.0330159813, -0.0249090195},
                              {0.0176710207, 0.0133365588},
                              {0.0242219009, 0.0182743557},
                              {-0.0551778339, -0.0341160148}},
                             6)),
        // A tiny circle far from its body's origin: no inertia left about its centre in float.
        record({{"shape_type", 0}, {"m_p.x", 1000}, {"m_p.y", 0}, {"m_radius", 0.001}},
               {{"fixtureDef.density", 1}}),
        record(chainRecord({{0, 0}}, 1)),
        record(chainRecord({{0, 0}, {1, 0}}, 3)),
        record(chainRecord({{0, 0}, {1, 0}, {1.001, 0}}, 3)),
        record(edgeRecord(0, 0)),
        // Finite, yet Box2D's float squares, cross products and inertia overflow.
        record(polygonRecord({{0, 0}, {1e20, 0}, {0, 1e20}}, 3)),
        record(polygonRecord({{0, 0}, {3e7, 0}, {0, 3e7}}, 3), {{"fixtureDef.density", 1}}),
        record(circleRecord(3e37)),
        record(circleRecord(), {{"fixtureDef.density", 1e30}}),
    };
    for (const json& data : runtime)
        EXPECT_THROW(orv::PhysicsComponent::fromJson(data), std::runtime_error) << data;

    try {
        orv::PhysicsComponent::fromJson(record(polygonRecord(json::array(), 0)));
        ADD_FAILURE();
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "invalid vector subscript");
    }
    EXPECT_THROW(orv::PhysicsComponent::fromJson(record(circleRecord(), {{"fixtureDef.friction", "high"}})),
                 orv::JsonError);
    EXPECT_THROW(orv::PhysicsComponent::fromJson(record(circleRecord(), {{"fixtureDef.friction", true}})),
                 orv::JsonError);
    EXPECT_THROW(orv::PhysicsComponent::fromJson(record(circleRecord(), {{"body->IsBullet()", 1}})),
                 json::type_error);
    json missing = circleRecord();
    missing.erase("m_radius");
    EXPECT_THROW(orv::PhysicsComponent::fromJson(record(missing)), json::out_of_range);
    EXPECT_THROW(orv::PhysicsComponent::fromJson(record(polygonRecord(5, 3))), json::type_error);
}

} // namespace
