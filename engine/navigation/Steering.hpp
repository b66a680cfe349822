#pragma once

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <optional>
#include <vector>

namespace orv {

// Turns one frame's movement wishes into a force for a physics body. Each frame: update with
// the body's state, add seek or pursuit wishes, then calculate. Every wish adds a desired
// velocity; the force steers the current velocity toward their sum within the limits.
class Steering {
public:
    // maxSpeed must be greater than 0: it is the speed of every wish and divides distances.
    Steering(float maxForce, float maxSpeed, float outputScale, float forceScale);

    void setOutputScale(float scale) { outputScale = scale; }

    // Follows waypoints in order; the last one is approached slowing down within
    // arriveRadius. A waypoint is passed once the agent starts a frame within reachDistance.
    void setPath(std::vector<sf::Vector2f> points, float arriveRadius, float reachDistance);

    void update(sf::Vector2f position, sf::Vector2f velocity);
    void seek(sf::Vector2f target, float arriveRadius);
    void pursue(sf::Vector2f targetPosition, sf::Vector2f targetVelocity, float lookAheadFactor);
    sf::Vector2f calculate(float seconds) const;

    bool hasPath() const { return waypoints.has_value(); }
    const std::optional<std::vector<sf::Vector2f>>& getPath() const { return waypoints; }
    std::uint64_t getCursor() const { return cursor; }
    sf::Vector2f getPosition() const { return position; }
    sf::Vector2f getVelocity() const { return velocity; }
    // The desired velocities added so far this frame.
    sf::Vector2f getDesiredVelocity() const { return force; }

private:
    std::optional<std::vector<sf::Vector2f>> waypoints;
    std::uint64_t cursor = 0;
    float arriveRadius = 0.f;
    float reachDistance = 0.f;
    float forceScale;
    float maxForce;
    float maxSpeed;
    float outputScale;
    sf::Vector2f position;
    sf::Vector2f velocity;
    sf::Vector2f force;
};

} // namespace orv
