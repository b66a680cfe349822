#include "engine/ecs/SerializableSystem_template.hpp"

namespace orv {

template class SerializableSystem_template<System_base<World>>;
template class SerializableSystem_template<System_base<WorldManager>>;

} // namespace orv
