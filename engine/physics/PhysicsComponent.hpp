#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "engine/physics/SensorBody.hpp"
#include "engine/physics/SensorBodyDefinition.hpp"
#include "engine/signals/Signal.hpp"

#include <SFML/System/Vector2.hpp>
#include <SFML/System/Vector3.hpp>
#include <box2d/b2_body.h>
#include <box2d/b2_fixture.h>
#include <box2d/b2_shape.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class b2World;

namespace orv {

class Entity;
class TransformationComponent;

// A rigid body for an entity, with optional sensor bodies that travel with it at fixed offsets.
// The component holds only definitions; the physics system of the entity's world makes the
// bodies when the entity arrives and destroys them when it leaves ("in simulation" between).
// Body and transformation follow each other: moving the transformation moves the bodies, and
// after every step the body's position and angle are copied into the transformation. No body
// leaves the square of +-PhysicsLimits::maxCoordinate: one moved or carried past it stops at its
// edge, and so does the transformation from the next step on.
//
// Every body carries its entity as user data, and every fixture this component as its own.
// Contact signals fire from inside the Box2D step,
// where the world is locked: listeners must not move, create or destroy bodies there (moving
// throws std::logic_error) and should defer such work until after the update.
class PhysicsComponent : public SerializableComponent {
public:
    inline static const std::string Name = "physics";

    using u32 = std::uint32_t;
    using EntitySignal = smartsignals::Signal<void(const Entity*)>;
    using EntitySensorSignal = smartsignals::Signal<void(const Entity*, unsigned)>;
    template <class S>
    struct SignalPair {
        S& begin;
        S& end;
    };

    // Definitions Box2D would abort on raise std::runtime_error here already.
    PhysicsComponent(const b2BodyDef& bodyDef, std::unique_ptr<b2Shape>&& shape,
                     const b2FixtureDef& fixtureDef);
    static std::unique_ptr<PhysicsComponent> make(const b2BodyDef& bodyDef, std::unique_ptr<b2Shape>&& shape,
                                                  const b2FixtureDef& fixtureDef);

    // The record stored under "physics"; see BodyJson, FixtureJson and ShapeSerialization.
    static std::unique_ptr<PhysicsComponent> fromJson(const nlohmann::json& data);
    static std::unique_ptr<b2Shape> readShape(const nlohmann::json& data, const std::string& key);

    void onPreInit(Entity* entity) override;
    void onInit() override;
    // From the live body while in simulation (the moving state), else from the definitions.
    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    // Only before the first addition to a simulation. Returns the sensor's index: 0, 1, ...
    u32 registerSensorBody(SensorBodyDefinition definition);

    b2Body* getBody() const { return body; }
    b2Body* getSensorBody(u32 index) const;
    bool isInSimulation() const { return body != nullptr; }

    const b2BodyDef& getBodyDef() const { return bodyDef; }
    const b2FixtureDef& getFixtureDef() const { return fixtureDef; }
    const b2Shape& getShape() const { return *shape; }
    const std::vector<SensorBody>& getSensors() const { return sensors; }

    SignalPair<EntitySignal> getSensorSignal(u32 index);
    SignalPair<EntitySensorSignal> getSensorSensorSignal(u32 index);

    // Checked ways to push the main body: a non-finite vector is refused with
    // std::runtime_error, and without a body there is nothing to push (std::logic_error).
    void setLinearVelocity(const b2Vec2& velocity);
    void applyForceToCenter(const b2Vec2& force);
    void applyLinearImpulseToCenter(const b2Vec2& impulse);

    // Throws what addToSimulation would, before anything is made, so a batch can be checked
    // whole.
    void checkCanBeAdded(const b2World& world) const;
    // Physics system only.
    void addToSimulation(b2World& world, const Entity* entity);
    void removeFromSimulation(b2World& world);
    // The world is being destroyed and takes the bodies with it: forget them, silently.
    void forgetSimulation();
    void syncTransformFromBody();

    // Contact listener only: one call per side of a contact. ownBody is this side's body.
    void emitContactBegin(const Entity* other, const PhysicsComponent* otherComponent, const b2Body* ownBody,
                          const b2Body* otherBody);
    void emitContactEnd(const Entity* other, const PhysicsComponent* otherComponent, const b2Body* ownBody,
                        const b2Body* otherBody);

    // Main body against another entity's main body, and against sensor j of another entity.
    EntitySignal contactBegin;
    EntitySignal contactEnd;
    EntitySensorSignal contactWithSensorBegin;
    EntitySensorSignal contactWithSensorEnd;
    smartsignals::Signal<void()> addedToSimulation;
    smartsignals::Signal<void()> removedFromSimulation;

private:
    struct ContactSignals;

    void dispatchContact(const ContactSignals& signals, const Entity* other,
                         const PhysicsComponent* otherComponent, const b2Body* ownBody,
                         const b2Body* otherBody);
    const SensorBody* findSensor(const b2Body* sensorBody) const;
    b2Body& requireBody(const b2Vec2& value, const char* what) const;
    void checkUnlocked() const;

    void onPositionChanged(const sf::Vector3f& position);
    void onRotationChanged(float degrees);
    void onScaleChanged(sf::Vector2f scale);

    TransformationComponent* transformation = nullptr;
    b2BodyDef bodyDef;
    std::unique_ptr<b2Shape> shape;
    sf::Vector2f shapeScale{1.f, 1.f};
    b2FixtureDef fixtureDef;
    std::vector<SensorBodyDefinition> sensorDefinitions;
    std::vector<SensorBody> sensors;
    bool syncGuard = false;
    // The transformation was moved past the bound and waits for the body's place.
    bool heldAtBound = false;
    b2Body* body = nullptr;
    u32 nextSensorIndex = 0;
    // Keyed by own sensor index: that sensor against another entity's main body / sensor j.
    std::map<unsigned, EntitySignal> sensorContactBegin;
    std::map<unsigned, EntitySignal> sensorContactEnd;
    std::map<unsigned, EntitySensorSignal> sensorSensorContactBegin;
    std::map<unsigned, EntitySensorSignal> sensorSensorContactEnd;
};

} // namespace orv
