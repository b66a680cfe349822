#pragma once

#include "game/actions/ItemActionGenerator.hpp"

namespace tarsk {

// Offers eating an item whose kind has a "NutritionalValue", to an actor with needs and an
// inventory.
class DefaultItemActionGenerator : public ItemActionGenerator {
public:
    std::vector<std::unique_ptr<ItemAction>> generate(orv::World& world, const orv::Entity* actor,
                                                      const Item* item) override;
};

} // namespace tarsk
