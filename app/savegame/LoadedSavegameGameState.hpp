#pragma once

#include "app/savegame/LoadedSavegame.hpp"
#include "app/savegame/LoadedSavegameLoader.hpp"
#include "app/savegame/LoadedSavegameSaver.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"

#include <memory>

namespace tarsk {

class BaseGameState;
template <int Variant>
class IngameBaseGameState;

// Holds a loaded game for as long as it runs, with the in-game root as its one child; when
// that child goes, this state closes too.
template <class Ingame>
class LoadedSavegameGameState : public orv::GameState {
public:
    LoadedSavegameGameState(BaseGameState& base, std::unique_ptr<LoadedSavegameLoader> loader,
                            std::unique_ptr<LoadedSavegameSaver> saver);
    ~LoadedSavegameGameState() override;

    LoadedSavegame& getSavegame() { return savegame; }
    LoadedSavegameSaver& getSaver() { return *saver; }

protected:
    // Loads the game, checks what it names (GameFileCheck) and starts the in-game root; errors of
    // any leave with nothing started.
    void onInit() override;
    void onUpdate() override {}
    void onDestroy() override {}

private:
    BaseGameState& base;
    std::unique_ptr<LoadedSavegameLoader> loader;
    std::unique_ptr<LoadedSavegameSaver> saver;
    LoadedSavegame savegame;
    smartsignals::ScopedConnections connections;
};

extern template class LoadedSavegameGameState<IngameBaseGameState<1>>;

} // namespace tarsk
