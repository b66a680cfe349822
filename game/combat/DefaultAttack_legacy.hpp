#pragma once

#include "game/combat/Attack.hpp"

namespace tarsk {

// The first blow the game had, with fixed numbers: a wide, weak shove in the facing direction.
// Reports every entity in its sector as hit, fighters or not.
class DefaultAttack_legacy : public Attack {
public:
    static constexpr float Range = 5.f;
    static constexpr float Angle = 90.f;
    static constexpr float Damage = 20.f;
    static constexpr float Impulse = 0.2f;

    DefaultAttack_legacy();

    const std::string& getName() const override;
    AttackResult perform(orv::World& world, const orv::Entity* attacker) override;
};

} // namespace tarsk
