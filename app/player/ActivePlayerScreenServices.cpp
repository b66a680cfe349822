#include "app/player/ActivePlayerScreenServices.hpp"

#include "app/player/ActivePlayerActionSelectionGameStateMouse.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "app/player/EntityControllerGameState.hpp"
#include "app/root/BaseGameState.hpp"
#include "app/savegame/LoadedSavegame.hpp"
#include "engine/ecs/Entity.hpp"

#include <stdexcept>

namespace tarsk {

ActivePlayerScreenServices::ActivePlayerScreenServices(BaseGameState& base, LoadedSavegame& savegame,
                                                       ActivePlayerGameState& playerState)
    : base(base), savegame(savegame), playerState(playerState) {}

ui::Gui& ActivePlayerScreenServices::getGui() {
    return base.getGui();
}

InputEngine& ActivePlayerScreenServices::getInput() {
    return base.getInput();
}

const sf::Time& ActivePlayerScreenServices::getFrameTime() {
    return base.getFrameTime();
}

orv::Entity& ActivePlayerScreenServices::getPlayer() {
    orv::Entity* player = playerState.getPlayer();
    if (!player)
        throw std::logic_error("the player state has no player yet");
    return *player;
}

MissionManager& ActivePlayerScreenServices::getMissions() {
    return playerState.getMissions();
}

const orv::WorldManager& ActivePlayerScreenServices::getWorlds() {
    return *savegame.worldManager;
}

const AttackManager& ActivePlayerScreenServices::getAttacks() {
    return base.getAttacks();
}

const DialogueDataManager& ActivePlayerScreenServices::getDialogues() {
    return base.getDialogues();
}

ActionManager& ActivePlayerScreenServices::getActions() {
    return playerState.getActions();
}

orv::World& ActivePlayerScreenServices::getViewedWorld() {
    if (const orv::Entity* camera = base.getActiveCamera().getCamera()) {
        if (orv::World* world = camera->getWorld())
            return *world;
    }
    orv::World* world = getPlayer().getWorld();
    if (!world)
        throw std::logic_error("the player is in no world");
    return *world;
}

std::vector<std::unique_ptr<orv::GameState>> ActivePlayerScreenServices::makeControlStates() {
    std::vector<std::unique_ptr<orv::GameState>> states;
    states.push_back(
        std::make_unique<EntityControllerGameState>(&getPlayer(), &base.getInput(), base.getFrameTime()));
    states.push_back(
        std::make_unique<ActivePlayerActionSelectionGameStateMouse>(base, savegame, playerState));
    return states;
}

} // namespace tarsk
