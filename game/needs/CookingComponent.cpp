#include "game/needs/CookingComponent.hpp"

#include "game/items/ItemManager.hpp"
#include "game/json/JsonObject.hpp"
#include "game/random/RandomNumberGenerator.hpp"

namespace tarsk {

CookingComponent::CookingComponent(const ItemManager& items, const RandomNumberGenerator& random)
    : items(items), random(random) {}

std::unique_ptr<CookingComponent> CookingComponent::fromJson(const nlohmann::json& data,
                                                             const ItemManager& items,
                                                             const RandomNumberGenerator& random) {
    requireJsonObject(data);
    return std::make_unique<CookingComponent>(items, random);
}

std::unique_ptr<Item> CookingComponent::cook() const {
    return items.createItem(random.randomInt(0, 10) != 0 ? CookedFish : BurnedFish);
}

} // namespace tarsk
