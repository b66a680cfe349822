#pragma once

#include "game/combat/Attack.hpp"
#include "game/combat/PhysicalAttackPreset.hpp"

namespace tarsk {

// An attack whose numbers come from a preset; the kinds differ only in whom the blow reaches.
class PresetAttack : public Attack {
public:
    const std::string& getName() const override { return preset.name; }
    const PhysicalAttackPreset& getPreset() const { return preset; }

protected:
    explicit PresetAttack(const PhysicalAttackPreset& preset) : Attack(preset.cooldown), preset(preset) {}

    PhysicalAttackPreset preset;
};

} // namespace tarsk
