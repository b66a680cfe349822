#pragma once

#include "app/player/ActionList.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"

namespace tarsk {

class ActivePlayerGameState;
class BaseGameState;
struct LoadedSavegame;

// What the player can do with the thing under the mouse: each frame the actions on targets in
// reach that lie under the mouse, and while the left button is held in the window the first of
// them runs. The button fires before this state's update, so it acts on last frame's list.
class ActivePlayerActionSelectionGameStateMouse : public orv::GameState {
public:
    ActivePlayerActionSelectionGameStateMouse(BaseGameState& base, LoadedSavegame& savegame,
                                              ActivePlayerGameState& playerState);

    const ActionList& getActionList() const { return actions; }

protected:
    void onInit() override;
    void onUpdate() override;
    void onDestroy() override {}

private:
    BaseGameState& base;
    LoadedSavegame& savegame;
    ActivePlayerGameState& playerState;
    ActionList actions;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
