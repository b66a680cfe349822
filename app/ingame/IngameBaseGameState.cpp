#include "app/ingame/IngameBaseGameState.hpp"

#include "app/root/BaseGameState.hpp"
#include "app/savegame/LoadedSavegame.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/time/TimeSystem.hpp"

#include <stdexcept>
#include <string>

namespace tarsk {

template <int Variant>
IngameBaseGameState<Variant>::IngameBaseGameState(BaseGameState& base, LoadedSavegame& savegame)
    : base(base), savegame(savegame), playerToggle(*this) {}

template <int Variant>
IngameBaseGameState<Variant>::~IngameBaseGameState() = default;

template <int Variant>
void IngameBaseGameState<Variant>::onInit() {
    for (orv::WorldContainer* container : savegame.worldManager->getActiveWorldContainers()) {
        const orv::World& world = *container->getWorld();
        const char* missing = !world.findSystem<orv::PhysicsSystem>() ? "PhysicsSystem"
                              : !world.findSystem<TimeSystem>()       ? "TimeSystem"
                                                                      : nullptr;
        if (missing)
            throw std::runtime_error("world " + std::to_string(container->getId()) + " \"" +
                                     container->getName() + "\" cannot run: it has no " + missing);
    }
    base.getScriptEnvironment().setSavegame(&savegame);
    if (playerToggle.getActive())
        return;
    try {
        playerToggle.toggle(base, savegame, base.getMissions(), base.getActions());
    } catch (...) {
        // This state is dropped without being destroyed: scripts must not keep the game.
        base.getScriptEnvironment().clearSavegame();
        throw;
    }
}

template <int Variant>
void IngameBaseGameState<Variant>::onUpdate() {
    const sf::Time frameTime = base.getFrameTime();
    orv::WorldManager& worlds = *savegame.worldManager;
    for (orv::WorldContainer* container : worlds.getActiveWorldContainers()) {
        orv::World& world = *container->getWorld();
        world.getSystem<orv::PhysicsSystem>()->setTimeStep(frameTime);
        world.getSystem<TimeSystem>()->setFrameTime(frameTime);
    }
    worlds.update();
    for (orv::WorldContainer* container : worlds.getWorldContainers())
        container->getWorld()->removeMarkedEntities();
}

template <int Variant>
void IngameBaseGameState<Variant>::onDestroy() {
    base.getScriptEnvironment().clearSavegame();
}

template class IngameBaseGameState<1>;

} // namespace tarsk
