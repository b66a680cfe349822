#pragma once

#include "game/actions/ActionGenerator.hpp"
#include "game/actions/ItemActionGenerator.hpp"

#include <SFML/System/Vector2.hpp>

#include <memory>
#include <vector>

namespace tarsk {

// The generators of the player's actions, asked in order.
class ActionManager {
public:
    ActionManager(std::vector<std::unique_ptr<ActionGenerator>> generators,
                  std::vector<std::unique_ptr<ItemActionGenerator>> itemGenerators);

    // Every generator's actions, generators in order.
    std::vector<std::unique_ptr<Action>> getActions(orv::World& world, const orv::Entity* actor);
    // The actions whose target bounds contain the position (world units); at exactly (0, 0)
    // every action is kept.
    std::vector<std::unique_ptr<Action>> getActionsAt(orv::World& world, const orv::Entity* actor,
                                                      sf::Vector2f position);
    std::vector<std::unique_ptr<ItemAction>> getItemActions(orv::World& world, const orv::Entity* actor,
                                                            const Item* item);

private:
    std::vector<std::unique_ptr<ActionGenerator>> generators;
    std::vector<std::unique_ptr<ItemActionGenerator>> itemGenerators;
};

} // namespace tarsk
