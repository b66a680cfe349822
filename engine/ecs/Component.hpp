#pragma once

#include "engine/common/Export.hpp"

namespace orv {

class Entity;
class SerializableComponent;

// Base of every component. An entity initialises its components in two passes: every
// onPreInit (the place to look up sibling components) before any onInit (the place to rely on
// what the siblings prepared in their onPreInit).
class Component {
public:
    ORV_API Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    virtual void onPreInit(Entity* entity) = 0;
    virtual void onInit() = 0;
    // This component as a saved one, or null: asked for every component of every entity that is
    // initialised with persistence, where a cross-cast would cost more.
    virtual SerializableComponent* asSerializable() { return nullptr; }
    ORV_API virtual ~Component();
};

} // namespace orv
