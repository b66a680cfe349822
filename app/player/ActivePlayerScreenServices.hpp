#pragma once

#include "app/screens/PlayerScreenServices.hpp"

namespace tarsk {

class ActivePlayerGameState;
class BaseGameState;
struct LoadedSavegame;

// The running game as the player's screens see it: the root's interface, input and registries,
// the loaded game's worlds, and the player and missions of the active player state.
class ActivePlayerScreenServices final : public PlayerScreenServices {
public:
    ActivePlayerScreenServices(BaseGameState& base, LoadedSavegame& savegame,
                               ActivePlayerGameState& playerState);

    ui::Gui& getGui() override;
    InputEngine& getInput() override;
    const sf::Time& getFrameTime() override;
    // Only valid once the player state has placed the player.
    orv::Entity& getPlayer() override;
    MissionManager& getMissions() override;
    const orv::WorldManager& getWorlds() override;
    const AttackManager& getAttacks() override;
    const DialogueDataManager& getDialogues() override;
    ActionManager& getActions() override;
    // The camera's world; the player's while no camera is active.
    orv::World& getViewedWorld() override;
    // The WASD controller on the player, then the mouse action selection.
    std::vector<std::unique_ptr<orv::GameState>> makeControlStates() override;

private:
    BaseGameState& base;
    LoadedSavegame& savegame;
    ActivePlayerGameState& playerState;
};

} // namespace tarsk
