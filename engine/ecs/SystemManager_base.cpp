#include "engine/ecs/SystemManager_base.hpp"

namespace orv {

// Instantiated here so the executable carries (and exports) one copy of each.
template class SystemManager_base<System_base<World>>;
template class SystemManager_base<System_base<WorldManager>>;

} // namespace orv
