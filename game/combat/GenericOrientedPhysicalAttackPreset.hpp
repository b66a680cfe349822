#pragma once

#include "game/combat/Attack.hpp"
#include "game/combat/PhysicalAttackPreset.hpp"

namespace tarsk {

// A blow into the sector the attacker faces, `range` deep and `angleOrRadius` degrees wide.
class GenericOrientedPhysicalAttackPreset : public Attack {
public:
    explicit GenericOrientedPhysicalAttackPreset(const PhysicalAttackPreset& preset);

    const std::string& getName() const override { return preset.name; }
    AttackResult perform(orv::World& world, const orv::Entity* attacker) override;

    const PhysicalAttackPreset& getPreset() const { return preset; }

private:
    PhysicalAttackPreset preset;
};

} // namespace tarsk
