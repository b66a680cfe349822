#include "game/health/HealthComponent.hpp"

#include "engine/common/Finite.hpp"
#include "engine/common/JsonNumber.hpp"
#include "game/json/JsonObject.hpp"

#include <cmath>
#include <stdexcept>
#include <string>

namespace tarsk {

namespace {

// A missing key reads as null and fails the same way as a value of the wrong type.
float numberAt(const nlohmann::json& data, const char* key) {
    return orv::jsonNumber<float>(data.value(key, nlohmann::json()), key);
}

} // namespace

HealthComponent::HealthComponent(float maxHealth, float maxStamina)
    : maxHealth(maxHealth), maxStamina(maxStamina), health(maxHealth), stamina(maxStamina) {}

std::unique_ptr<HealthComponent> HealthComponent::fromJson(const nlohmann::json& data) {
    requireJsonObject(data);
    auto component =
        std::make_unique<HealthComponent>(numberAt(data, "maxHealth"), numberAt(data, "maxStamina"));
    if (data.contains("health"))
        component->health = numberAt(data, "health");
    if (data.contains("stamina"))
        component->stamina = numberAt(data, "stamina");
    return component;
}

nlohmann::json HealthComponent::toJsonData() const {
    return {{"maxHealth", maxHealth}, {"maxStamina", maxStamina}, {"health", health}, {"stamina", stamina}};
}

void HealthComponent::changeHealth(float delta) {
    if (!orv::isFinite(delta))
        throw std::invalid_argument("HealthComponent: health change is not finite");
    health += delta;
    if (health > maxHealth)
        health = maxHealth;
    if (health < 0.f)
        health = 0.f;
    healthChanged.emit(health);
    if (health <= 0.f)
        died.emit();
}

} // namespace tarsk
