#include "game/combat/DefaultAttack_legacy.hpp"

#include "game/combat/AreaQueries.hpp"
#include "game/combat/Strike.hpp"
#include "game/content/Identifiers.hpp"

namespace tarsk {

DefaultAttack_legacy::DefaultAttack_legacy() : Attack(sf::milliseconds(200)) {}

const std::string& DefaultAttack_legacy::getName() const {
    return id::defaultAttack;
}

AttackResult DefaultAttack_legacy::perform(orv::World& world, const orv::Entity* attacker) {
    AttackResult result;
    result.hitEntities = findEntitiesInArc(world, attacker, Range, Angle);
    const Strike strike{Damage, Impulse, Strike::Point::CentreOfMass, true};
    for (const orv::Entity* target : result.hitEntities) {
        const auto outcome = strikeTarget(*attacker, *target, strike);
        if (outcome && outcome->killed())
            result.killedEntities.push_back(target);
    }
    return result;
}

} // namespace tarsk
