#include "game/worldgen/DungeonProvider.hpp"

#include "engine/ecs/World.hpp"

#include <utility>

namespace tarsk {

DungeonProvider::DungeonProvider(std::uint32_t id, std::string name) : id(id), name(std::move(name)) {}

DungeonProvider::~DungeonProvider() = default;

} // namespace tarsk
