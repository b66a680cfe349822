#pragma once

#include "game/combat/PresetAttack.hpp"

namespace tarsk {

// A blow in every direction at once, reaching `angleOrRadius` from the attacker's body origin.
// Every fighter in reach must have a physics component.
class GenericAllroundPhysicalAttackPreset : public PresetAttack {
public:
    explicit GenericAllroundPhysicalAttackPreset(const PhysicalAttackPreset& preset);

    AttackResult perform(orv::World& world, const orv::Entity* attacker) override;
};

} // namespace tarsk
