#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Drawable.hpp>
#include <box2d/b2_draw.h>

#include <memory>
#include <vector>

namespace orv {

// Turns Box2D's debug primitives into SFML shapes in pixels (16 per world unit), appended to a
// target list. Colours keep a fifth of their opacity so the world shows through. Making the
// shapes needs no display; only drawing them does.
class PhysicsDebugDraw : public b2Draw {
public:
    using Target = std::vector<std::unique_ptr<sf::Drawable>>;

    // Null (the default) drops every primitive.
    void setTarget(Target* list) { target = list; }

    static sf::Color toColor(const b2Color& color);

    void DrawPolygon(const b2Vec2* vertices, int32 vertexCount, const b2Color& color) override;
    void DrawSolidPolygon(const b2Vec2* vertices, int32 vertexCount, const b2Color& color) override;
    void DrawCircle(const b2Vec2& center, float radius, const b2Color& color) override;
    void DrawSolidCircle(const b2Vec2& center, float radius, const b2Vec2& axis,
                         const b2Color& color) override;
    void DrawSegment(const b2Vec2& p1, const b2Vec2& p2, const b2Color& color) override;
    void DrawTransform(const b2Transform& xf) override;
    void DrawPoint(const b2Vec2& p, float size, const b2Color& color) override;

private:
    void add(std::unique_ptr<sf::Drawable> drawable);

    Target* target = nullptr;
};

} // namespace orv
