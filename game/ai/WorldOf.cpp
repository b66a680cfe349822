#include "game/ai/WorldOf.hpp"

#include "engine/ecs/Entity.hpp"

#include <stdexcept>

namespace tarsk {

orv::World& worldOf(const orv::Entity& entity) {
    orv::World* world = entity.getWorld();
    if (!world)
        throw std::logic_error("the behaviour tree's entity is not in a world");
    return *world;
}

} // namespace tarsk
