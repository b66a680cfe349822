#include "engine/ecs/WorldContainer.hpp"

#include <stdexcept>
#include <utility>

namespace orv {

WorldContainer::WorldContainer(std::uint32_t id, std::unique_ptr<World>&& world, bool active,
                               std::string name)
    : id(id), name(std::move(name)), world(std::move(world)), active(active) {
    if (!this->world)
        throw std::logic_error("WorldContainer needs a World");
}

WorldContainer::WorldContainer(WorldContainer&&) noexcept = default;

WorldContainer::~WorldContainer() = default;

void WorldContainer::setActive(bool value) {
    if (active == value)
        return;
    active = value;
    activityChanged.emit(active);
}

} // namespace orv
