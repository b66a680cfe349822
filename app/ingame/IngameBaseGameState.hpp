#pragma once

#include "app/player/ActivePlayerGameState.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"
#include "engine/state/SubGameStateToggle.hpp"

namespace tarsk {

class BaseGameState;
struct LoadedSavegame;

// The root of a running game: starts the player's state and drives the loaded worlds once per
// frame. The savegame belongs to the parent state, which outlives this one.
template <int Variant>
class IngameBaseGameState : public orv::GameState {
public:
    IngameBaseGameState(BaseGameState& base, LoadedSavegame& savegame);
    ~IngameBaseGameState() override;

    LoadedSavegame& getSavegame() { return savegame; }
    ActivePlayerGameState* getPlayerState() const { return playerToggle.getActive(); }

protected:
    // Throws std::runtime_error naming the world when an active world lacks its physics or its
    // time system: every frame hands both the frame time, so such a game cannot run. Then the
    // game becomes reachable from scripts and the player's state starts.
    void onInit() override;
    // Gives each active world's physics and time system the frame time, updates the worlds,
    // then removes the entities marked during the frame in every world, active or not.
    void onUpdate() override;
    void onDestroy() override;

private:
    BaseGameState& base;
    LoadedSavegame& savegame;
    orv::SubGameStateToggle<ActivePlayerGameState> playerToggle;
    smartsignals::ScopedConnections connections;
};

extern template class IngameBaseGameState<1>;

} // namespace tarsk
