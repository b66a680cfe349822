#include "engine/physics/PhysicsComponent.hpp"

#include "engine/common/Finite.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/physics/BodyJson.hpp"
#include "engine/physics/DefinitionValidation.hpp"
#include "engine/physics/FixtureJson.hpp"
#include "engine/physics/PhysicsLimits.hpp"
#include "engine/physics/ShapeSerialization.hpp"
#include "engine/physics/ShapeValidation.hpp"
#include "engine/resources/RequiredJsonValue.hpp"
#include "engine/transform/TransformationComponent.hpp"

#include <box2d/b2_world.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace orv {

namespace {

constexpr float Pi = 3.1415927f;

// Sets the flag for the lifetime of the guard, also when a listener throws.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag(flag) { flag = true; }
    ~FlagGuard() { flag = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& flag;
};

void checkSensorDefinition(const SensorBodyDefinition& definition) {
    checkBodyDefinition(definition.bodyDef);
    if (!std::isfinite(definition.followSlack) || definition.followSlack < 0.f)
        throw std::runtime_error("physics: a sensor's follow slack must be a finite number of at least 0");
    for (const b2FixtureDef& fixture : definition.fixtureDefs) {
        if (fixture.shape == nullptr)
            throw std::runtime_error("physics: sensor fixture has no shape");
        checkFixtureDefinition(fixture);
        checkShape(*fixture.shape);
    }
    std::vector<MassFixture> masses;
    for (const b2FixtureDef& fixture : definition.fixtureDefs)
        masses.push_back({fixture.shape, fixture.density});
    checkBodyMass(definition.bodyDef, masses);
}

// A body the step carried past the bound stops there, as at a wall.
void stopAtBound(b2Body& body) {
    const b2Vec2 position = body.GetPosition();
    const b2Vec2 within = clampToBound(position, "the body's position");
    if (within == position)
        return;
    b2Vec2 velocity = body.GetLinearVelocity();
    if (within.x != position.x)
        velocity.x = 0.f;
    if (within.y != position.y)
        velocity.y = 0.f;
    body.SetTransform(within, body.GetAngle());
    body.SetLinearVelocity(velocity);
}

} // namespace

struct PhysicsComponent::ContactSignals {
    EntitySignal PhysicsComponent::*main;
    EntitySensorSignal PhysicsComponent::*withSensor;
    std::map<unsigned, EntitySignal> PhysicsComponent::*sensorMain;
    std::map<unsigned, EntitySensorSignal> PhysicsComponent::*sensorSensor;
};

PhysicsComponent::PhysicsComponent(const b2BodyDef& bodyDef, std::unique_ptr<b2Shape>&& shape,
                                   const b2FixtureDef& fixtureDef)
    : bodyDef(bodyDef), shape(std::move(shape)), fixtureDef(fixtureDef) {
    if (!this->shape)
        throw std::logic_error("physics: a PhysicsComponent needs a shape");
    checkBodyDefinition(bodyDef);
    checkFixtureDefinition(fixtureDef);
    checkShape(*this->shape);
    checkBodyMass(bodyDef, {{this->shape.get(), fixtureDef.density}});
}

std::unique_ptr<PhysicsComponent> PhysicsComponent::make(const b2BodyDef& bodyDef,
                                                         std::unique_ptr<b2Shape>&& shape,
                                                         const b2FixtureDef& fixtureDef) {
    return std::make_unique<PhysicsComponent>(bodyDef, std::move(shape), fixtureDef);
}

std::unique_ptr<PhysicsComponent> PhysicsComponent::fromJson(const nlohmann::json& data) {
    const b2BodyDef body = readBodyDefinition(data);
    const b2FixtureDef fixture = readFixtureDefinition(data);
    return make(body, readShape(data, "shape"), fixture);
}

std::unique_ptr<b2Shape> PhysicsComponent::readShape(const nlohmann::json& data, const std::string& key) {
    return deserializeShape(getRequiredJsonValue<nlohmann::json>(data, key));
}

void PhysicsComponent::onPreInit(Entity* entity) {
    transformation = entity->getComponent<TransformationComponent>();
}

void PhysicsComponent::onInit() {
    // Plain connections: the transformation belongs to the same entity and dies with it.
    transformation->getPositionChangedSignal().connect(this, &PhysicsComponent::onPositionChanged);
    transformation->getRotationChangedSignal().connect(this, &PhysicsComponent::onRotationChanged);
    transformation->getScaleChangedSignal().connect(this, &PhysicsComponent::onScaleChanged);
}

nlohmann::json PhysicsComponent::toJsonData() const {
    nlohmann::json record = nlohmann::json::object();
    writeBodyDefinition(body ? snapshotBody(*body) : bodyDef, record);
    writeFixtureDefinition(fixtureDef, record);
    record["shape"] = serializeShape(*shape);
    return record;
}

