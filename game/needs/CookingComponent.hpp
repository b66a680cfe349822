#pragma once

#include "engine/ecs/Component.hpp"
#include "game/items/Item.hpp"

#include <nlohmann/json_fwd.hpp>

#include <memory>
#include <string>

namespace tarsk {

class ItemManager;
class RandomNumberGenerator;

// Lets its entity (a fireplace) cook a fish. Read from an entity's record (a blueprint's), never
// written: a saved fireplace gets it back from its blueprint.
class CookingComponent : public orv::Component {
public:
    inline static const std::string CookedFish = "FISH_COOKED";
    inline static const std::string BurnedFish = "FISH_BURNED";

    CookingComponent(const ItemManager& items, const RandomNumberGenerator& random);
    // The record holds nothing; it must be an object.
    static std::unique_ptr<CookingComponent> fromJson(const nlohmann::json& data, const ItemManager& items,
                                                      const RandomNumberGenerator& random);

    void onPreInit(orv::Entity*) override {}
    void onInit() override {}

    // A cooked fish, or a burned one with probability 1/11.
    std::unique_ptr<Item> cook() const;

private:
    const ItemManager& items;
    const RandomNumberGenerator& random;
};

} // namespace tarsk
