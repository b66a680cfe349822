#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "engine/signals/Signal.hpp"
#include "game/content/Identifiers.hpp"

#include <memory>
#include <string>

namespace tarsk {

// Health and stamina of a creature that can be hurt. Health stays within [0, maxHealth] through
// every change; damage arrives through the fighter component. Saved under "health".
class HealthComponent : public orv::SerializableComponent {
public:
    inline static const std::string& Name = id::component::health;

    HealthComponent(float maxHealth, float maxStamina);

    // "maxHealth" and "maxStamina" are required; "health" and "stamina" default to the maxima and
    // are taken as stored, unclamped.
    static std::unique_ptr<HealthComponent> fromJson(const nlohmann::json& data);

    void onPreInit(orv::Entity*) override {}
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    // Clamps to [0, maxHealth] and announces the new value; every change that leaves health at 0
    // announces the death again, so late listeners of an already dead entity still hear of it.
    // A non-finite delta would poison health for good and is refused (std::invalid_argument).
    void changeHealth(float delta);

    float getHealth() const { return health; }
    float getMaxHealth() const { return maxHealth; }
    float getStamina() const { return stamina; }
    float getMaxStamina() const { return maxStamina; }
    bool isDead() const { return health <= 0.f; }

    // A creature whose owner ends it (the player, whose state still runs the frame it dies in)
    // stays in its world when dead; the health system leaves it there. Not saved.
    void keepWhenDead() { removedWhenDead = false; }
    bool isRemovedWhenDead() const { return removedWhenDead; }

    smartsignals::Signal<void(float)> healthChanged;
    // Stamina never changes after loading yet; these two are here for listeners to connect to.
    smartsignals::Signal<void(float)> staminaChanged;
    smartsignals::Signal<void()> died;
    smartsignals::Signal<void()> staminaDepleted;

private:
    float maxHealth;
    float maxStamina;
    float health;
    float stamina;
    bool removedWhenDead = true;
};

} // namespace tarsk
