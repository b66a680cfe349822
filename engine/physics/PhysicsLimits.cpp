#include "engine/physics/PhysicsLimits.hpp"

#include "engine/common/Finite.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace orv {

namespace {

constexpr float Pi = 3.1415927f;

void checkWithin(float value, float limit, const char* what, const char* limitText) {
    if (!isFinite(value))
        throw std::runtime_error(std::string("physics: ") + what + " is not finite");
    if (std::fabs(value) > limit)
        throw std::runtime_error(std::string("physics: ") + what + " lies beyond " + limitText);
}

} // namespace

void checkCoordinate(float value, const char* what) {
    checkWithin(value, PhysicsLimits::maxCoordinate, what, "1e6 world units");
}

void checkCoordinate(const b2Vec2& point, const char* what) {
    checkCoordinate(point.x, what);
    checkCoordinate(point.y, what);
}

b2Vec2 clampToBound(const b2Vec2& point, const char* what) {
    if (!isFinite(point))
        throw std::runtime_error(std::string("physics: ") + what + " is not finite");
    constexpr float limit = PhysicsLimits::maxCoordinate;
    return {std::clamp(point.x, -limit, limit), std::clamp(point.y, -limit, limit)};
}

void checkAngleDegrees(float degrees, const char* what) {
    checkWithin(degrees, PhysicsLimits::maxAngleDegrees, what, "1e9 degrees");
}

void checkAngleRadians(float radians, const char* what) {
    checkWithin(radians, PhysicsLimits::maxAngleDegrees * Pi / 180.f, what, "1e9 degrees");
}

void checkMaterial(float value, const char* what) {
    checkWithin(value, PhysicsLimits::maxMaterial, what, "1e6");
}

void checkMotion(const b2Vec2& value, const char* what) {
    checkWithin(value.x, PhysicsLimits::maxMotion, what, "1e12");
    checkWithin(value.y, PhysicsLimits::maxMotion, what, "1e12");
}

float checkedRadians(float degrees, const char* what) {
    checkAngleDegrees(degrees, what);
    // The same float expression the body is made with.
    return degrees * Pi / 180.f;
}

} // namespace orv
