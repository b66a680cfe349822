#include "bt/decorators/TimedDecoratorNode.hpp"

namespace bt {

TimedDecoratorNode::TimedDecoratorNode(std::string_view kind, std::string name, NodeConfiguration config,
                                       std::shared_ptr<const Clock> clock)
    : DecoratorNode(std::move(name), std::move(config)), clock(std::move(clock)) {
    if (!this->clock)
        throw LogicError(kind, " \"", getName(), "\" needs a clock");
}

bool TimedDecoratorNode::spanOver(const std::string& port) {
    if (!end)
        end = clock->now() + std::chrono::milliseconds(getRequiredInput<unsigned>(port));
    return clock->now() >= *end;
}

void TimedDecoratorNode::finishRun() {
    end.reset();
}

void TimedDecoratorNode::halt() {
    finishRun();
    DecoratorNode::halt();
}

} // namespace bt
