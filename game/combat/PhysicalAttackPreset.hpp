#pragma once

#include <SFML/System/Time.hpp>

#include <string>

namespace tarsk {

// The numbers of a physical blow, copied into each attack made from them.
struct PhysicalAttackPreset {
    std::string name;
    sf::Time cooldown;
    // Health taken per target.
    float damage = 0.f;
    // Magnitude of the push away from the attacker.
    float impulse = 0.f;
    // Full opening angle in degrees for a blow in the facing direction; the radius of an
    // all-round blow.
    float angleOrRadius = 0.f;
    // Reach of a blow in the facing direction; an all-round blow ignores it.
    float range = 0.f;
};

} // namespace tarsk
