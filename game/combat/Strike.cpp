#include "game/combat/Strike.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "game/combat/AreaQueries.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/health/HealthComponent.hpp"

#include <stdexcept>

namespace tarsk {

namespace {

const b2Body& requireBody(const orv::PhysicsComponent& physics) {
    const b2Body* body = physics.getBody();
    if (!body)
        throw std::logic_error("attack: a PhysicsComponent taking part is not in simulation");
    return *body;
}

sf::Vector2f pointOf(const b2Body& body, Strike::Point point) {
    const b2Vec2& p = point == Strike::Point::CentreOfMass ? body.GetWorldCenter() : body.GetPosition();
    return {p.x, p.y};
}

} // namespace

std::optional<StrikeOutcome> strikeTarget(const orv::Entity& attacker, const orv::Entity& target,
                                          const Strike& strike) {
    if (&target == &attacker)
        return std::nullopt;
    auto* fighter = target.findComponent<FighterComponent>();
    if (!fighter)
        return std::nullopt;
    const HealthComponent& health = *target.getComponent<HealthComponent>();
    orv::PhysicsComponent* targetPhysics = strike.skipTargetsWithoutPhysics
                                               ? target.findComponent<orv::PhysicsComponent>()
                                               : target.getComponent<orv::PhysicsComponent>();
    if (!targetPhysics || (strike.skipTargetsWithoutPhysics && !targetPhysics->isInSimulation()))
        return std::nullopt;
    const orv::PhysicsComponent& attackerPhysics = *attacker.getComponent<orv::PhysicsComponent>();

    StrikeOutcome outcome;
    outcome.wasDead = health.isDead();
    const b2Body& targetBody = requireBody(*targetPhysics);
    const sf::Vector2f push = attackDirection(pointOf(requireBody(attackerPhysics), strike.point),
                                              pointOf(targetBody, strike.point), strike.impulse);
    if (targetBody.GetType() == b2_dynamicBody)
        targetPhysics->applyLinearImpulseToCenter({push.x, push.y});
    fighter->takeDamage(strike.damage);
    outcome.isDead = health.isDead();
    return outcome;
}

AttackResult strikeTargets(const orv::Entity& attacker, const std::vector<const orv::Entity*>& targets,
                           const Strike& strike) {
    AttackResult result;
    for (const orv::Entity* target : targets) {
        const auto outcome = strikeTarget(attacker, *target, strike);
        if (!outcome)
            continue;
        result.hitEntities.push_back(target);
        if (outcome->killed())
            result.killedEntities.push_back(target);
    }
    return result;
}

} // namespace tarsk
