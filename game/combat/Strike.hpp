#pragma once

#include "game/combat/AttackResult.hpp"

#include <optional>
#include <vector>

namespace orv {
class Entity;
}

namespace tarsk {

// How a physical blow lands on one target.
struct Strike {
    // Where the push is measured from and to.
    enum class Point { CentreOfMass, Origin };

    float damage = 0.f;
    float impulse = 0.f;
    Point point = Point::CentreOfMass;
    // A target without a physics component is passed over; otherwise its absence is an error.
    bool skipTargetsWithoutPhysics = true;
};

struct StrikeOutcome {
    bool wasDead = false;
    bool isDead = false;

    bool killed() const { return !wasDead && isDead; }
};

// Pushes the target away from the attacker (dynamic bodies only) and damages it through its
// fighter component. The attacker itself and targets that do not fight are passed over (empty
// result). A fighter without health, or an attacker without physics, raises the engine's
// component lookup error.
std::optional<StrikeOutcome> strikeTarget(const orv::Entity& attacker, const orv::Entity& target,
                                          const Strike& strike);

// Strikes every target in turn. Only the blow that ends a life counts as a kill: a body still
// lying in the world after its death must not earn anybody a second kill.
AttackResult strikeTargets(const orv::Entity& attacker, const std::vector<const orv::Entity*>& targets,
                           const Strike& strike);

} // namespace tarsk
