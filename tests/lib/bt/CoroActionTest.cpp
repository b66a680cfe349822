#include "TestNodes.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using bt::NodeStatus;
using bttest::document;
using bttest::node;

namespace {

// Counts live instances, to see a halted coroutine's locals destroyed.
struct Guard {
    explicit Guard(int* live) : live(live) { ++*live; }
    ~Guard() { --*live; }
    int* live;
};

// Waits "ticks" ticks, then succeeds; "fail_after" makes it throw after that many waits.
class WaitNode : public bt::CoroActionNode {
public:
    WaitNode(const std::string& name, const bt::NodeConfiguration& config) : CoroActionNode(name, config) {}
    static bt::PortsList providedPorts() {
        return {bt::InputPort<int>("ticks"), bt::InputPort<int>("fail_after")};
    }

    int live = 0;
    int* liveCounter = &live; // pointed elsewhere to watch a node outlive its tree
    int started = 0;
    int resumed = 0;

protected:
    bt::NodeStatus tick() override {
        ++started;
        Guard guard(liveCounter);
        const int waits = getInput<int>("ticks").value_or(1);
        const int failAfter = getInput<int>("fail_after").value_or(-1);
        for (int i = 0; i < waits; ++i) {
            if (i == failAfter)
                throw std::runtime_error("broken after " + std::to_string(i));
            setStatusRunningAndYield();
            ++resumed;
        }
        return NodeStatus::SUCCESS;
    }
};

class CoroActions : public ::testing::Test {
protected:
    CoroActions() { factory->registerNodeType<WaitNode>("Wait"); }
    bt::Tree build(const std::string& body) { return factory->createTreeFromText(document(body)); }

    std::unique_ptr<bt::BehaviorTreeFactory> factory = bttest::makeFactory();
};

} // namespace

TEST_F(CoroActions, ResumesWhereItYielded) {
    bt::Tree tree = build(R"(<Wait name="w" ticks="3"/>)");
    auto& wait = node<WaitNode>(tree, "w");
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(wait.getStatus(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(wait.live, 1);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(wait.started, 1);
    EXPECT_EQ(wait.resumed, 3);
    EXPECT_EQ(wait.live, 0);
    EXPECT_FALSE(wait.isSuspended());
    // Finished: the next tick is a new run.
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(wait.started, 2);
}

TEST_F(CoroActions, HaltUnwindsTheWaitingTick) {
    bt::Tree tree =
        build(R"(<ReactiveSequence><Check name="ok"/><Wait name="w" ticks="5"/></ReactiveSequence>)");
    auto& wait = node<WaitNode>(tree, "w");
    tree.tickRoot();
    tree.tickRoot();
    EXPECT_EQ(wait.live, 1);
    EXPECT_TRUE(wait.isSuspended());

    node<bttest::StubCondition>(tree, "ok").answer = NodeStatus::FAILURE;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE);
    EXPECT_EQ(wait.live, 0);
    EXPECT_FALSE(wait.isSuspended());
    EXPECT_EQ(wait.getStatus(), NodeStatus::IDLE);
    EXPECT_EQ(wait.resumed, 1);

    // Started afresh, from the top of tick().
    node<bttest::StubCondition>(tree, "ok").answer = NodeStatus::SUCCESS;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(wait.started, 2);
    EXPECT_EQ(wait.live, 1);
}

TEST_F(CoroActions, ExceptionsReachTheTickerAndTheNodeCanRunAgain) {
    bt::Tree tree = build(R"(<Sequence><Wait name="w" ticks="3" fail_after="1"/></Sequence>)");
    auto& wait = node<WaitNode>(tree, "w");
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    try {
        tree.tickRoot();
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "broken after 1");
    }
    EXPECT_EQ(wait.live, 0);
    EXPECT_FALSE(wait.isSuspended());
    tree.haltTree();
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(wait.started, 2);
}

TEST_F(CoroActions, DestroyingATreeUnwindsSuspendedNodes) {
    int live = 0;
    {
        bt::Tree tree = build(R"(<Sequence><Wait name="w" ticks="9"/></Sequence>)");
        node<WaitNode>(tree, "w").liveCounter = &live;
        tree.tickRoot();
        EXPECT_EQ(live, 1);
    }
    EXPECT_EQ(live, 0);
}

TEST_F(CoroActions, AMovedTreeKeepsItsSuspendedNodes) {
    bt::Tree first = build(R"(<Wait name="w" ticks="2"/>)");
    first.tickRoot();
    bt::Tree second = std::move(first);
    EXPECT_EQ(second.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(second.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_THROW(first.tickRoot(), bt::RuntimeError);

    // Assigning over a tree halts what it was running.
    int live = 0;
    bt::Tree target = build(R"(<Wait name="w" ticks="2"/>)");
    node<WaitNode>(target, "w").liveCounter = &live;
    target.tickRoot();
    ASSERT_EQ(live, 1);
    target = build(R"(<AlwaysSuccess/>)");
    EXPECT_EQ(live, 0);
    EXPECT_EQ(target.tickRoot(), NodeStatus::SUCCESS);
}

TEST_F(CoroActions, ManyTreesWaitAtOnce) {
    std::vector<bt::Tree> trees;
    for (int i = 0; i < 64; ++i)
        trees.push_back(build("<Wait name=\"w\" ticks=\"" + std::to_string(1 + i % 4) + "\"/>"));
    std::vector<int> successTick(trees.size(), -1);
    for (int round = 0; round < 5; ++round) {
        for (std::size_t i = 0; i < trees.size(); ++i) {
            if (successTick[i] < 0 && trees[i].tickRoot() == NodeStatus::SUCCESS)
                successTick[i] = round;
        }
    }
    for (std::size_t i = 0; i < trees.size(); ++i)
        EXPECT_EQ(successTick[i], static_cast<int>(1 + i % 4)) << i;
}

TEST(CoroActionMisuse, YieldOutsideTickAndBareRunningAreLogicErrors) {
    class Bare : public bt::CoroActionNode {
    public:
        using CoroActionNode::CoroActionNode;
        bt::NodeStatus answer = NodeStatus::RUNNING;

    protected:
        bt::NodeStatus tick() override { return answer; }
    } bare("bare", {});
    EXPECT_THROW(bare.setStatusRunningAndYield(), bt::LogicError);
    EXPECT_THROW(bare.executeTick(), bt::LogicError);
    bare.answer = NodeStatus::FAILURE;
    EXPECT_EQ(bare.executeTick(), NodeStatus::FAILURE);
    EXPECT_EQ(bare.getStatus(), NodeStatus::FAILURE);
}

TEST(CoroActionMisuse, SyncActionsAndConditionsMustFinish) {
    bt::BehaviorTreeFactory factory;
    NodeStatus answer = NodeStatus::RUNNING;
    factory.registerSimpleAction("Act", [&](bt::TreeNode&) { return answer; });
    factory.registerSimpleCondition("Cond", [&](bt::TreeNode&) { return answer; });
    bt::Tree act = factory.createTreeFromText(document("<Act/>"));
    bt::Tree cond = factory.createTreeFromText(document("<Cond/>"));
    EXPECT_THROW(act.tickRoot(), bt::LogicError);
    EXPECT_THROW(cond.tickRoot(), bt::LogicError);
    answer = NodeStatus::SUCCESS;
    EXPECT_EQ(act.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(cond.tickRoot(), NodeStatus::SUCCESS);
}
