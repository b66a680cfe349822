#include "game/actions/TargetBounds.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/physics/PhysicsComponent.hpp"

#include <algorithm>

namespace tarsk {

sf::FloatRect bodyBounds(const orv::Entity& target) {
    const auto* physics = target.findComponent<orv::PhysicsComponent>();
    const b2Body* body = physics ? physics->getBody() : nullptr;
    const b2Fixture* fixture = body ? body->GetFixtureList() : nullptr;
    if (!fixture)
        return {0.f, 0.f, 0.f, 0.f};
    const b2AABB& box = fixture->GetAABB(0);
    return {box.lowerBound.x, box.lowerBound.y, box.upperBound.x - box.lowerBound.x,
            box.upperBound.y - box.lowerBound.y};
}

bool boundsContain(const sf::FloatRect& bounds, sf::Vector2f point) {
    const float minX = std::min(bounds.left, bounds.left + bounds.width);
    const float maxX = std::max(bounds.left, bounds.left + bounds.width);
    const float minY = std::min(bounds.top, bounds.top + bounds.height);
    const float maxY = std::max(bounds.top, bounds.top + bounds.height);
    return minX <= point.x && point.x < maxX && minY <= point.y && point.y < maxY;
}

} // namespace tarsk
