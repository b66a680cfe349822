#include "game/ai/nodes/IsEntityRefValidNode.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/ai/WorldOf.hpp"

namespace tarsk {

bt::NodeStatus IsEntityRefValidNode::tick() {
    const bt::Expected<const orv::Entity*> entity = getInput<const orv::Entity*>("entity");
    // The pointer is only compared, never followed, until the world vouches for it.
    if (entity && *entity && worldOf(requireOwner()).contains(*entity))
        return bt::NodeStatus::SUCCESS;
    return bt::NodeStatus::FAILURE;
}

} // namespace tarsk
