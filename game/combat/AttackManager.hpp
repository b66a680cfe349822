#pragma once

#include "game/combat/Attack.hpp"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace tarsk {

// Makes attacks by id. Every call makes a fresh attack (cooldown just restarted) that belongs to
// the caller.
class AttackManager {
public:
    using AttackFactory = std::function<std::unique_ptr<Attack>()>;
    using AttackFactories = std::map<std::string, AttackFactory>;

    // The game's own attacks.
    AttackManager();
    explicit AttackManager(AttackFactories factories);

    // Null for an id that has no factory.
    std::unique_ptr<Attack> createAttack(const std::string& id) const;

    const AttackFactories& getFactories() const { return factories; }

private:
    AttackFactories factories;
};

// "DEFAULT_ATTACK", "PUNCH_ATTACK", "STICK_SWING_ATTACK" and "FROG_DEFAULT_ATTACK".
AttackManager::AttackFactories generateDefaultAttacks();

} // namespace tarsk
