#include "game/combat/GenericOrientedPhysicalAttackPreset.hpp"

#include "game/combat/AreaQueries.hpp"
#include "game/combat/Strike.hpp"

namespace tarsk {

GenericOrientedPhysicalAttackPreset::GenericOrientedPhysicalAttackPreset(const PhysicalAttackPreset& preset)
    : Attack(preset.cooldown), preset(preset) {}

AttackResult GenericOrientedPhysicalAttackPreset::perform(orv::World& world, const orv::Entity* attacker) {
    AttackResult result;
    const Strike strike{preset.damage, preset.impulse, Strike::Point::CentreOfMass, true};
    for (const orv::Entity* target : findEntitiesInArc(world, attacker, preset.range, preset.angleOrRadius)) {
        const auto outcome = strikeTarget(*attacker, *target, strike);
        if (!outcome)
            continue;
        result.hitEntities.push_back(target);
        if (outcome->killed())
            result.killedEntities.push_back(target);
    }
    return result;
}

} // namespace tarsk
