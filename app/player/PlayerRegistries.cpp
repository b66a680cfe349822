#include "app/player/PlayerRegistries.hpp"

#include "game/actions/DefaultActionGenerator.hpp"
#include "game/actions/DefaultItemActionGenerator.hpp"
#include "game/dialogue/StartDialogueAction.hpp"

namespace tarsk {

namespace {

ActionManager createActionManager() {
    std::vector<std::unique_ptr<ActionGenerator>> generators;
    generators.push_back(std::make_unique<DefaultActionGenerator>(&StartDialogueAction::makeFor));
    std::vector<std::unique_ptr<ItemActionGenerator>> itemGenerators;
    itemGenerators.push_back(std::make_unique<DefaultItemActionGenerator>());
    return ActionManager(std::move(generators), std::move(itemGenerators));
}

} // namespace

PlayerRegistries::PlayerRegistries() : actions(createActionManager()) {}

} // namespace tarsk
