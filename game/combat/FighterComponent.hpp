#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/signals/Signal.hpp"
#include "game/content/Identifiers.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tarsk {

class Attack;
class HealthComponent;

// Marks an entity that fights: it asks for its own attacks here (the world's FighterSystem
// carries them out), takes damage into its HealthComponent, is worth experience to its killer
// and leaves entities behind when it dies. Saved under "fighter".
class FighterComponent : public orv::SerializableComponent {
public:
    inline static const std::string& Name = id::component::fighter;

    // Factions are kept sorted and without repeats.
    FighterComponent(std::uint32_t xpValue, const std::vector<std::string>& entitiesToSpawnOnDeath,
                     std::vector<std::string> factions);

    // "xpValue" and "entitesToSpawnOnDeath" (spelled so in saved games) are required, "factions"
    // is optional.
    static std::unique_ptr<FighterComponent> fromJson(const nlohmann::json& data);

    // Needs the entity's HealthComponent and passes its deaths on.
    void onPreInit(orv::Entity* entity) override;
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    // The attack stays the caller's; it is resolved before this returns when the entity is in a
    // world with a FighterSystem. Readiness is the caller's to check.
    void requestAttack(Attack* attack);
    void takeDamage(float amount);

    std::uint32_t getXpValue() const { return xpValue; }
    const std::vector<std::string>& getEntitiesToSpawnOnDeath() const { return entitiesToSpawnOnDeath; }
    const std::vector<std::string>& getFactions() const { return factions; }

    smartsignals::Signal<void(Attack*)> attackRequested;
    smartsignals::Signal<void()> died;
    // Once per entity this fighter's attack killed.
    smartsignals::Signal<void(const orv::Entity*)> killed;

private:
    HealthComponent* health = nullptr;
    std::uint32_t xpValue;
    std::vector<std::string> entitiesToSpawnOnDeath;
    std::vector<std::string> factions;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
