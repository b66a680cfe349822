#pragma once

#include <box2d/b2_world_callbacks.h>

#include <exception>

class b2Body;

namespace orv {

class Entity;

// Passes Box2D's contact events to the physics components of both entities, A's side first.
// Contacts whose bodies carry no entity, or whose entity has no physics component, are skipped.
//
// Box2D calls in from inside Step and DestroyBody, and an exception unwinding through it would
// leave its world locked or half torn down. So a listener's exception is caught here, the
// remaining events still go out, and the first exception waits for takeDeferred().
class PhysicsContactListener : public b2ContactListener {
public:
    void BeginContact(b2Contact* contact) override;
    void EndContact(b2Contact* contact) override;

    // The first exception caught since the last call, or null; clears it.
    std::exception_ptr takeDeferred();

    static const Entity* entityOf(const b2Body* body);

private:
    void dispatch(b2Contact* contact, bool begin);

    std::exception_ptr deferred;
};

} // namespace orv
