#include "engine/physics/PhysicsSystem.hpp"

#include "engine/common/Finite.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsAABBCallback.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsLimits.hpp"
#include "engine/physics/PhysicsRaycastCallback.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <unordered_set>

namespace orv {

namespace {

std::vector<const Entity*> entitiesOf(const std::vector<b2Body*>& bodies) {
    std::vector<const Entity*> entities;
    entities.reserve(bodies.size());
    for (const b2Body* body : bodies) {
        if (const Entity* entity = PhysicsContactListener::entityOf(body))
            entities.push_back(entity);
    }
    std::sort(entities.begin(), entities.end());
    entities.erase(std::unique(entities.begin(), entities.end()), entities.end());
    return entities;
}

// Keeps the first exception of a loop that carries on past failures.
struct FirstError {
    std::exception_ptr error;

    template <class F>
    void run(F&& f) {
        try {
            f();
        } catch (...) {
            if (!error)
                error = std::current_exception();
        }
    }
    void merge(std::exception_ptr other) {
        if (!error)
            error = other;
    }
    void rethrow() const {
        if (error)
            std::rethrow_exception(error);
    }
};

} // namespace

PhysicsSystem::PhysicsSystem()
    : SerializableSystem_template<System_base<World>>(0), b2world(gravity),
      debugDrawer(std::make_unique<PhysicsDebugDraw>()) {
    debugDrawer->SetFlags(b2Draw::e_shapeBit);
}

PhysicsSystem::~PhysicsSystem() {
    // The Box2D world frees every body with itself; the components must not keep pointers.
    for (const auto& entry : simulated)
        entry.component->forgetSimulation();
}

std::unique_ptr<PhysicsSystem> PhysicsSystem::create(const nlohmann::json&) {
    return std::make_unique<PhysicsSystem>();
}

void PhysicsSystem::onPreInit(World* owner) {
    world = owner;
    b2world.SetContactListener(&contactListener);
}

void PhysicsSystem::onInit() {
    world->getEntitiesArrivingSignal().connectTracked(
        connections, [this](const std::vector<const Entity*>& batch) { checkArriving(batch); });
    world->getEntitiesAddedSignal().connectTracked(
        connections, [this](const std::vector<const Entity*>& batch) { onEntitiesAdded(batch); });
    world->getEntitiesRemovedSignal().connectTracked(
        connections, [this](const std::vector<const Entity*>& batch) { onEntitiesRemoved(batch); });
}

void PhysicsSystem::checkNotBusy() const {
    if (b2world.IsLocked() || destroying)
        throw std::logic_error("physics: entities cannot enter or leave while the physics world is stepping");
}

std::vector<std::pair<const Entity*, PhysicsComponent*>>
PhysicsSystem::checkArriving(const std::vector<const Entity*>& batch) const {
    checkNotBusy();
    std::vector<std::pair<const Entity*, PhysicsComponent*>> arriving;
    for (const Entity* entity : batch) {
        PhysicsComponent* component = entity->findComponent<PhysicsComponent>();
        if (!component)
            continue;
        // Announced twice: it already has its body here.
        if (component->isInSimulation() && component->getBody()->GetWorld() == &b2world)
            continue;
        component->checkCanBeAdded(b2world);
        arriving.emplace_back(entity, component);
    }
    return arriving;
}

void PhysicsSystem::onEntitiesAdded(const std::vector<const Entity*>& batch) {
    // Checked already before the batch went in; again here, for batches announced otherwise.
    const auto arriving = checkArriving(batch);

    bool staticBody = false;
    FirstError errors;
    for (auto [entity, component] : arriving) {
        errors.run([&] { component->addToSimulation(b2world, entity); });
        if (!component->isInSimulation())
            continue;
        staticBody = staticBody || component->getBody()->GetType() == b2_staticBody;
        simulated.add(entity);
    }
    if (staticBody)
        errors.run([&] { staticBodiesChanged.emit(); });
    errors.rethrow();
}

void PhysicsSystem::onEntitiesRemoved(const std::vector<const Entity*>& batch) {
    checkNotBusy();
    bool staticBody = false;
    FirstError errors;
    destroying = true;
    for (const Entity* entity : batch) {
        PhysicsComponent* component = entity->findComponent<PhysicsComponent>();
        if (!component || !component->isInSimulation() || component->getBody()->GetWorld() != &b2world)
            continue;
        staticBody = staticBody || component->getBody()->GetType() == b2_staticBody;
        errors.run([&] { component->removeFromSimulation(b2world); });
    }
    destroying = false;
    errors.merge(contactListener.takeDeferred());

    simulated.remove(batch);
    if (staticBody)
        errors.run([&] { staticBodiesChanged.emit(); });
    errors.rethrow();
}

void PhysicsSystem::onUpdate() {
    b2world.Step(timeStep.asSeconds(), velocityIterations, positionIterations);
    const std::exception_ptr contactError = contactListener.takeDeferred();
    // A listener of a transformation may make entities leave meanwhile.
    simulated.forEach([](const Entity*, PhysicsComponent& component) { component.syncTransformFromBody(); });
    if (contactError)
        std::rethrow_exception(contactError);
}

void PhysicsSystem::setTimeStep(sf::Time frameTime) {
    timeStep = std::clamp(frameTime, sf::Time::Zero, sf::seconds(MaxStepSeconds));
}

std::vector<const Entity*> PhysicsSystem::queryAABB(sf::FloatRect rectangle, bool skipSensors) const {
    const sf::Vector2f corner(rectangle.left, rectangle.top);
    const sf::Vector2f opposite(rectangle.left + rectangle.width, rectangle.top + rectangle.height);
    if (!isFinite(corner) || !isFinite(opposite))
        throw std::runtime_error("physics: the query rectangle is not finite");
    checkCoordinate({corner.x, corner.y}, "the query rectangle");
    checkCoordinate({opposite.x, opposite.y}, "the query rectangle");
    b2AABB box;
    box.lowerBound.Set(std::min(corner.x, opposite.x), std::min(corner.y, opposite.y));
    box.upperBound.Set(std::max(corner.x, opposite.x), std::max(corner.y, opposite.y));
    PhysicsAABBCallback callback(skipSensors);
    b2world.QueryAABB(&callback, box);
    return entitiesOf(callback.getBodies());
}

std::vector<const Entity*> PhysicsSystem::rayCast(sf::Vector2f from, sf::Vector2f to,
                                                  bool skipSensors) const {
    if (!isFinite(from) || !isFinite(to))
        throw std::runtime_error("physics: the ray is not finite");
    // Box2D forms the ray's direction and length in float.
    checkCoordinate({from.x, from.y}, "the ray");
    checkCoordinate({to.x, to.y}, "the ray");
    const b2Vec2 p1(from.x, from.y);
    const b2Vec2 p2(to.x, to.y);
    // The same float test Box2D asserts on: a ray of no length crosses nothing.
    if (!((p2 - p1).LengthSquared() > 0.f))
        return {};
    PhysicsRaycastCallback callback(skipSensors);
    b2world.RayCast(&callback, p1, p2);
    return entitiesOf(callback.getBodies());
}

std::vector<std::unique_ptr<sf::Drawable>> PhysicsSystem::debugDraw() {
    std::vector<std::unique_ptr<sf::Drawable>> shapes;
    debugDrawer->setTarget(&shapes);
    b2world.SetDebugDraw(debugDrawer.get());
    b2world.DebugDraw();
    debugDrawer->setTarget(nullptr);
    return shapes;
}

} // namespace orv
