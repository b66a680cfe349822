#pragma once

#include "engine/common/Export.hpp"
#include "engine/common/Lifetime.hpp"
#include "engine/common/TypeName.hpp"
#include "engine/ecs/Component.hpp"
#include "engine/ecs/MissingComponent.hpp"
#include "engine/ecs/TypeIndexOrder.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/signals/Signal.hpp"

#include <map>
#include <memory>
#include <stdexcept>
#include <typeindex>
#include <typeinfo>
#include <utility>

namespace orv {

class World;

// A bag of components, at most one per type. Built outside a world, initialised once, then
// owned by a world. Components keep the entity's address, so an initialised entity never moves.
class Entity {
public:
    using ComponentMap = std::map<std::type_index, std::unique_ptr<Component>, TypeIndexOrder>;

    ORV_API Entity();
    // Only an entity that was never initialised can be moved; afterwards it throws.
    ORV_API Entity(Entity&& other);
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;
    Entity& operator=(Entity&&) = delete;
    ~Entity();

    // Takes the component. A second component of one type is rejected (and deleted) before it
    // is initialised; on an initialised entity the new one runs both steps at once.
    Component* addComponent(std::unique_ptr<Component>&& component, const std::type_index& type);

    template <class T, class... Args>
    T* addComponent(Args&&... args) {
        return static_cast<T*>(addComponent(std::make_unique<T>(std::forward<Args>(args)...), typeid(T)));
    }

    // The T of this entity; throws MissingComponent when it has none.
    template <class T>
    T* getComponent() const {
        if (T* found = findComponent<T>())
            return found;
        throw MissingComponent("Component does not exist. Typename: " + typeName<T>());
    }

    // The T of this entity, or null: for components that are optional.
    template <class T>
    T* findComponent() const {
        auto it = components.find(typeid(T));
        return it == components.end() ? nullptr : static_cast<T*>(it->second.get());
    }

    template <class T>
    bool hasComponent() const {
        return components.contains(typeid(T));
    }

    const ComponentMap& getComponents() const { return components; }

    ORV_API void init();
    ORV_API bool getInitStatus() const;

    World* getWorld() const { return world; }
    // Kept by the entity manager of the world that owns the entity.
    void setWorld(World* owner) { world = owner; }

    // Emitted by the entity manager for this entity when it is removed from its world, while it
    // is still there. Listeners watch entities they only see as const, hence reachable from one.
    smartsignals::Signal<void()>& getRemovedFromWorldSignal() const { return removedFromWorld; }

    // Connections made on this entity's behalf; dropped when it leaves a world and when it dies.
    smartsignals::ScopedConnections& getConnections() { return connections; }

    // Expires when this entity is destroyed.
    const Lifetime& getLifetime() const { return lifetime; }

private:
    // Declaration order is teardown order reversed: the connection records go first, then the
    // signal, then the components.
    ComponentMap components;
    bool initialised = false;
    World* world = nullptr;
    mutable smartsignals::Signal<void()> removedFromWorld;
    smartsignals::ScopedConnections connections;
    Lifetime lifetime;
};

} // namespace orv
