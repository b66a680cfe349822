#include "game/ai/nodes/IdleNode_base.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/ai/NodeInputs.hpp"
#include "game/ai/WorldOf.hpp"
#include "game/time/TimeSystem.hpp"

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace tarsk {

namespace {

// Far beyond any sensible wait, and far inside what sf::Time can count in microseconds.
constexpr double MaxWaitSeconds = 1e9;

void checkWait(const std::string& node, const char* port, double seconds) {
    if (!std::isfinite(seconds) || std::fabs(seconds) > MaxWaitSeconds)
        throw std::invalid_argument(node + ": wait \"" + port + "\" is not a usable duration");
}

} // namespace

IdleNode_base::IdleNode_base(const std::string& name, const bt::NodeConfiguration& config, bool readsHours)
    : EntityInjectedBTNode(name, config), readsHours(readsHours) {}

sf::Time IdleNode_base::readWaitTime() const {
    sf::Time wait = sf::Time::Zero;
    // Milliseconds are counted whole, the fraction dropped.
    const float ms = optionalInput<float>(*this, "ms", 0.f);
    checkWait(getName(), "ms", ms / 1000.0);
    if (std::fabs(ms) >= static_cast<float>(std::numeric_limits<std::int32_t>::max()))
        throw std::invalid_argument(getName() + ": wait \"ms\" is not a usable duration");
    wait += sf::milliseconds(static_cast<sf::Int32>(ms));

    const float sec = optionalInput<float>(*this, "sec", 0.f);
    checkWait(getName(), "sec", sec);
    wait += sf::seconds(sec);

    const float min = optionalInput<float>(*this, "min", 0.f);
    checkWait(getName(), "min", min * 60.0);
    wait += sf::seconds(min * 60.f);

    if (readsHours) {
        const float h = optionalInput<float>(*this, "h", 0.f);
        checkWait(getName(), "h", h * 3600.0);
        wait += sf::seconds(h * 60.f * 60.f);
    }
    return wait;
}

bt::NodeStatus IdleNode_base::tick() {
    const sf::Time wait = readWaitTime();
    TimeSystem* time = worldOf(requireOwner()).getSystem<TimeSystem>();
    duration += wait;
    time->getTickSignal().connectTracked(connections, [this, time] { elapsed += frameDelta(*time); });
    while (elapsed < duration)
        setStatusRunningAndYield();
    reset();
    return bt::NodeStatus::SUCCESS;
}

void IdleNode_base::halt() {
    reset();
    CoroActionNode::halt();
}

void IdleNode_base::reset() {
    duration = sf::Time::Zero;
    elapsed = sf::Time::Zero;
    connections.disconnectAll();
}

} // namespace tarsk
