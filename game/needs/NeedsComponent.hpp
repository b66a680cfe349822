#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "engine/signals/Signal.hpp"
#include "game/content/Identifiers.hpp"
#include "game/needs/Needs.hpp"

#include <memory>
#include <string>

namespace tarsk {

// The needs of a creature, kept between 0 and 100. Saved under "needs" as {"first", "second"}.
class NeedsComponent : public orv::SerializableComponent {
public:
    inline static const std::string& Name = id::component::needs;

    static constexpr float Minimum = 0.f;
    static constexpr float Maximum = 100.f;

    // Fully fed.
    NeedsComponent();
    explicit NeedsComponent(Needs initial);

    // Both values are required numbers, clamped as the constructor clamps them.
    static std::unique_ptr<NeedsComponent> fromJson(const nlohmann::json& data);

    void onPreInit(orv::Entity*) override {}
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    // Adds the delta, clamps each value and emits changed, also when nothing changed.
    void changeNeeds(const Needs& delta);
    const Needs& getNeeds() const { return needs; }

    // The needs after the change.
    smartsignals::Signal<void(const Needs&)> changed;

private:
    Needs needs;
};

} // namespace tarsk
