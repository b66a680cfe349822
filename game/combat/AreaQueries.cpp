#include "game/combat/AreaQueries.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/orientation/OrientationComponent.hpp"

#include <SFML/Graphics/Rect.hpp>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tarsk {

namespace {

constexpr float Pi = 3.1415927f;
constexpr float MinDirectionLength = 1.1920929e-7f;

const b2Body& bodyOf(const orv::Entity* entity) {
    if (!entity)
        throw std::invalid_argument("area query: no entity given");
    const b2Body* body = entity->getComponent<orv::PhysicsComponent>()->getBody();
    if (!body)
        throw std::logic_error("area query: the entity's PhysicsComponent is not in simulation");
    return *body;
}

// Candidates come from the bodies' user data; a body without a live component is skipped.
const b2Body* findBody(const orv::Entity* entity) {
    const auto* physics = entity->findComponent<orv::PhysicsComponent>();
    return physics ? physics->getBody() : nullptr;
}

sf::Vector2f toVector(const b2Vec2& v) {
    return {v.x, v.y};
}

float lengthOf(sf::Vector2f v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

float onCircle(float degrees) {
    float wrapped = std::fmod(degrees, 360.f);
    if (wrapped < 0.f)
        wrapped += 360.f;
    return wrapped;
}

sf::FloatRect squareAround(sf::Vector2f centre, float halfSide) {
    return {centre.x - halfSide, centre.y - halfSide, 2.f * halfSide, 2.f * halfSide};
}

// Both bounds inclusive, also across the wrap at 0 degrees.
bool withinHalfAngle(float facing, float direction, float half) {
    const float lo = std::min(facing, direction);
    const float hi = std::max(facing, direction);
    return hi - lo <= half || std::fabs(360.f - hi + lo) <= half;
}

} // namespace

std::vector<const orv::Entity*> findEntitiesInRadius(orv::World& world, const orv::Entity* centre,
                                                     float radius) {
    const orv::PhysicsSystem& physics = *world.getSystem<orv::PhysicsSystem>();
    const sf::Vector2f c = toVector(bodyOf(centre).GetPosition());
    std::vector<const orv::Entity*> found;
    for (const orv::Entity* candidate : physics.queryAABB(squareAround(c, radius), true)) {
        const b2Body* body = findBody(candidate);
        if (body && lengthOf(toVector(body->GetPosition()) - c) < radius)
            found.push_back(candidate);
    }
    return found;
}

std::vector<const orv::Entity*> findEntitiesInArc(orv::World& world, const orv::Entity* actor, float range,
                                                  float angle) {
    const orv::PhysicsSystem& physics = *world.getSystem<orv::PhysicsSystem>();
    const float half = angle * 0.5f;
    const sf::Vector2f c = toVector(bodyOf(actor).GetWorldCenter());
    const float facing = onCircle(actor->getComponent<OrientationComponent>()->getAngle() + 90.f);

    // The square must hold the whole sector, so it spans the full range on every side.
    std::vector<const orv::Entity*> kept;
    for (const orv::Entity* candidate : physics.queryAABB(squareAround(c, range), true)) {
        const b2Body* body = findBody(candidate);
        if (!body)
            continue;
        const sf::Vector2f d = toVector(body->GetWorldCenter()) - c;
        const float direction = onCircle(std::atan2(d.y, d.x) * 180.f / Pi);
        if (withinHalfAngle(facing, direction, half))
            kept.push_back(candidate);
    }

    // Large bodies whose centre lies outside the sector but that its edges cut through.
    for (const float edge : {facing + half, facing - half}) {
        const float radians = edge * Pi / 180.f;
        const sf::Vector2f end = c + range * sf::Vector2f(std::cos(radians), std::sin(radians));
        for (const orv::Entity* crossed : physics.rayCast(c, end, true)) {
            if (std::find(kept.begin(), kept.end(), crossed) == kept.end())
                kept.push_back(crossed);
        }
    }

    std::vector<const orv::Entity*> found;
    for (const orv::Entity* candidate : kept) {
        if (candidate == actor)
            continue;
        const b2Body* body = findBody(candidate);
        if (body && lengthOf(toVector(body->GetWorldCenter()) - c) <= range)
            found.push_back(candidate);
    }
    return found;
}

sf::Vector2f attackDirection(sf::Vector2f from, sf::Vector2f to, float magnitude) {
    sf::Vector2f d = to - from;
    const float length = lengthOf(d);
    if (length >= MinDirectionLength)
        d /= length;
    return d * magnitude;
}

} // namespace tarsk
