#include "game/actions/ActionManager.hpp"

#include "game/actions/TargetBounds.hpp"

#include <utility>

namespace tarsk {

ActionManager::ActionManager(std::vector<std::unique_ptr<ActionGenerator>> generators,
                             std::vector<std::unique_ptr<ItemActionGenerator>> itemGenerators)
    : generators(std::move(generators)), itemGenerators(std::move(itemGenerators)) {}

std::vector<std::unique_ptr<Action>> ActionManager::getActions(orv::World& world, const orv::Entity* actor) {
    std::vector<std::unique_ptr<Action>> actions;
    for (const std::unique_ptr<ActionGenerator>& generator : generators) {
        for (std::unique_ptr<Action>& action : generator->generate(world, actor))
            actions.push_back(std::move(action));
    }
    return actions;
}

std::vector<std::unique_ptr<Action>> ActionManager::getActionsAt(orv::World& world, const orv::Entity* actor,
                                                                 sf::Vector2f position) {
    std::vector<std::unique_ptr<Action>> actions = getActions(world, actor);
    if (position == sf::Vector2f(0.f, 0.f))
        return actions;
    std::erase_if(actions, [position](const std::unique_ptr<Action>& action) {
        return !boundsContain(action->getTargetBounds(), position);
    });
    return actions;
}

std::vector<std::unique_ptr<ItemAction>>
ActionManager::getItemActions(orv::World& world, const orv::Entity* actor, const Item* item) {
    std::vector<std::unique_ptr<ItemAction>> actions;
    for (const std::unique_ptr<ItemActionGenerator>& generator : itemGenerators) {
        for (std::unique_ptr<ItemAction>& action : generator->generate(world, actor, item))
            actions.push_back(std::move(action));
    }
    return actions;
}

} // namespace tarsk
