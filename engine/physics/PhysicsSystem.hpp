#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "engine/physics/PhysicsContactListener.hpp"
#include "engine/physics/PhysicsDebugDraw.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/signals/Signal.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>
#include <box2d/b2_world.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace orv {

class Entity;
class PhysicsComponent;
class World;

// The Box2D world of one orv::World, seen from above (no gravity). Entities with a physics
// component get their bodies when they enter the world and lose them when they leave; each
// update steps the world once and copies the bodies back into the transformations. Nothing of
// the Box2D world is saved.
//
// Entities whose bodies cannot be made are refused before the world takes them. Bodies cannot
// be made or destroyed while Box2D is busy (stepping, or destroying a body and reporting the
// contacts that end with it): entities entering or leaving then raise std::logic_error. Exceptions from
// contact listeners are held back until Box2D is done and then rethrown by the call that ran it.
class PhysicsSystem : public SerializableSystem_template<System_base<World>> {
public:
    inline static const std::string TypeName = "PhysicsSystem";
    // The longest step: a slow frame slows the simulation rather than taking one large step.
    static constexpr float MaxStepSeconds = 0.03333333f;

    PhysicsSystem();
    ~PhysicsSystem() override;

    // Its factory: there is nothing to read.
    static std::unique_ptr<PhysicsSystem> create(const nlohmann::json& data);

    void onPreInit(World* owner) override;
    void onInit() override;
    void onUpdate() override;
    const std::string& getSystemTypeName() const override { return TypeName; }

    // The next step lasts min(frame time, 1/30 s); a negative frame time steps by zero.
    void setTimeStep(sf::Time frameTime);
    const sf::Time& getStepTime() const { return timeStep; }

    // Entities with a fixture whose bounding box overlaps the rectangle (world units; a negative
    // width or height extends it the other way). Each entity once, in pointer order. Both
    // queries look only within +-PhysicsLimits::maxCoordinate; a non-finite one throws.
    std::vector<const Entity*> queryAABB(sf::FloatRect rectangle, bool skipSensors) const;
    // Entities with a fixture anywhere on the segment. Equal end points cross nothing.
    std::vector<const Entity*> rayCast(sf::Vector2f from, sf::Vector2f to, bool skipSensors) const;
    // Every shape as an SFML object in pixels, owned by the caller.
    std::vector<std::unique_ptr<sf::Drawable>> debugDraw();

    std::vector<const Entity*> getSimulatedEntities() const { return simulated.entities(); }
    b2World& getB2World() { return b2world; }
    const b2World& getB2World() const { return b2world; }

    // After a batch of arriving or leaving entities that held at least one static main body.
    smartsignals::Signal<void()> staticBodiesChanged;

private:
    // Throws what adding the batch would, before the world takes it: a refused batch stays
    // with its caller and leaves no body behind.
    std::vector<std::pair<const Entity*, PhysicsComponent*>>
    checkArriving(const std::vector<const Entity*>& batch) const;
    void onEntitiesAdded(const std::vector<const Entity*>& batch);
    void onEntitiesRemoved(const std::vector<const Entity*>& batch);
    void checkNotBusy() const;

    World* world = nullptr;
    b2Vec2 gravity{0.f, 0.f};
    // Before the world, so the world (which may still point at it) goes first.
    PhysicsContactListener contactListener;
    b2World b2world;
    int velocityIterations = 8;
    int positionIterations = 3;
    // The entities whose body is in this world, listed once their body is made.
    EntityTracker<PhysicsComponent> simulated;
    std::unique_ptr<PhysicsDebugDraw> debugDrawer;
    sf::Time timeStep = sf::Time::Zero;
    // True while Box2D destroys bodies and may call back into listeners.
    bool destroying = false;
    smartsignals::ScopedConnections connections;
};

} // namespace orv
