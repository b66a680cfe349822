#include "game/actions/ActionGenerator.hpp"

namespace tarsk {

ActionGenerator::~ActionGenerator() = default;

} // namespace tarsk
