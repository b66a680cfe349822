#pragma once

#include "game/needs/Needs.hpp"

namespace orv {
class Entity;
}

namespace tarsk {

// Food that works by touch: every time another entity's body begins to touch this entity's
// body, a toucher with needs gains `gain`. Eaten food feeds only its first toucher and then
// marks itself for removal at the end of the frame (removing it inside the physics step is not
// allowed); lasting food stays.
// Touchers without needs change nothing. Needs the entity's physics component.
void feedOnContact(orv::Entity& food, Needs gain, bool eaten);

} // namespace tarsk