PhysicsComponent::u32 PhysicsComponent::registerSensorBody(SensorBodyDefinition definition) {
    if (body)
        throw std::runtime_error(
            "cannot register sensor body after PhysicsComponent has been added to simulation");
    checkSensorDefinition(definition);
    sensorDefinitions.push_back(std::move(definition));
    return nextSensorIndex++;
}

b2Body* PhysicsComponent::getSensorBody(u32 index) const {
    auto it = std::find_if(sensors.begin(), sensors.end(),
                           [index](const SensorBody& s) { return s.index == index; });
    return it == sensors.end() ? nullptr : it->body;
}

PhysicsComponent::SignalPair<PhysicsComponent::EntitySignal> PhysicsComponent::getSensorSignal(u32 index) {
    return {sensorContactBegin[index], sensorContactEnd[index]};
}

PhysicsComponent::SignalPair<PhysicsComponent::EntitySensorSignal>
PhysicsComponent::getSensorSensorSignal(u32 index) {
    return {sensorSensorContactBegin[index], sensorSensorContactEnd[index]};
}

b2Body& PhysicsComponent::requireBody(const b2Vec2& value, const char* what) const {
    checkMotion(value, what);
    if (!body)
        throw std::logic_error("physics: the PhysicsComponent is not in simulation");
    return *body;
}

void PhysicsComponent::setLinearVelocity(const b2Vec2& velocity) {
    requireBody(velocity, "linear velocity").SetLinearVelocity(velocity);
}

void PhysicsComponent::applyForceToCenter(const b2Vec2& force) {
    requireBody(force, "force").ApplyForceToCenter(force, true);
}

void PhysicsComponent::applyLinearImpulseToCenter(const b2Vec2& impulse) {
    requireBody(impulse, "impulse").ApplyLinearImpulseToCenter(impulse, true);
}

void PhysicsComponent::checkCanBeAdded(const b2World& world) const {
    if (body)
        throw std::logic_error("physics: the PhysicsComponent is already in simulation");
    if (world.IsLocked())
        throw std::logic_error("physics: bodies cannot be created while the physics world is stepping");
    if (!transformation)
        throw std::logic_error("physics: the PhysicsComponent's entity is not initialised");
    const sf::Vector2f position = transformation->getPositionXY();
    checkCoordinate({position.x, position.y}, "the entity's position");
    checkedRadians(transformation->getRotation(), "the entity's rotation");
    // Sums formed in float, as the sensor bodies are placed.
    for (const SensorBodyDefinition& sensor : sensorDefinitions)
        checkCoordinate({position.x + sensor.bodyDef.position.x, position.y + sensor.bodyDef.position.y},
                        "a sensor's position");
    // Checked before any body exists, so a refused addition leaves nothing behind.
    if (transformation->getScale() != shapeScale)
        throw std::runtime_error("shape scaling other than {1.f, 1.f} is currently not supported");
}

void PhysicsComponent::addToSimulation(b2World& world, const Entity* entity) {
    checkCanBeAdded(world);
    const sf::Vector2f position = transformation->getPositionXY();
    const auto userData = reinterpret_cast<uintptr_t>(entity);

    bodyDef.userData.pointer = userData;
    bodyDef.position.Set(position.x, position.y);
    bodyDef.angle = checkedRadians(transformation->getRotation(), "the entity's rotation");
    body = world.CreateBody(&bodyDef);
    fixtureDef.shape = shape.get();
    fixtureDef.userData.pointer = reinterpret_cast<uintptr_t>(this);
    body->CreateFixture(&fixtureDef);

    for (u32 i = 0; i < sensorDefinitions.size(); ++i) {
        const SensorBodyDefinition& definition = sensorDefinitions[i];
        b2BodyDef def = definition.bodyDef;
        def.position.Set(position.x + definition.bodyDef.position.x,
                         position.y + definition.bodyDef.position.y);
        def.angle = body->GetAngle();
        def.userData.pointer = userData;
        b2Body* sensorBody = world.CreateBody(&def);
        for (b2FixtureDef fixture : definition.fixtureDefs) {
            fixture.isSensor = true;
            fixture.userData.pointer = reinterpret_cast<uintptr_t>(this);
            sensorBody->CreateFixture(&fixture);
        }
        sensors.push_back({{definition.bodyDef.position.x, definition.bodyDef.position.y},
                           i,
                           sensorBody,
                           definition.followSlack});
    }
    addedToSimulation.emit();
}

void PhysicsComponent::removeFromSimulation(b2World& world) {
    if (body) {
        world.DestroyBody(body);
        body = nullptr;
    }
    // Destroyed before the list is cleared: contacts ended by the destruction still find them.
    for (const SensorBody& sensor : sensors)
        world.DestroyBody(sensor.body);
    sensors.clear();
    removedFromSimulation.emit();
}

