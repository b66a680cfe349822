#include "app/player/ActivePlayerActionSelectionGameStateMouse.hpp"

#include "app/player/ActivePlayerGameState.hpp"
#include "app/root/BaseGameState.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/actions/ActionManager.hpp"

namespace tarsk {

ActivePlayerActionSelectionGameStateMouse::ActivePlayerActionSelectionGameStateMouse(
    BaseGameState& base, LoadedSavegame& savegame, ActivePlayerGameState& playerState)
    : base(base), savegame(savegame), playerState(playerState) {}

void ActivePlayerActionSelectionGameStateMouse::onInit() {
    base.getInput().buttonHeldInWindow(sf::Mouse::Left).connectTracked(connections, [this](sf::Vector2i) {
        actions.executeFirst();
    });
}

void ActivePlayerActionSelectionGameStateMouse::onUpdate() {
    orv::Entity* camera = base.getActiveCamera().getCamera();
    watch(camera ? camera->getWorld() : nullptr);
    // Targets are found through their bodies: a world without physics offers nothing to do.
    if (!camera || !camera->getWorld() || !camera->getWorld()->findSystem<orv::PhysicsSystem>()) {
        actions.offer({});
        return;
    }
    const sf::Vector2f position = base.mapPixelToWorld(base.getInput().getMousePosition(), *camera);
    actions.offer(
        playerState.getActions().getActionsAt(*camera->getWorld(), playerState.getPlayer(), position));
}

void ActivePlayerActionSelectionGameStateMouse::watch(orv::World* world) {
    if (world == watched)
        return;
    worldConnections.disconnectAll();
    actions.clear();
    watched = world;
    if (world) {
        world->getEntitiesRemovedSignal().connectTracked(
            worldConnections, [this](const std::vector<const orv::Entity*>&) { actions.clear(); });
    }
}

void ActivePlayerActionSelectionGameStateMouse::onDestroy() {
    // A destroyed state may still be reachable for the rest of the frame; the player it served is gone.
    connections.disconnectAll();
    worldConnections.disconnectAll();
    watched = nullptr;
    actions.clear();
}

} // namespace tarsk
