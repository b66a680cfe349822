#pragma once

#include <box2d/b2_math.h>

namespace orv {

// Box2D computes in float and asserts (ending the process) when a value it derives is no longer
// finite: a finite angle in degrees that overflows once turned into radians, a vertex whose
// squared distances, cross products or inertia overflow, a position plus an offset. Finiteness
// of what is handed over is not enough. Every value that reaches Box2D is kept inside these
// bounds, which leave every product Box2D forms from them (up to the fourth power of a
// coordinate times a density) far inside float's range.
struct PhysicsLimits {
    // Positions, offsets, vertices and radii, in world units (1000 km).
    static constexpr float maxCoordinate = 1e6f;
    // Angles, in degrees (about 2.8 million turns).
    static constexpr float maxAngleDegrees = 1e9f;
    // Density, friction and restitution.
    static constexpr float maxMaterial = 1e6f;
    // Velocities, forces and impulses, per component.
    static constexpr float maxMotion = 1e12f;
    // The least mass of a dynamic body with any density: a force at its limit, divided by it,
    // still leaves velocities far inside float's range.
    static constexpr float minMass = 1e-6f;
};

// Each throws std::runtime_error "physics: <what> is not finite", or "... lies beyond <limit>".
void checkCoordinate(float value, const char* what);
void checkCoordinate(const b2Vec2& point, const char* what);
void checkAngleDegrees(float degrees, const char* what);
void checkAngleRadians(float radians, const char* what);
void checkMaterial(float value, const char* what);
void checkMotion(const b2Vec2& value, const char* what);

// Where a place found at run time (a move, a step, a query) is kept: each axis clamped to
// +-maxCoordinate. A non-finite point still throws, as checkCoordinate does.
b2Vec2 clampToBound(const b2Vec2& point, const char* what);

// The radians Box2D gets for a rotation in degrees, checked as Box2D will see them.
float checkedRadians(float degrees, const char* what);

} // namespace orv
