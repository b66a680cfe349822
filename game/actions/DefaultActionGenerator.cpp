#include "game/actions/DefaultActionGenerator.hpp"

#include "engine/ecs/Entity.hpp"
#include "game/actions/CookAction.hpp"
#include "game/actions/PickupItemAction.hpp"
#include "game/combat/AreaQueries.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/items/ItemComponent.hpp"
#include "game/needs/CookingComponent.hpp"

#include <utility>

namespace tarsk {

DefaultActionGenerator::DefaultActionGenerator(TalkActionMaker talk) : talk(std::move(talk)) {}

std::vector<std::unique_ptr<Action>> DefaultActionGenerator::generate(orv::World& world,
                                                                      const orv::Entity* actor) {
    std::vector<std::unique_ptr<Action>> actions;
    auto* inventory = actor->findComponent<InventoryComponent>();
    for (const orv::Entity* target : findEntitiesInArc(world, actor, Range, Angle)) {
        if (inventory) {
            const auto* item = target->findComponent<ItemComponent>();
            if (item && item->hasItem())
                actions.push_back(
                    std::make_unique<PickupItemAction>(world, inventory->getInventory(), target));
            if (target->findComponent<CookingComponent>())
                actions.push_back(std::make_unique<CookAction>(actor, target));
        }
        if (talk) {
            if (std::unique_ptr<Action> talkAction = talk(actor, target))
                actions.push_back(std::move(talkAction));
        }
    }
    return actions;
}

} // namespace tarsk
