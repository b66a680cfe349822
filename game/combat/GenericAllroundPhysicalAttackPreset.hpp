#pragma once

#include "game/combat/Attack.hpp"
#include "game/combat/PhysicalAttackPreset.hpp"

namespace tarsk {

// A blow in every direction at once, reaching `angleOrRadius` from the attacker's body origin.
// Every fighter in reach must have a physics component.
class GenericAllroundPhysicalAttackPreset : public Attack {
public:
    explicit GenericAllroundPhysicalAttackPreset(const PhysicalAttackPreset& preset);

    const std::string& getName() const override { return preset.name; }
    AttackResult perform(orv::World& world, const orv::Entity* attacker) override;

    const PhysicalAttackPreset& getPreset() const { return preset; }

private:
    PhysicalAttackPreset preset;
};

} // namespace tarsk
