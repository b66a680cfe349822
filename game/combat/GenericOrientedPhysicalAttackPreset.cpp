#include "game/combat/GenericOrientedPhysicalAttackPreset.hpp"

#include "game/combat/AreaQueries.hpp"
#include "game/combat/Strike.hpp"

namespace tarsk {

GenericOrientedPhysicalAttackPreset::GenericOrientedPhysicalAttackPreset(const PhysicalAttackPreset& preset)
    : PresetAttack(preset) {}

AttackResult GenericOrientedPhysicalAttackPreset::perform(orv::World& world, const orv::Entity* attacker) {
    const Strike strike{preset.damage, preset.impulse, Strike::Point::CentreOfMass, true};
    return strikeTargets(*attacker, findEntitiesInArc(world, attacker, preset.range, preset.angleOrRadius),
                         strike);
}

} // namespace tarsk
