#pragma once

#include "engine/ecs/Component.hpp"
#include "game/items/Item.hpp"

#include <memory>
#include <string>

namespace tarsk {

class ItemManager;
class RandomNumberGenerator;

// Lets its entity (a fireplace) cook a fish. Not saved.
class CookingComponent : public orv::Component {
public:
    inline static const std::string CookedFish = "FISH_COOKED";
    inline static const std::string BurnedFish = "FISH_BURNED";

    CookingComponent(const ItemManager& items, const RandomNumberGenerator& random);

    void onPreInit(orv::Entity*) override {}
    void onInit() override {}

    // A cooked fish, or a burned one with probability 1/11.
    std::unique_ptr<Item> cook() const;

private:
    const ItemManager& items;
    const RandomNumberGenerator& random;
};

} // namespace tarsk
