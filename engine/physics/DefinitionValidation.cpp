#include "engine/physics/DefinitionValidation.hpp"

#include "engine/common/Finite.hpp"
#include "engine/physics/PhysicsLimits.hpp"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace orv {

namespace {

void checkFinite(float value, const char* what) {
    if (!isFinite(value))
        throw std::runtime_error(std::string("physics: ") + what + " is not finite");
}

void checkNotNegative(float value, const char* what) {
    checkFinite(value, what);
    if (value < 0)
        throw std::runtime_error(std::string("physics: ") + what + " must not be negative");
}

std::string shortNumber(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", double(value));
    return text;
}

} // namespace

void checkBodyDefinition(const b2BodyDef& def) {
    // Read as bytes: an enum holding none of its values must not even be loaded as one.
    std::underlying_type_t<b2BodyType> type;
    std::memcpy(&type, &def.type, sizeof type);
    if (type != b2_staticBody && type != b2_kinematicBody && type != b2_dynamicBody)
        throw std::runtime_error("physics: body type must be 0, 1 or 2");
    checkCoordinate(def.position, "body position");
    checkAngleRadians(def.angle, "body angle");
    checkMotion(def.linearVelocity, "linear velocity");
    checkMotion({def.angularVelocity, 0.f}, "angular velocity");
    checkMaterial(def.gravityScale, "gravity scale");
    checkNotNegative(def.linearDamping, "linear damping");
    checkNotNegative(def.angularDamping, "angular damping");
}

void checkFixtureDefinition(const b2FixtureDef& def) {
    checkNotNegative(def.friction, "friction");
    checkNotNegative(def.density, "density");
    checkNotNegative(def.restitution, "restitution");
    checkNotNegative(def.restitutionThreshold, "restitution threshold");
    checkMaterial(def.friction, "friction");
    checkMaterial(def.density, "density");
    checkMaterial(def.restitution, "restitution");
}

void checkBodyMass(const b2BodyDef& def, const std::vector<MassFixture>& fixtures) {
    if (def.type != b2_dynamicBody)
        return;
    float mass = 0;
    float inertia = 0;
    b2Vec2 weighted(0, 0);
    for (const MassFixture& fixture : fixtures) {
        if (fixture.density == 0)
            continue;
        b2MassData data;
        fixture.shape->ComputeMass(&data, fixture.density);
        mass += data.mass;
        weighted += data.mass * data.center;
        inertia += data.I;
    }
    // Box2D gives a massless body a mass of 1; a tiny one moves by the inverse of its mass.
    if (mass > 0 && !(mass >= PhysicsLimits::minMass))
        throw std::runtime_error("physics: the body's mass " + shortNumber(mass) + " lies below " +
                                 shortNumber(PhysicsLimits::minMass) + ": its density is too small");
    if (def.fixedRotation || mass <= 0 || inertia <= 0)
        return;
    const b2Vec2 centre = (1.f / mass) * weighted;
    const float aboutCentre = inertia - mass * b2Dot(centre, centre);
    // Float rounding stays orders of magnitude below this share.
    if (!(aboutCentre > 1e-5f * inertia))
        throw std::runtime_error("physics: the body's shapes lie too far from its origin for their size");
}

} // namespace orv
