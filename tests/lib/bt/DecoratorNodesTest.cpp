#include "TestNodes.hpp"

#include <gtest/gtest.h>

using bt::NodeStatus;
using bttest::document;
using bttest::node;
using bttest::StubAction;

namespace {

class DecoratorNodes : public ::testing::Test {
protected:
    bt::Tree build(const std::string& body) { return factory->createTreeFromText(document(body)); }

    std::unique_ptr<bt::BehaviorTreeFactory> factory = bttest::makeFactory();
};

} // namespace

TEST_F(DecoratorNodes, InverterSwapsFinishedAnswers) {
    bt::Tree tree = build(R"(<Inverter><Stub name="a"/></Inverter>)");
    auto& a = node<StubAction>(tree, "a");
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE);
    EXPECT_EQ(a.getStatus(), NodeStatus::IDLE);
    a.answer = NodeStatus::FAILURE;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    a.answer = NodeStatus::RUNNING;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(a.getStatus(), NodeStatus::RUNNING);
}

TEST_F(DecoratorNodes, ForceSuccessAndForceFailure) {
    bt::Tree success = build(R"(<ForceSuccess><Stub name="a"/></ForceSuccess>)");
    bt::Tree failure = build(R"(<ForceFailure><Stub name="a"/></ForceFailure>)");
    for (NodeStatus answer : {NodeStatus::SUCCESS, NodeStatus::FAILURE}) {
        node<StubAction>(success, "a").answer = answer;
        node<StubAction>(failure, "a").answer = answer;
        EXPECT_EQ(success.tickRoot(), NodeStatus::SUCCESS);
        EXPECT_EQ(failure.tickRoot(), NodeStatus::FAILURE);
    }
    node<StubAction>(success, "a").answer = NodeStatus::RUNNING;
    node<StubAction>(failure, "a").answer = NodeStatus::RUNNING;
    EXPECT_EQ(success.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(failure.tickRoot(), NodeStatus::RUNNING);
}

TEST_F(DecoratorNodes, AlwaysSuccessAndAlwaysFailure) {
    EXPECT_EQ(build("<AlwaysSuccess/>").tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(build("<AlwaysFailure/>").tickRoot(), NodeStatus::FAILURE);
    EXPECT_EQ(build("<Inverter><AlwaysFailure/></Inverter>").tickRoot(), NodeStatus::SUCCESS);
}

TEST_F(DecoratorNodes, RepeatRunsOneCyclePerTick) {
    bt::Tree tree = build(R"(<Repeat num_cycles="3"><Stub name="a"/></Repeat>)");
    auto& a = node<StubAction>(tree, "a");
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(a.ticks, 1);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(a.ticks, 3);
    // The count starts again for the next run.
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(a.ticks, 4);
}

TEST_F(DecoratorNodes, RepeatStopsAtFailureAndWaitsForARunningChild) {
    bt::Tree tree = build(R"(<Repeat num_cycles="5"><Stub name="a"/></Repeat>)");
    auto& a = node<StubAction>(tree, "a");
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    a.answer = NodeStatus::RUNNING;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    a.answer = NodeStatus::FAILURE;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE);
    // A fresh run needs all five cycles again.
    a.answer = NodeStatus::SUCCESS;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
}

TEST_F(DecoratorNodes, EndlessRepeatNeverHoldsTheTick) {
    bt::Tree tree = build(R"(<Repeat num_cycles="-1"><Stub name="a"/></Repeat>)");
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(node<StubAction>(tree, "a").ticks, 1000);
}

TEST_F(DecoratorNodes, RepeatZeroTimesSucceedsWithoutTheChild) {
    bt::Tree tree = build(R"(<Repeat num_cycles="0"><Stub name="a"/></Repeat>)");
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(node<StubAction>(tree, "a").ticks, 0);
}

TEST_F(DecoratorNodes, RepeatAndRetryNeedAValidCount) {
    EXPECT_THROW(build(R"(<Repeat><AlwaysSuccess/></Repeat>)").tickRoot(), bt::RuntimeError);
    EXPECT_THROW(build(R"(<Repeat num_cycles="x"><AlwaysSuccess/></Repeat>)").tickRoot(), bt::RuntimeError);
    EXPECT_THROW(build(R"(<Repeat num_cycles="-2"><AlwaysSuccess/></Repeat>)").tickRoot(), bt::RuntimeError);
    EXPECT_THROW(build(R"(<RetryUntilSuccessful><AlwaysSuccess/></RetryUntilSuccessful>)").tickRoot(),
                 bt::RuntimeError);
}

TEST_F(DecoratorNodes, RepeatCountFromTheBlackboard) {
    auto board = bt::Blackboard::create();
    board->set("times", 2);
    bt::Tree tree = factory->createTreeFromText(
        document(R"(<Repeat num_cycles="{times}"><AlwaysSuccess/></Repeat>)"), board);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
}

TEST_F(DecoratorNodes, RetryTriesOncePerTick) {
    bt::Tree tree =
        build(R"(<RetryUntilSuccessful num_attempts="3"><Stub name="a"/></RetryUntilSuccessful>)");
    auto& a = node<StubAction>(tree, "a");
    a.answer = NodeStatus::FAILURE;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE);
    EXPECT_EQ(a.ticks, 3);

    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    a.answer = NodeStatus::SUCCESS;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    // Success forgets the failed attempts.
    a.answer = NodeStatus::FAILURE;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE);
}

TEST_F(DecoratorNodes, HaltingResetsRepeatCounts) {
    bt::Tree tree = build(R"(<Repeat num_cycles="2"><Stub name="a"/></Repeat>)");
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    tree.haltTree();
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
}

TEST_F(DecoratorNodes, DecoratorsHaltARunningChildWhenHalted) {
    bt::Tree tree = build(R"(<ReactiveSequence><Check name="ok"/><Inverter><ForceSuccess>
                             <Stub name="a"/></ForceSuccess></Inverter></ReactiveSequence>)");
    auto& a = node<StubAction>(tree, "a");
    a.answer = NodeStatus::RUNNING;
    tree.tickRoot();
    node<bttest::StubCondition>(tree, "ok").answer = NodeStatus::FAILURE;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE);
    EXPECT_EQ(a.halts, 1);
}
