#include "game/combat/GenericAllroundPhysicalAttackPreset.hpp"

#include "game/combat/AreaQueries.hpp"
#include "game/combat/Strike.hpp"

namespace tarsk {

GenericAllroundPhysicalAttackPreset::GenericAllroundPhysicalAttackPreset(const PhysicalAttackPreset& preset)
    : Attack(preset.cooldown), preset(preset) {}

AttackResult GenericAllroundPhysicalAttackPreset::perform(orv::World& world, const orv::Entity* attacker) {
    AttackResult result;
    // The disc query looks up the attacker's physics first, so an attacker without it fails
    // before anything is touched.
    const Strike strike{preset.damage, preset.impulse, Strike::Point::Origin, false};
    for (const orv::Entity* target : findEntitiesInRadius(world, attacker, preset.angleOrRadius)) {
        const auto outcome = strikeTarget(*attacker, *target, strike);
        if (!outcome)
            continue;
        result.hitEntities.push_back(target);
        // Only the blow that ends a life counts as a kill: a body still lying in the world after
        // its death must not earn anybody a second kill.
        if (outcome->killed())
            result.killedEntities.push_back(target);
    }
    return result;
}

} // namespace tarsk
