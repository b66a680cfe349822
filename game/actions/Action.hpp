#pragma once

#include <SFML/Graphics/Rect.hpp>

#include <string>

namespace tarsk {

// Something the player can do with a thing in the world. Actions point at the world, entities
// and inventories they act on without owning them, so they are made fresh whenever they are
// offered and dropped before those can go away.
class Action {
public:
    Action() = default;
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;

    // The text shown to the player.
    virtual std::string getDescription() const = 0;
    virtual ~Action();
    // Where the target lies, in world units; the mouse selects actions by it.
    virtual sf::FloatRect getTargetBounds() const = 0;
    virtual void execute() = 0;
};

} // namespace tarsk
