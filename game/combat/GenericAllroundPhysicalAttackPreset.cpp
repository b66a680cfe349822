#include "game/combat/GenericAllroundPhysicalAttackPreset.hpp"

#include "game/combat/AreaQueries.hpp"
#include "game/combat/Strike.hpp"

namespace tarsk {

GenericAllroundPhysicalAttackPreset::GenericAllroundPhysicalAttackPreset(const PhysicalAttackPreset& preset)
    : PresetAttack(preset) {}

AttackResult GenericAllroundPhysicalAttackPreset::perform(orv::World& world, const orv::Entity* attacker) {
    // The disc query looks up the attacker's physics first, so an attacker without it fails
    // before anything is touched.
    const Strike strike{preset.damage, preset.impulse, Strike::Point::Origin, false};
    return strikeTargets(*attacker, findEntitiesInRadius(world, attacker, preset.angleOrRadius), strike);
}

} // namespace tarsk
