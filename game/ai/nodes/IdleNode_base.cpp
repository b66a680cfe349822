#include "game/ai/nodes/IdleNode_base.hpp"

#include "engine/common/Finite.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/ai/NodeInputs.hpp"
#include "game/ai/WorldOf.hpp"
#include "game/time/TimeSystem.hpp"

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string_view>

namespace tarsk {

namespace {

// Far beyond any sensible wait, and far inside what sf::Time can count in microseconds.
constexpr double MaxWaitSeconds = 1e9;

double secondsPer(const std::string& unit) {
    if (unit == "ms")
        return 0.001;
    if (unit == "min")
        return 60.0;
    if (unit == "h")
        return 3600.0;
    return 1.0;
}

// Throws std::invalid_argument for a wait part that makes no usable duration: refused when the tree
// is made for a literal, failing the node for a blackboard entry.
void checkWait(const std::string& unit, float value) {
    const double seconds = value * secondsPer(unit);
    // Milliseconds are counted as a 32-bit number.
    const bool countable =
        unit != "ms" || std::fabs(value) < static_cast<float>(std::numeric_limits<std::int32_t>::max());
    if (!orv::isFinite(seconds) || std::fabs(seconds) > MaxWaitSeconds || !countable)
        throw std::invalid_argument("wait \"" + unit + "\" is not a usable duration");
}

} // namespace

std::pair<std::string, bt::PortInfo> IdleNode_base::waitPort(const std::string& unit) {
    return bt::InputPort<float>(unit, [unit](const float& value) { checkWait(unit, value); });
}

IdleNode_base::IdleNode_base(const std::string& name, const bt::NodeConfiguration& config, bool readsHours)
    : EntityInjectedBTNode(name, config), readsHours(readsHours) {}

sf::Time IdleNode_base::readWaitTime() const {
    sf::Time wait = sf::Time::Zero;
    for (const char* unit : {"ms", "sec", "min", "h"}) {
        if (std::string_view(unit) == "h" && !readsHours)
            continue;
        const float value = optionalInput<float>(*this, unit, 0.f);
        checkWait(unit, value);
        // Milliseconds are counted whole, the fraction dropped.
        const std::string_view name(unit);
        if (name == "ms")
            wait += sf::milliseconds(static_cast<sf::Int32>(value));
        else if (name == "sec")
            wait += sf::seconds(value);
        else if (name == "min")
            wait += sf::seconds(value * 60.f);
        else
            wait += sf::seconds(value * 60.f * 60.f);
    }
    return wait;
}

bt::NodeStatus IdleNode_base::tick() {
    // A wait in progress only compares two times: the clock's slot does the counting.
    if (!waiting) {
        duration = readWaitTime();
        if (elapsed < duration) {
            TimeSystem* time = worldOf(requireOwner()).getSystem<TimeSystem>();
            time->getTickSignal().connectTracked(connections, [this, time] { elapsed += frameDelta(*time); });
            waiting = true;
            return bt::NodeStatus::RUNNING;
        }
    } else if (elapsed < duration) {
        return bt::NodeStatus::RUNNING;
    }
    reset();
    return bt::NodeStatus::SUCCESS;
}

void IdleNode_base::halt() {
    reset();
}

void IdleNode_base::reset() {
    duration = sf::Time::Zero;
    elapsed = sf::Time::Zero;
    waiting = false;
    connections.disconnectAll();
}

} // namespace tarsk