void PhysicsComponent::forgetSimulation() {
    body = nullptr;
    sensors.clear();
}

void PhysicsComponent::syncTransformFromBody() {
    if (!body)
        return;
    // A body at rest (every static one, every sleeper) has not moved since it was last copied,
    // unless it was held at the bound; an awake one reports its place every step, moved or not,
    // for whoever follows it.
    if (!body->IsAwake() && !heldAtBound)
        return;
    heldAtBound = false;
    stopAtBound(*body);
    FlagGuard guard(syncGuard);
    const b2Vec2& position = body->GetPosition();
    transformation->setPositionXY({position.x, position.y});
    transformation->setRotation(body->GetAngle() * 180.f / Pi);
}

void PhysicsComponent::checkUnlocked() const {
    if (body->GetWorld()->IsLocked())
        throw std::logic_error("physics: bodies cannot be moved while the physics world is stepping");
}

void PhysicsComponent::onPositionChanged(const sf::Vector3f& position) {
    if (!body)
        return;
    const b2Vec2 wanted(position.x, position.y);
    const b2Vec2 target = clampToBound(wanted, "the entity's new position");
    checkUnlocked();
    if (!syncGuard) {
        body->SetTransform(target, body->GetAngle());
        // A place past the bound reaches the transformation with the next step.
        heldAtBound = !(target == wanted);
    }
    // Sensors follow also when the body itself wrote the position. One that is already there,
    // or within its slack, stays untouched: every moved sensor is paired anew with all it
    // overlaps at the next step.
    for (const SensorBody& sensor : sensors) {
        const b2Vec2 sensorTarget =
            clampToBound(target + b2Vec2(sensor.offset.x, sensor.offset.y), "a sensor's new position");
        if ((sensorTarget - sensor.body->GetPosition()).LengthSquared() >
            sensor.followSlack * sensor.followSlack)
            sensor.body->SetTransform(sensorTarget, sensor.body->GetAngle());
    }
}

void PhysicsComponent::onRotationChanged(float degrees) {
    if (syncGuard || !body)
        return;
    const float radians = checkedRadians(degrees, "the entity's new rotation");
    checkUnlocked();
    body->SetTransform(body->GetPosition(), radians);
}

void PhysicsComponent::onScaleChanged(sf::Vector2f) {
    if (body)
        throw std::runtime_error(
            "PhysicsComponent: entity shape scaling while added to simulation is currently not supported");
}

const SensorBody* PhysicsComponent::findSensor(const b2Body* sensorBody) const {
    auto it = std::find_if(sensors.begin(), sensors.end(),
                           [sensorBody](const SensorBody& s) { return s.body == sensorBody; });
    return it == sensors.end() ? nullptr : &*it;
}

void PhysicsComponent::emitContactBegin(const Entity* other, const PhysicsComponent* otherComponent,
                                        const b2Body* ownBody, const b2Body* otherBody) {
    static const ContactSignals begin{
        &PhysicsComponent::contactBegin, &PhysicsComponent::contactWithSensorBegin,
        &PhysicsComponent::sensorContactBegin, &PhysicsComponent::sensorSensorContactBegin};
    dispatchContact(begin, other, otherComponent, ownBody, otherBody);
}

void PhysicsComponent::emitContactEnd(const Entity* other, const PhysicsComponent* otherComponent,
                                      const b2Body* ownBody, const b2Body* otherBody) {
    static const ContactSignals end{&PhysicsComponent::contactEnd, &PhysicsComponent::contactWithSensorEnd,
                                    &PhysicsComponent::sensorContactEnd,
                                    &PhysicsComponent::sensorSensorContactEnd};
    dispatchContact(end, other, otherComponent, ownBody, otherBody);
}

// A main fixture flagged as a sensor still counts as the main body here; "sensor" means one of
// the extra sensor bodies. Touching one's own sensor reaches us once, from the main body's side.
void PhysicsComponent::dispatchContact(const ContactSignals& signals, const Entity* other,
                                       const PhysicsComponent* otherComponent, const b2Body* ownBody,
                                       const b2Body* otherBody) {
    if (otherBody == body)
        return;
    const bool otherIsMain = otherBody == otherComponent->body;
    const SensorBody* otherSensor = otherIsMain ? nullptr : otherComponent->findSensor(otherBody);
    if (!otherIsMain && !otherSensor)
        return; // a body the other component does not know (any more)

    if (ownBody == body) {
        if (otherIsMain)
            (this->*signals.main).emit(other);
        else
            (this->*signals.withSensor).emit(other, otherSensor->index);
        return;
    }
    const SensorBody* ownSensor = findSensor(ownBody);
    if (!ownSensor)
        return;
    if (otherIsMain)
        (this->*signals.sensorMain)[ownSensor->index].emit(other);
    else
        (this->*signals.sensorSensor)[ownSensor->index].emit(other, otherSensor->index);
}

} // namespace orv
