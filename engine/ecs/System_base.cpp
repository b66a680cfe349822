#include "engine/ecs/System_base.hpp"

namespace orv {

// Instantiated here so the executable carries (and exports) one copy of each.
template class System_base<World>;
template class System_base<WorldManager>;

} // namespace orv
