#include "app/player/PlayerWorldNeeds.hpp"

#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/content/Identifiers.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/time/TimeSystem.hpp"

namespace tarsk {

std::string whyNoPlayerWorld(const orv::WorldContainer& container, bool runs) {
    const orv::World& world = *container.getWorld();
    std::string lacking;
    const auto need = [&lacking](bool found, const std::string& name) {
        if (!found)
            lacking += (lacking.empty() ? "" : ", ") + name;
    };
    need(world.findSystem<RenderSystem>() != nullptr, id::system::render);
    if (runs) {
        need(world.findSystem<orv::PhysicsSystem>() != nullptr, id::system::physics);
        need(world.findSystem<TimeSystem>() != nullptr, id::system::time);
    }
    if (lacking.empty())
        return "";
    return "the world " + std::to_string(container.getId()) + " (\"" + container.getName() +
           "\") lacks what a player needs: " + lacking;
}

} // namespace tarsk
