#pragma once

#include "bt/PortInfo.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"

#include <SFML/System/Time.hpp>

#include <string>
#include <utility>

namespace tarsk {

class TimeSystem;

// Waits for the sum of its inputs ("ms", "sec", "min" and, for game time, "h"; each optional)
// to pass on the clock of the owner's world. Time is counted on the time system's tick, which
// comes before the AI in every frame; the frame in which the wait starts adds nothing. The
// wait is plain state rather than a coroutine: a crowd of resting frogs ticks it every frame.
class IdleNode_base : public EntityInjectedBTNode<bt::ActionNodeBase> {
public:
    void halt() override;

    sf::Time getDuration() const { return duration; }
    sf::Time getElapsed() const { return elapsed; }

protected:
    // An input for one part of the wait ("ms", "sec", "min" or "h"), refusing numbers that make
    // no usable duration when the tree is made.
    static std::pair<std::string, bt::PortInfo> waitPort(const std::string& unit);

    IdleNode_base(const std::string& name, const bt::NodeConfiguration& config, bool readsHours);

    // What one tick of the time system adds to the wait.
    virtual sf::Time frameDelta(TimeSystem& time) const = 0;

    bt::NodeStatus tick() override;

private:
    sf::Time readWaitTime() const;
    void reset();

    bool readsHours;
    bool waiting = false;
    sf::Time duration = sf::Time::Zero;
    sf::Time elapsed = sf::Time::Zero;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
