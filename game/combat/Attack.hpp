#pragma once

#include "game/combat/AttackResult.hpp"

#include <SFML/System/Time.hpp>

#include <string>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

// One kind of blow with its own cooldown. Whoever holds the attack (a fight bar slot, an AI node)
// feeds it time with updateCooldown and asks isReady before executing; execute itself does not
// check, so a caller may force a blow.
class Attack {
public:
    explicit Attack(sf::Time cooldown);
    Attack(const Attack&) = delete;
    Attack& operator=(const Attack&) = delete;
    virtual ~Attack();

    virtual const std::string& getName() const = 0;
    // A further readiness condition beside the cooldown.
    virtual bool canPerform() const { return true; }
    virtual AttackResult perform(orv::World& world, const orv::Entity* attacker) = 0;

    // Ready once the whole cooldown has passed since the last use (a fresh attack counts as just
    // used).
    bool isReady() const;
    // Performs the attack and restarts the cooldown.
    AttackResult execute(orv::World& world, const orv::Entity* attacker);
    void updateCooldown(const sf::Time& dt) { sinceLastUse += dt; }

    sf::Time getCooldown() const { return cooldown; }
    sf::Time getSinceLastUse() const { return sinceLastUse; }

private:
    sf::Time cooldown;
    sf::Time sinceLastUse = sf::Time::Zero;
};

} // namespace tarsk
