#pragma once

#include "game/actions/ActionGenerator.hpp"

#include <functional>

namespace tarsk {

// Offers, for each entity within 5 units in the 90-degree sector the actor faces: picking up
// the item lying there and cooking at its fire (both for an actor with an inventory), then
// talking to it.
class DefaultActionGenerator : public ActionGenerator {
public:
    static constexpr float Range = 5.f;
    static constexpr float Angle = 90.f;

    // Talking belongs to the dialogue code, which builds on actions: it hands in the maker of
    // the talk action, which returns null when actor and target cannot talk.
    using TalkActionMaker =
        std::function<std::unique_ptr<Action>(const orv::Entity* actor, const orv::Entity* target)>;

    DefaultActionGenerator() = default;
    explicit DefaultActionGenerator(TalkActionMaker talk);

    // The world needs its PhysicsSystem, the actor an orientation and a body in simulation.
    std::vector<std::unique_ptr<Action>> generate(orv::World& world, const orv::Entity* actor) override;

private:
    TalkActionMaker talk;
};

} // namespace tarsk
