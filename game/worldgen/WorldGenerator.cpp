#include "game/worldgen/WorldGenerator.hpp"

namespace tarsk {

WorldGenerator::~WorldGenerator() = default;

} // namespace tarsk
