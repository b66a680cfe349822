#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"
#include "game/ai/Vector2fConversion.hpp"

#include <optional>

namespace orv {
class TransformationComponent;
}

namespace tarsk {

class AiComponent;

// Seeks "goal" frame after frame until the owner is within "delta" (default 0.2) of it
// (SUCCESS), or until a frame in which the owner did not move, blocked or pinned (FAILURE).
// Plain state between ticks, no coroutine: every hop of a crowd starts one.
class SteeringSeekUntilReachedOrAbortedNode : public EntityInjectedBTNode<bt::ActionNodeBase> {
public:
    static constexpr float DefaultSlowingRadius = 2.f;
    static constexpr float DefaultDelta = 0.2f;
    // Moving no farther than this between two frames counts as standing still.
    static constexpr float StuckDistance = 0.0005f;

    using EntityInjectedBTNode::EntityInjectedBTNode;
    static bt::PortsList providedPorts() {
        return {bt::InputPort<sf::Vector2f>("goal"), bt::InputPort<float>("slowingRadius"),
                bt::InputPort<float>("delta")};
    }

    void halt() override;

    // The goal being sought; zero while idle.
    sf::Vector2f getGoal() const { return goal; }

protected:
    bt::NodeStatus tick() override;

private:
    bool reached(sf::Vector2f position) const;
    void clear();

    orv::TransformationComponent* transform = nullptr;
    AiComponent* ai = nullptr;
    sf::Vector2f goal;
    std::optional<float> slowingRadius;
    float delta = 0.f;
    // Where the owner stood at the last frame of the seek.
    std::optional<sf::Vector2f> previous;
};

} // namespace tarsk
