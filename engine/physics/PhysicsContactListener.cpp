#include "engine/physics/PhysicsContactListener.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/physics/PhysicsComponent.hpp"

#include <box2d/b2_body.h>
#include <box2d/b2_contact.h>
#include <box2d/b2_fixture.h>

#include <utility>

namespace orv {

const Entity* PhysicsContactListener::entityOf(const b2Body* body) {
    return reinterpret_cast<const Entity*>(const_cast<b2Body*>(body)->GetUserData().pointer);
}

void PhysicsContactListener::BeginContact(b2Contact* contact) {
    dispatch(contact, true);
}

void PhysicsContactListener::EndContact(b2Contact* contact) {
    dispatch(contact, false);
}

std::exception_ptr PhysicsContactListener::takeDeferred() {
    return std::exchange(deferred, nullptr);
}

namespace {

// Fixtures made by a physics component name it, which spares a component lookup per event;
// bodies made elsewhere fall back to the lookup.
PhysicsComponent* componentOf(b2Fixture* fixture, const Entity* entity) {
    if (const uintptr_t recorded = fixture->GetUserData().pointer)
        return reinterpret_cast<PhysicsComponent*>(recorded);
    return entity->findComponent<PhysicsComponent>();
}

} // namespace

void PhysicsContactListener::dispatch(b2Contact* contact, bool begin) {
    const b2Body* bodyA = contact->GetFixtureA()->GetBody();
    const b2Body* bodyB = contact->GetFixtureB()->GetBody();
    const Entity* a = entityOf(bodyA);
    const Entity* b = entityOf(bodyB);
    if (!a || !b)
        return;
    PhysicsComponent* componentA = componentOf(contact->GetFixtureA(), a);
    PhysicsComponent* componentB = componentOf(contact->GetFixtureB(), b);
    if (!componentA || !componentB)
        return;

    const auto side = [&](PhysicsComponent* own, const Entity* other, const PhysicsComponent* otherComponent,
                          const b2Body* ownBody, const b2Body* otherBody) {
        try {
            if (begin)
                own->emitContactBegin(other, otherComponent, ownBody, otherBody);
            else
                own->emitContactEnd(other, otherComponent, ownBody, otherBody);
        } catch (...) {
            if (!deferred)
                deferred = std::current_exception();
        }
    };
    side(componentA, b, componentB, bodyA, bodyB);
    side(componentB, a, componentA, bodyB, bodyA);
}

} // namespace orv
