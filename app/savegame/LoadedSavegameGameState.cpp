#include "app/savegame/LoadedSavegameGameState.hpp"

#include "app/ingame/IngameBaseGameState.hpp"

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
