#pragma once

#include "app/player/ActivePlayerScreenServices.hpp"
#include "app/screens/ActivePlayerDialogueGameState.hpp"
#include "app/screens/ActivePlayerFightBarGameState.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"
#include "engine/state/SubGameStateToggle.hpp"
#include "game/missions/MissionManager.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace orv {
class Entity;
class WorldContainer;
} // namespace orv

namespace tarsk {

class ActionManager;
class ActivePlayerGameStateUI;
class BaseGameState;
class MissionDataManager;
struct LoadedSavegame;

// The player's part of a running game: finds or makes the player entity, puts the camera on it,
// keeps the game's missions, carries the player through portals and turns it towards the mouse.
// Opens the player's screens (the fight bar, then the HUD with the player's controls) and a
// dialogue whenever the player is talked to. Writes the player, its world and the missions into
// the game document before a save, and ends the program when the player dies.
class ActivePlayerGameState : public orv::GameState {
public:
    // With the root's mission prototypes and actions.
    ActivePlayerGameState(BaseGameState& base, LoadedSavegame& savegame);
    ActivePlayerGameState(BaseGameState& base, LoadedSavegame& savegame, const MissionDataManager& prototypes,
                          ActionManager& actions);
    ~ActivePlayerGameState() override;

    // Null until onInit.
    orv::Entity* getPlayer() const { return player; }
    orv::WorldContainer* getPlayerContainer() const { return playerContainer; }
    MissionManager& getMissions() { return missions; }
    ActionManager& getActions() { return actions; }
    bool isTravelPending() const { return travelPending; }
    PlayerScreenServices& getScreenServices() { return screens; }
    // Null before onInit and after onDestroy.
    ActivePlayerFightBarGameState* getFightBar() const { return fightBarToggle.getActive(); }
    ActivePlayerGameStateUI* getHud() const;
    ActivePlayerDialogueGameState* getDialogue() const { return dialogueToggle.getActive(); }

protected:
    void onInit() override;
    void onUpdate() override;
    void onDestroy() override;

private:
    orv::WorldContainer* findPlayerContainer() const;
    std::unique_ptr<orv::Entity> loadOrCreatePlayer() const;
    // The three steps of onInit; a failing one is undone by onDestroy.
    void placePlayer();
    void connectPlayer();
    void openScreens();
    // Takes the camera entity out of its world, and off the root when it is the active camera.
    void releaseCamera();
    void onPlayerContact(const orv::Entity* other);
    void writePlayerData();
    void createCamera();
    void travel();
    void faceMouse();
    void listActions();
    void openDialogue(const std::string& dialogueId);
    void openHud();

    BaseGameState& base;
    LoadedSavegame& savegame;
    ActionManager& actions;
    ActivePlayerScreenServices screens;
    orv::Entity* player = nullptr;
    // The camera entity this state made, in the player's world.
    orv::Entity* camera = nullptr;
    std::uint32_t travelWorld = 0;
    std::uint64_t travelPortal = 0;
    bool travelPending = false;
    orv::WorldContainer* playerContainer = nullptr;
    orv::SubGameStateToggle<ActivePlayerDialogueGameState> dialogueToggle;
    orv::SubGameStateToggle<ActivePlayerFightBarGameState> fightBarToggle;
    smartsignals::ScopedConnections connections;
    MissionManager missions;
};

} // namespace tarsk
