#include "engine/navigation/Steering.hpp"

#include "engine/common/Finite.hpp"
#include "engine/navigation/VectorMath.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace orv {

namespace {

// A NaN or infinite wish would end up in the physics world, which aborts on it.
void requireFinite(sf::Vector2f v, const char* message) {
    if (!isFinite(v))
        throw std::invalid_argument(message);
}

} // namespace

Steering::Steering(float maxForce, float maxSpeed, float outputScale, float forceScale)
    : forceScale(forceScale), maxForce(maxForce), maxSpeed(maxSpeed), outputScale(outputScale) {
    if (!(maxSpeed > 0.f) || !isFinite(maxSpeed))
        throw std::invalid_argument("Steering: maxSpeed must be greater than 0");
}

void Steering::setPath(std::vector<sf::Vector2f> points, float arrive, float reach) {
    if (!std::ranges::all_of(points, [](sf::Vector2f p) { return isFinite(p); }))
        throw std::invalid_argument("Steering::setPath: waypoints must be finite");
    waypoints = std::move(points);
    arriveRadius = arrive;
    reachDistance = reach;
    cursor = 0;
}

void Steering::update(sf::Vector2f newPosition, sf::Vector2f newVelocity) {
    position = newPosition;
    velocity = newVelocity;
    force = {};
    if (!waypoints)
        return;
    if (cursor >= waypoints->size()) {
        waypoints.reset();
        return;
    }
    const sf::Vector2f waypoint = (*waypoints)[cursor];
    const bool lastWaypoint = cursor + 1 == waypoints->size();
    const float distance = vecmath::distance(position, waypoint);
    seek(waypoint, lastWaypoint ? arriveRadius : 0.f);
    if (reachDistance > distance)
        ++cursor;
}

void Steering::seek(sf::Vector2f target, float arrive) {
    requireFinite(target, "Steering::seek: target must be finite");
    const sf::Vector2f toTarget = target - position;
    const float distance = vecmath::length(toTarget);
    const sf::Vector2f direction = vecmath::unit(toTarget);
    if (arrive > 0.f && distance <= arrive)
        force += direction * (distance / arrive * maxSpeed);
    else
        force += direction * maxSpeed;
}

void Steering::pursue(sf::Vector2f targetPosition, sf::Vector2f targetVelocity, float lookAheadFactor) {
    requireFinite(targetPosition, "Steering::pursue: target must be finite");
    requireFinite(targetVelocity, "Steering::pursue: target must be finite");
    if (!isFinite(lookAheadFactor))
        throw std::invalid_argument("Steering::pursue: look-ahead factor must be finite");
    const float time = vecmath::distance(position, targetPosition) / maxSpeed * lookAheadFactor;
    const sf::Vector2f aim = targetPosition + targetVelocity * time;
    force += vecmath::unit(aim - position) * maxSpeed;
}

sf::Vector2f Steering::calculate(float seconds) const {
    // No time to act in: dividing by it below would hand the body an infinite force.
    if (!(seconds > 0.f) || !(vecmath::length(force) > 0.f))
        return {};
    sf::Vector2f result = force * forceScale;
    const sf::Vector2f reached = velocity + result * seconds;
    if (vecmath::length(reached) > maxSpeed)
        result = (vecmath::unit(reached) * maxSpeed - velocity) / seconds;
    if (vecmath::length(result) > maxForce)
        result = vecmath::unit(result) * maxForce;
    return result * outputScale;
}

} // namespace orv
