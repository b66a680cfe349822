#pragma once

#include "game/combat/PresetAttack.hpp"

namespace tarsk {

// A blow into the sector the attacker faces, `range` deep and `angleOrRadius` degrees wide.
class GenericOrientedPhysicalAttackPreset : public PresetAttack {
public:
    explicit GenericOrientedPhysicalAttackPreset(const PhysicalAttackPreset& preset);

    AttackResult perform(orv::World& world, const orv::Entity* attacker) override;
};

} // namespace tarsk
