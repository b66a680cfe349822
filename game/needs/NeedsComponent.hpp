#pragma once

#include "engine/ecs/Component.hpp"
#include "engine/signals/Signal.hpp"
#include "game/needs/Needs.hpp"

namespace tarsk {

// The needs of a creature, kept between 0 and 100. Not saved.
class NeedsComponent : public orv::Component {
public:
    static constexpr float Minimum = 0.f;
    static constexpr float Maximum = 100.f;

    // Fully fed.
    NeedsComponent();
    explicit NeedsComponent(Needs initial);

    void onPreInit(orv::Entity*) override {}
    void onInit() override {}

    // Adds the delta, clamps each value and emits changed, also when nothing changed.
    void changeNeeds(const Needs& delta);
    const Needs& getNeeds() const { return needs; }

    // The needs after the change.
    smartsignals::Signal<void(const Needs&)> changed;

private:
    Needs needs;
};

} // namespace tarsk
