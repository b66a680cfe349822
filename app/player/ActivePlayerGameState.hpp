#pragma once

#include "app/player/PlayerRegistries.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"
#include "game/missions/MissionManager.hpp"

#include <cstdint>
#include <memory>

namespace orv {
class Entity;
class WorldContainer;
} // namespace orv

namespace tarsk {

class ActionManager;
class BaseGameState;
class MissionDataManager;
struct LoadedSavegame;

// The player's part of a running game: finds or makes the player entity, puts the camera on it,
// keeps the game's missions, carries the player through portals and turns it towards the mouse.
// Writes the player, its world and the missions into the game document before a save, and ends
// the program when the player dies.
class ActivePlayerGameState : public orv::GameState {
public:
    // Makes its own mission prototypes and action generators.
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

protected:
    void onInit() override;
    void onUpdate() override;
    void onDestroy() override;

private:
    ActivePlayerGameState(BaseGameState& base, LoadedSavegame& savegame,
                          std::unique_ptr<PlayerRegistries> own);

    orv::WorldContainer* findPlayerContainer() const;
    std::unique_ptr<orv::Entity> loadOrCreatePlayer() const;
    void onPlayerContact(const orv::Entity* other);
    void writePlayerData();
    void createCamera();
    void travel();
    void faceMouse();
    void listActions();

    BaseGameState& base;
    LoadedSavegame& savegame;
    std::unique_ptr<PlayerRegistries> ownRegistries;
    ActionManager& actions;
    orv::Entity* player = nullptr;
    std::uint32_t travelWorld = 0;
    std::uint64_t travelPortal = 0;
    bool travelPending = false;
    orv::WorldContainer* playerContainer = nullptr;
    smartsignals::ScopedConnections connections;
    MissionManager missions;
};

} // namespace tarsk
