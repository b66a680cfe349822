#pragma once

#include "bt/BehaviorTree.hpp"

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>

namespace bttest {

// An action whose answer the test sets; counts its ticks and halts.
class StubAction : public bt::ActionNodeBase {
public:
    StubAction(const std::string& name, const bt::NodeConfiguration& config) : ActionNodeBase(name, config) {}
    void halt() override {
        ++halts;
        if (haltLog)
            ++*haltLog;
    }

    bt::NodeStatus answer = bt::NodeStatus::SUCCESS;
    int ticks = 0;
    int halts = 0;
    int* haltLog = nullptr; // also counts halts, for nodes that do not outlive the test

protected:
    bt::NodeStatus tick() override {
        ++ticks;
        return answer;
    }
};

// A condition whose answer the test sets.
class StubCondition : public bt::ConditionNode {
public:
    StubCondition(const std::string& name, const bt::NodeConfiguration& config)
        : ConditionNode(name, config) {}

    bt::NodeStatus answer = bt::NodeStatus::SUCCESS;
    int ticks = 0;

protected:
    bt::NodeStatus tick() override {
        ++ticks;
        return answer;
    }
};

// A clock moved by hand.
class ManualClock : public bt::Clock {
public:
    TimePoint now() const override { return current; }
    void advance(int milliseconds) { current += std::chrono::milliseconds(milliseconds); }

private:
    TimePoint current{};
};

// The node with this instance name, as its concrete type.
template <class T>
T& node(const bt::Tree& tree, const std::string& name) {
    for (const auto& each : tree.getNodes()) {
        if (each->getName() == name) {
            if (auto* typed = dynamic_cast<T*>(each.get()))
                return *typed;
        }
    }
    throw std::out_of_range("no node " + name);
}

// A factory with "Stub" and "Check" registered.
inline std::unique_ptr<bt::BehaviorTreeFactory>
makeFactory(std::shared_ptr<const bt::Clock> clock = std::make_shared<bt::SteadyClock>()) {
    auto factory = std::make_unique<bt::BehaviorTreeFactory>(std::move(clock));
    factory->registerNodeType<StubAction>("Stub");
    factory->registerNodeType<StubCondition>("Check");
    return factory;
}

// Wraps a node text in a one-tree document.
inline std::string document(const std::string& body) {
    return "<root main_tree_to_execute=\"Main\"><BehaviorTree ID=\"Main\">" + body + "</BehaviorTree></root>";
}

} // namespace bttest
