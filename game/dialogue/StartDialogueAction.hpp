#pragma once

#include "game/actions/Action.hpp"

#include <memory>
#include <string>

namespace orv {
class Entity;
}

namespace tarsk {

// "Talk to": asks the actor's dialogue receiver to open the dialogue the target names.
class StartDialogueAction : public Action {
public:
    StartDialogueAction(const orv::Entity* actor, const orv::Entity* target);

    // A talk action when the actor can be talked to and the target talks, else null; this is
    // the talk maker the world action generator is given.
    static std::unique_ptr<Action> makeFor(const orv::Entity* actor, const orv::Entity* target);

    std::string getDescription() const override { return "Talk to"; }
    // The target's sprite in world units if it has one, else its body's first fixture box,
    // else (0, 0, 0, 0).
    sf::FloatRect getTargetBounds() const override;
    // The target must have a dialogue sender and the actor a dialogue receiver.
    void execute() override;

private:
    const orv::Entity* actor;
    const orv::Entity* target;
};

} // namespace tarsk
