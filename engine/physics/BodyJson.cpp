#include "engine/physics/BodyJson.hpp"

#include "engine/physics/PhysicsJsonValues.hpp"
#include "engine/resources/RequiredJsonValue.hpp"

#include <cmath>

namespace orv {

namespace {

const std::string PositionX = "body->GetTransform().position.x";
const std::string PositionY = "body->GetTransform().position.y";
const std::string Angle = "body->GetTransform().angle";
const std::string AngularDamping = "body->GetAngularDamping()";
const std::string AngularVelocity = "body->GetAngularVelocity()";
const std::string GravityScale = "body->GetGravityScale()";
const std::string LinearDamping = "body->GetLinearDamping()";
const std::string LinearVelocityX = "body->GetLinearVelocity().x";
const std::string LinearVelocityY = "body->GetLinearVelocity().y";
const std::string Type = "body->GetType()";
const std::string Enabled = "body->IsEnabled()";
const std::string Awake = "body->IsAwake()";
const std::string Bullet = "body->IsBullet()";
const std::string FixedRotation = "body->IsFixedRotation()";
const std::string SleepingAllowed = "body->IsSleepingAllowed()";

} // namespace

b2BodyDef readBodyDefinition(const nlohmann::json& data) {
    b2BodyDef def;
    readOptional(data, PositionX, def.position.x);
    readOptional(data, PositionY, def.position.y);
    readOptional(data, Angle, def.angle);
    readOptional(data, AngularDamping, def.angularDamping);
    readOptional(data, AngularVelocity, def.angularVelocity);
    readOptional(data, GravityScale, def.gravityScale);
    readOptional(data, LinearDamping, def.linearDamping);
    readOptional(data, LinearVelocityX, def.linearVelocity.x);
    readOptional(data, LinearVelocityY, def.linearVelocity.y);
    const auto type = getRequiredJsonValue<nlohmann::json>(data, Type);
    def.type = static_cast<b2BodyType>(jsonToInteger(type, Type, b2_staticBody, b2_dynamicBody));
    readOptional(data, Enabled, def.enabled);
    readOptional(data, Awake, def.awake);
    readOptional(data, Bullet, def.bullet);
    readOptional(data, FixedRotation, def.fixedRotation);
    readOptional(data, SleepingAllowed, def.allowSleep);
    return def;
}

void writeBodyDefinition(const b2BodyDef& def, nlohmann::json& record) {
    record[PositionX] = double(def.position.x);
    record[PositionY] = double(def.position.y);
    record[Angle] = double(def.angle);
    record[AngularDamping] = double(def.angularDamping);
    record[AngularVelocity] = double(def.angularVelocity);
    record[GravityScale] = double(def.gravityScale);
    record[LinearDamping] = double(def.linearDamping);
    record[LinearVelocityX] = double(def.linearVelocity.x);
    record[LinearVelocityY] = double(def.linearVelocity.y);
    record[Type] = static_cast<int>(def.type);
    record[Enabled] = def.enabled;
    record[Awake] = def.awake;
    record[Bullet] = def.bullet;
    record[FixedRotation] = def.fixedRotation;
    record[SleepingAllowed] = def.allowSleep;
}

b2BodyDef snapshotBody(const b2Body& body) {
    b2BodyDef def;
    const b2Transform& xf = body.GetTransform();
    def.position = xf.p;
    def.angle = std::atan2(xf.q.s, xf.q.c);
    def.angularDamping = body.GetAngularDamping();
    def.angularVelocity = body.GetAngularVelocity();
    def.gravityScale = body.GetGravityScale();
    def.linearDamping = body.GetLinearDamping();
    def.linearVelocity = body.GetLinearVelocity();
    def.type = body.GetType();
    def.enabled = body.IsEnabled();
    def.awake = body.IsAwake();
    def.bullet = body.IsBullet();
    def.fixedRotation = body.IsFixedRotation();
    def.allowSleep = body.IsSleepingAllowed();
    return def;
}

} // namespace orv
