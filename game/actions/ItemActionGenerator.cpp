#include "game/actions/ItemActionGenerator.hpp"

namespace tarsk {

ItemActionGenerator::~ItemActionGenerator() = default;

} // namespace tarsk
