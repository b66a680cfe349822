#include "engine/physics/PhysicsDebugDraw.hpp"
#include "engine/physics/PhysicsTestSupport.hpp"

#include <gtest/gtest.h>

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/ConvexShape.hpp>
#include <SFML/Graphics/VertexArray.hpp>

using namespace physics_test;

namespace {

template <class T>
const T& as(const std::unique_ptr<sf::Drawable>& drawable) {
    const T* shape = dynamic_cast<const T*>(drawable.get());
    if (!shape)
        throw std::runtime_error("unexpected drawable type");
    return *shape;
}

struct Drawn {
    Drawn() { draw.setTarget(&shapes); }
    orv::PhysicsDebugDraw draw;
    orv::PhysicsDebugDraw::Target shapes;
};

const b2Color orange(1, 0.5f, 0.25f, 1);
const sf::Color orangeFifth(255, 127, 63, 51);

TEST(PhysicsDebugDraw, CirclesAndPointsBecomeCircleShapesInPixels) {
    Drawn d;
    d.draw.DrawSolidCircle({1, 2}, 0.5f, {1, 0}, orange);
    d.draw.DrawCircle({-1, 0}, 2, orange);
    d.draw.DrawPoint({3, 3}, 12, orange);
    ASSERT_EQ(d.shapes.size(), 3u);

    const auto& solid = as<sf::CircleShape>(d.shapes[0]);
    EXPECT_FLOAT_EQ(solid.getRadius(), 8);
    EXPECT_EQ(solid.getPointCount(), 30u);
    EXPECT_EQ(solid.getPosition(), sf::Vector2f(8, 24));
    EXPECT_EQ(solid.getFillColor(), orangeFifth);
    EXPECT_EQ(solid.getOutlineThickness(), 0);

    const auto& outline = as<sf::CircleShape>(d.shapes[1]);
    EXPECT_FLOAT_EQ(outline.getRadius(), 32);
    EXPECT_EQ(outline.getPosition(), sf::Vector2f(-48, -32));
    EXPECT_EQ(outline.getFillColor(), sf::Color::Transparent);
    EXPECT_EQ(outline.getOutlineColor(), orangeFifth);
    EXPECT_EQ(outline.getOutlineThickness(), 1);

    const auto& point = as<sf::CircleShape>(d.shapes[2]);
    EXPECT_FLOAT_EQ(point.getRadius(), 1.6f);
    EXPECT_FLOAT_EQ(point.getPosition().x, (3 - 0.1f) * 16);
    EXPECT_EQ(point.getFillColor(), orangeFifth);
}

TEST(PhysicsDebugDraw, PolygonsSegmentsAndTransformsBecomeShapesAndLines) {
    Drawn d;
    const b2Vec2 triangle[3] = {{0, 0}, {1, 0}, {0, 2}};
    d.draw.DrawPolygon(triangle, 3, orange);
    d.draw.DrawSolidPolygon(triangle, 3, b2Color(0, 1, 0, 0.5f));
    d.draw.DrawSegment({0, 1}, {2, 1}, orange);
    b2Transform xf({1, 1}, b2Rot(0));
    d.draw.DrawTransform(xf);
    ASSERT_EQ(d.shapes.size(), 5u);

    const auto& hollow = as<sf::ConvexShape>(d.shapes[0]);
    ASSERT_EQ(hollow.getPointCount(), 3u);
    EXPECT_EQ(hollow.getPoint(2), sf::Vector2f(0, 32));
    EXPECT_EQ(hollow.getFillColor(), sf::Color::Transparent);
    EXPECT_EQ(hollow.getOutlineColor(), orangeFifth);
    EXPECT_EQ(hollow.getOutlineThickness(), 1);
    const auto& solid = as<sf::ConvexShape>(d.shapes[1]);
    EXPECT_EQ(solid.getPoint(1), sf::Vector2f(16, 0));
    EXPECT_EQ(solid.getFillColor(), sf::Color(0, 255, 0, 25));
    EXPECT_EQ(solid.getOutlineThickness(), 0);

    const auto& segment = as<sf::VertexArray>(d.shapes[2]);
    ASSERT_EQ(segment.getVertexCount(), 2u);
    EXPECT_EQ(segment.getPrimitiveType(), sf::Lines);
    EXPECT_EQ(segment[1].position, sf::Vector2f(32, 16));
    EXPECT_EQ(segment[0].color, orangeFifth);

    const auto& xAxis = as<sf::VertexArray>(d.shapes[3]);
    const auto& yAxis = as<sf::VertexArray>(d.shapes[4]);
    EXPECT_EQ(xAxis[0].position, sf::Vector2f(16, 16));
    EXPECT_FLOAT_EQ(xAxis[1].position.x, 1.4f * 16);
    EXPECT_EQ(xAxis[1].color, sf::Color(255, 0, 0, 51));
    EXPECT_FLOAT_EQ(yAxis[1].position.y, 1.4f * 16);
    EXPECT_EQ(yAxis[1].color, sf::Color(0, 255, 0, 51));
}

TEST(PhysicsDebugDraw, TheSystemDrawsEveryShapeOfItsWorld) {
    PhysicsWorld w;
    w.add(ball({2, 3}, 1));
    w.add(entityWith(orv::PhysicsComponent::make(bodyOfType(b2_staticBody), box(1, 0.5f), b2FixtureDef()),
                     {5, 5}));
    const auto shapes = w.physics->debugDraw();
    ASSERT_EQ(shapes.size(), 2u);
    // Box2D walks its bodies newest first; the order is not ours to promise.
    const bool circleFirst = dynamic_cast<const sf::CircleShape*>(shapes[0].get()) != nullptr;
    const auto& circle = as<sf::CircleShape>(shapes[circleFirst ? 0 : 1]);
    EXPECT_FLOAT_EQ(circle.getRadius(), 16);
    EXPECT_EQ(circle.getPosition(), sf::Vector2f(16, 32));
    const auto& rectangle = as<sf::ConvexShape>(shapes[circleFirst ? 1 : 0]);
    ASSERT_EQ(rectangle.getPointCount(), 4u);
    EXPECT_EQ(rectangle.getPoint(0), sf::Vector2f(64, 72));
    EXPECT_EQ(rectangle.getPoint(2), sf::Vector2f(96, 88));
    EXPECT_EQ(w.physics->debugDraw().size(), 2u);
}

} // namespace
