#pragma once

#include "app/player/ActionList.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"

namespace orv {
class World;
}

namespace tarsk {

class ActivePlayerGameState;
class BaseGameState;
struct LoadedSavegame;

// What the player can do with the thing under the mouse: each frame the actions on targets in
// reach that lie under the mouse, and while the left button is held in the window the first of
// them runs. The button fires before this state's update, so it acts on last frame's list. The
// list holds plain pointers to its targets: it is dropped as soon as anything leaves the world
// it was made for, and when this state ends.
class ActivePlayerActionSelectionGameStateMouse : public orv::GameState {
public:
    ActivePlayerActionSelectionGameStateMouse(BaseGameState& base, LoadedSavegame& savegame,
                                              ActivePlayerGameState& playerState);

    const ActionList& getActionList() const { return actions; }

protected:
    void onInit() override;
    void onUpdate() override;
    void onDestroy() override;

private:
    // Follows the world the actions are made for.
    void watch(orv::World* world);

    BaseGameState& base;
    LoadedSavegame& savegame;
    ActivePlayerGameState& playerState;
    ActionList actions;
    smartsignals::ScopedConnections connections;
    orv::World* watched = nullptr;
    smartsignals::ScopedConnections worldConnections;
};

} // namespace tarsk
