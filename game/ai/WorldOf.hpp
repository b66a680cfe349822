#pragma once

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

// The world the entity is in; throws std::logic_error for an entity outside any world.
orv::World& worldOf(const orv::Entity& entity);

} // namespace tarsk
