#pragma once

#include "engine/tiles/Tilemap.hpp"

#include <SFML/System/Vector2.hpp>

#include <string>
#include <vector>

namespace orv {
class Entity;
class Tile;
class Tileset;
class World;
} // namespace orv

namespace tarsk::terraintiles {

// The tile set's first tile of that id; std::runtime_error when it has none.
const orv::Tile& require(const orv::Tileset& tileset, const std::string& id);
// The tile map of the world's terrain, as its terrain system knows it; std::logic_error when
// the world has no terrain.
orv::Tilemap& tilemapOf(orv::World& world);
// The middle of a cell of one world unit, in world units.
sf::Vector2f cellCentre(int x, int y);

// Moves the entity to the position, marks it to be saved, initialises it and adds it to the world.
void place(orv::World& world, std::unique_ptr<orv::Entity> entity, sf::Vector2f position);

} // namespace tarsk::terraintiles
