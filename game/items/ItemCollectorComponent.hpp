#pragma once

#include "engine/ecs/Component.hpp"
#include "engine/signals/Signal.hpp"

namespace orv {
class Entity;
}

namespace tarsk {

// Marks an entity that collects item entities. Whoever decides that an item was collected
// announces it here; the world's item system then removes the item entity at the end of the frame.
class ItemCollectorComponent : public orv::Component {
public:
    void onPreInit(orv::Entity*) override {}
    void onInit() override {}

    smartsignals::Signal<void(const orv::Entity*)> collected;
};

} // namespace tarsk
