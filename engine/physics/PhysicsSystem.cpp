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
#include <optional>
#include <stdexcept>
#include <unordered_set>
#include <utility>

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

// The part of a finite segment inside the bound's square, or nothing when it passes outside.
// Worked in double, where no difference of two floats overflows.
std::optional<std::pair<b2Vec2, b2Vec2>> clipToBound(sf::Vector2f from, sf::Vector2f to) {
    const double limit = PhysicsLimits::maxCoordinate;
    const double start[2] = {from.x, from.y};
    const double span[2] = {double(to.x) - from.x, double(to.y) - from.y};
    double enter = 0.0;
    double leave = 1.0;
    for (int axis = 0; axis < 2; ++axis) {
        if (span[axis] == 0.0) {
            if (std::fabs(start[axis]) > limit)
                return std::nullopt;
            continue;
        }
        const double a = (-limit - start[axis]) / span[axis];
        const double b = (limit - start[axis]) / span[axis];
        enter = std::max(enter, std::min(a, b));
        leave = std::min(leave, std::max(a, b));
    }
    if (enter > leave)
        return std::nullopt;
    const auto at = [&](double t) {
        return clampToBound({float(start[0] + t * span[0]), float(start[1] + t * span[1])}, "the ray");
    };
    return std::pair{at(enter), at(leave)};
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
    // Corners formed in float.
    const b2Vec2 corner(rectangle.left, rectangle.top);
    const b2Vec2 opposite(rectangle.left + rectangle.width, rectangle.top + rectangle.height);
    if (!isFinite(corner) || !isFinite(opposite))
        throw std::runtime_error("physics: the query rectangle is not finite");
    const b2Vec2 lower = b2Min(corner, opposite);
    const b2Vec2 upper = b2Max(corner, opposite);
    constexpr float limit = PhysicsLimits::maxCoordinate;
    if (lower.x > limit || lower.y > limit || upper.x < -limit || upper.y < -limit)
        return {};
    b2AABB box;
    box.lowerBound = clampToBound(lower, "the query rectangle");
    box.upperBound = clampToBound(upper, "the query rectangle");
    PhysicsAABBCallback callback(skipSensors);
    b2world.QueryAABB(&callback, box);
    return entitiesOf(callback.getBodies());
}

std::vector<const Entity*> PhysicsSystem::rayCast(sf::Vector2f from, sf::Vector2f to,
                                                  bool skipSensors) const {
    if (!isFinite(from) || !isFinite(to))
        throw std::runtime_error("physics: the ray is not finite");
    const std::optional<std::pair<b2Vec2, b2Vec2>> clipped = clipToBound(from, to);
    if (!clipped)
        return {};
    const auto [p1, p2] = *clipped;
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
