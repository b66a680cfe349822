#pragma once

#include "game/actions/ActionManager.hpp"
#include "game/missions/MissionDataManager.hpp"

namespace tarsk {

// The mission prototypes and the action generators a player's game needs, for as long as the
// root state does not hold them itself.
class PlayerRegistries {
public:
    // The game's missions; picking up, cooking and talking as actions, eating as item action.
    PlayerRegistries();
    PlayerRegistries(const PlayerRegistries&) = delete;
    PlayerRegistries& operator=(const PlayerRegistries&) = delete;

    const MissionDataManager& getMissions() const { return missions; }
    ActionManager& getActions() { return actions; }

private:
    MissionDataManager missions;
    ActionManager actions;
};

} // namespace tarsk
