#pragma once

#include "game/actions/Action.hpp"

namespace orv {
class Entity;
}

namespace tarsk {

// Cooks a fish from the actor's inventory at the target's fire.
class CookAction : public Action {
public:
    inline static const std::string RawFish = "FISH";

    CookAction(const orv::Entity* actor, const orv::Entity* target);

    std::string getDescription() const override { return "Cook"; }
    sf::FloatRect getTargetBounds() const override;
    // Without a fish nothing happens. The actor needs an InventoryComponent and the target a
    // CookingComponent (std::logic_error otherwise).
    void execute() override;

private:
    const orv::Entity* actor;
    const orv::Entity* target;
};

} // namespace tarsk
