#include "engine/physics/PhysicsDebugDraw.hpp"

#include "engine/transform/UnitConversions.hpp"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/ConvexShape.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <algorithm>

namespace orv {

namespace {

constexpr std::size_t CirclePoints = 30;
constexpr float Opacity = 0.2f;

sf::Vector2f toPixels(const b2Vec2& v) {
    return {v.x * PixelsPerUnit, v.y * PixelsPerUnit};
}

sf::Uint8 channel(float value) {
    return static_cast<sf::Uint8>(std::clamp(value, 0.f, 255.f));
}

std::unique_ptr<sf::ConvexShape> polygon(const b2Vec2* vertices, int32 count) {
    auto shape = std::make_unique<sf::ConvexShape>(static_cast<std::size_t>(std::max(count, 0)));
    for (int32 k = 0; k < count; ++k)
        shape->setPoint(static_cast<std::size_t>(k), toPixels(vertices[k]));
    return shape;
}

std::unique_ptr<sf::CircleShape> circle(const b2Vec2& centre, float radius) {
    auto shape = std::make_unique<sf::CircleShape>(radius * PixelsPerUnit, CirclePoints);
    shape->setPosition(toPixels(centre - b2Vec2(radius, radius)));
    return shape;
}

} // namespace

sf::Color PhysicsDebugDraw::toColor(const b2Color& color) {
    return {channel(color.r * 255.f), channel(color.g * 255.f), channel(color.b * 255.f),
            channel(color.a * 255.f * Opacity)};
}

void PhysicsDebugDraw::add(std::unique_ptr<sf::Drawable> drawable) {
    if (target)
        target->push_back(std::move(drawable));
}

void PhysicsDebugDraw::DrawPolygon(const b2Vec2* vertices, int32 vertexCount, const b2Color& color) {
    auto shape = polygon(vertices, vertexCount);
    shape->setFillColor(sf::Color::Transparent);
    shape->setOutlineColor(toColor(color));
    shape->setOutlineThickness(1.f);
    add(std::move(shape));
}

void PhysicsDebugDraw::DrawSolidPolygon(const b2Vec2* vertices, int32 vertexCount, const b2Color& color) {
    auto shape = polygon(vertices, vertexCount);
    shape->setFillColor(toColor(color));
    add(std::move(shape));
}

void PhysicsDebugDraw::DrawCircle(const b2Vec2& center, float radius, const b2Color& color) {
    auto shape = circle(center, radius);
    shape->setFillColor(sf::Color::Transparent);
    shape->setOutlineColor(toColor(color));
    shape->setOutlineThickness(1.f);
    add(std::move(shape));
}

void PhysicsDebugDraw::DrawSolidCircle(const b2Vec2& center, float radius, const b2Vec2&,
                                       const b2Color& color) {
    auto shape = circle(center, radius);
    shape->setFillColor(toColor(color));
    add(std::move(shape));
}

void PhysicsDebugDraw::DrawSegment(const b2Vec2& p1, const b2Vec2& p2, const b2Color& color) {
    auto line = std::make_unique<sf::VertexArray>(sf::Lines, 2);
    const sf::Color c = toColor(color);
    (*line)[0] = sf::Vertex(toPixels(p1), c);
    (*line)[1] = sf::Vertex(toPixels(p2), c);
    add(std::move(line));
}

void PhysicsDebugDraw::DrawTransform(const b2Transform& xf) {
    constexpr float AxisLength = 0.4f;
    DrawSegment(xf.p, xf.p + AxisLength * xf.q.GetXAxis(), b2Color(1, 0, 0, 1));
    DrawSegment(xf.p, xf.p + AxisLength * xf.q.GetYAxis(), b2Color(0, 1, 0, 1));
}

void PhysicsDebugDraw::DrawPoint(const b2Vec2& p, float size, const b2Color& color) {
    auto shape = circle(p, size / 120.f);
    shape->setFillColor(toColor(color));
    add(std::move(shape));
}

} // namespace orv
