#include "app/savegame/LoadedSavegameGameState.hpp"

#include "app/ingame/IngameBaseGameState.hpp"
#include "app/root/BaseGameState.hpp"
#include "app/savegame/GameFileCheck.hpp"
#include "game/checks/EntityContentCheck.hpp"

namespace tarsk {

template <class Ingame>
LoadedSavegameGameState<Ingame>::LoadedSavegameGameState(BaseGameState& base,
                                                         std::unique_ptr<LoadedSavegameLoader> loader,
                                                         std::unique_ptr<LoadedSavegameSaver> saver)
    : base(base), loader(std::move(loader)), saver(std::move(saver)) {}

template <class Ingame>
LoadedSavegameGameState<Ingame>::~LoadedSavegameGameState() = default;

template <class Ingame>
void LoadedSavegameGameState<Ingame>::onInit() {
    savegame = loader->load();
    // What the file names is followed before anyone plays: a bad reference keeps the player at
    // the menu instead of ending the game at the moment of use.
    const EntityContentCheck references(base.getEntityFactories(), base.getBlueprintManager(), base.getAi(),
                                        base.getDialogues());
    GameFileCheck(references, base.getBlueprintManager()).check(savegame);
    auto ingame = std::make_unique<Ingame>(base, savegame);
    ingame->getDestroyedSignal().connectTracked(connections, [this] {
        if (!isClosed())
            close();
    });
    ingame->init();
    getSubStates().push_back(std::move(ingame));
}

template class LoadedSavegameGameState<IngameBaseGameState<1>>;

} // namespace tarsk
