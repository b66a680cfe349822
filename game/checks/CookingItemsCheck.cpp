#include "game/checks/CookingItemsCheck.hpp"

#include "game/actions/CookAction.hpp"
#include "game/items/ItemManager.hpp"
#include "game/needs/CookingComponent.hpp"

#include <stdexcept>
#include <string>

namespace tarsk {

void checkCookingItems(const ItemManager& items, const std::filesystem::path& folder) {
    // Without raw fish no fire has anything to cook.
    if (!items.findDefinition(CookAction::RawFish))
        return;
    for (const std::string& made : {CookingComponent::CookedFish, CookingComponent::BurnedFish}) {
        if (!items.findDefinition(made))
            throw std::runtime_error(folder.string() + ": no item \"" + made +
                                     "\", which cooking a fish makes");
    }
}

} // namespace tarsk
