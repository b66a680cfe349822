#include "game/combat/Attack.hpp"

namespace tarsk {

Attack::Attack(sf::Time cooldown) : cooldown(cooldown) {}

Attack::~Attack() = default;

bool Attack::isReady() const {
    if (sinceLastUse < cooldown)
        return false;
    return canPerform();
}

AttackResult Attack::execute(orv::World& world, const orv::Entity* attacker) {
    AttackResult result = perform(world, attacker);
    sinceLastUse = sf::Time::Zero;
    return result;
}

} // namespace tarsk
