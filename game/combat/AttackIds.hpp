#pragma once

#include <string>

// Ids under which the attack manager makes its attacks; the fight bar and the AI's trees ask
// for them by these names.
namespace tarsk::id::attack {

inline const std::string defaultAttack = "DEFAULT_ATTACK";
inline const std::string punch = "PUNCH_ATTACK";
inline const std::string stickSwing = "STICK_SWING_ATTACK";
inline const std::string frogDefault = "FROG_DEFAULT_ATTACK";
inline const std::string frogBoss = "FROG_BOSS_ATTACK";

} // namespace tarsk::id::attack
