#pragma once

#include "bt/Clock.hpp"
#include "bt/DecoratorNode.hpp"

#include <memory>
#include <optional>
#include <string_view>

namespace bt {

// A decorator that measures a span of milliseconds, read from one port, from its first tick
// until the child finishes or the node is halted.
class TimedDecoratorNode : public DecoratorNode {
public:
    void halt() override;

protected:
    // The kind names the node in the error about a missing clock.
    TimedDecoratorNode(std::string_view kind, std::string name, NodeConfiguration config,
                       std::shared_ptr<const Clock> clock);

    // True once the span read from the port has passed since the first tick of this run.
    bool spanOver(const std::string& port);
    // The run is over: the next tick starts a new span.
    void finishRun();

private:
    std::shared_ptr<const Clock> clock;
    std::optional<Clock::TimePoint> end;
};

} // namespace bt
