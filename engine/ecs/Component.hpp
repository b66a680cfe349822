#pragma once

#include "engine/common/Export.hpp"

namespace orv {

class Entity;

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
    ORV_API virtual ~Component();
};

} // namespace orv
