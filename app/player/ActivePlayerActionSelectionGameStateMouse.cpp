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
    // Targets are found through their bodies: a world without physics offers nothing to do.
    if (!camera || !camera->getWorld() || !camera->getWorld()->findSystem<orv::PhysicsSystem>()) {
        actions.offer({});
        return;
    }
    const sf::Vector2f position = base.mapPixelToWorld(base.getInput().getMousePosition(), *camera);
    actions.offer(
        playerState.getActions().getActionsAt(*camera->getWorld(), playerState.getPlayer(), position));
}

} // namespace tarsk
