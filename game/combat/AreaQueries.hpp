#pragma once

#include <SFML/System/Vector2.hpp>

#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

// Area queries over the world's physics bodies (world units, degrees). Every entity they touch
// needs a physics component in simulation; the world needs its PhysicsSystem. Sensor fixtures
// are never found. A missing component or system raises the engine's lookup error; an entity
// whose physics component has no body raises std::logic_error.

// Entities whose body origin lies strictly inside the disc around the centre entity's body
// origin, the centre entity included, in pointer order.
std::vector<const orv::Entity*> findEntitiesInRadius(orv::World& world, const orv::Entity* centre,
                                                     float radius);

// Entities in the sector of full opening `angle` that the actor faces (its OrientationComponent),
// measured from the actor's centre of mass to theirs, up to `range` inclusive. Bodies that the
// sector's two edges cut through count too, wherever their centre is. The actor is left out.
std::vector<const orv::Entity*> findEntitiesInArc(orv::World& world, const orv::Entity* actor, float range,
                                                  float angle);

// The push from `from` towards `to` with the given magnitude; points too close together to
// give a direction push by their raw difference.
sf::Vector2f attackDirection(sf::Vector2f from, sf::Vector2f to, float magnitude);

} // namespace tarsk
