#include "TestNodes.hpp"

#include <gtest/gtest.h>

using bt::NodeStatus;
using bttest::document;
using bttest::node;
using bttest::StubAction;
using bttest::StubCondition;

namespace {

class ControlNodes : public ::testing::Test {
protected:
    bt::Tree build(const std::string& body) { return factory->createTreeFromText(document(body)); }

    std::unique_ptr<bt::BehaviorTreeFactory> factory = bttest::makeFactory();
};

} // namespace

TEST_F(ControlNodes, SequenceKeepsItsPlaceWhileAChildRuns) {
    bt::Tree tree = build(R"(<Sequence><Stub name="a"/><Stub name="b"/><Stub name="c"/></Sequence>)");
    auto& a = node<StubAction>(tree, "a");
    auto& b = node<StubAction>(tree, "b");
    auto& c = node<StubAction>(tree, "c");
    b.answer = NodeStatus::RUNNING;

    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(a.ticks, 1);
    EXPECT_EQ(b.ticks, 2);
    EXPECT_EQ(c.ticks, 0);

    b.answer = NodeStatus::SUCCESS;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(c.ticks, 1);
    // Finished: the children are reset and the next tick starts over.
    EXPECT_EQ(a.getStatus(), NodeStatus::IDLE);
    EXPECT_EQ(c.getStatus(), NodeStatus::IDLE);
    EXPECT_EQ(tree.getRootNode()->getStatus(), NodeStatus::IDLE);
    tree.tickRoot();
    EXPECT_EQ(a.ticks, 2);
}

TEST_F(ControlNodes, SequenceFailureStopsAndRestarts) {
    bt::Tree tree = build(R"(<Sequence><Stub name="a"/><Stub name="b"/><Stub name="c"/></Sequence>)");
    node<StubAction>(tree, "b").answer = NodeStatus::FAILURE;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE);
    EXPECT_EQ(node<StubAction>(tree, "c").ticks, 0);
    EXPECT_EQ(node<StubAction>(tree, "b").getStatus(), NodeStatus::IDLE);
    tree.tickRoot();
    EXPECT_EQ(node<StubAction>(tree, "a").ticks, 2);
}

TEST_F(ControlNodes, FallbackKeepsItsPlaceAndStopsAtSuccess) {
    bt::Tree tree = build(R"(<Fallback><Stub name="a"/><Stub name="b"/><Stub name="c"/></Fallback>)");
    auto& a = node<StubAction>(tree, "a");
    auto& b = node<StubAction>(tree, "b");
    auto& c = node<StubAction>(tree, "c");
    a.answer = NodeStatus::FAILURE;
    b.answer = NodeStatus::RUNNING;

    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(a.ticks, 1);
    b.answer = NodeStatus::SUCCESS;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(c.ticks, 0);

    b.answer = NodeStatus::FAILURE;
    c.answer = NodeStatus::FAILURE;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE);
    EXPECT_EQ(a.ticks, 2);
    EXPECT_EQ(c.ticks, 1);
}

TEST_F(ControlNodes, ReactiveSequenceRechecksAndHaltsTheRunningChild) {
    bt::Tree tree = build(R"(<ReactiveSequence><Check name="ok"/><Stub name="work"/></ReactiveSequence>)");
    auto& ok = node<StubCondition>(tree, "ok");
    auto& work = node<StubAction>(tree, "work");
    work.answer = NodeStatus::RUNNING;

    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(ok.ticks, 2);
    EXPECT_EQ(work.ticks, 2);
    EXPECT_EQ(work.halts, 0);

    ok.answer = NodeStatus::FAILURE;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE);
    EXPECT_EQ(work.ticks, 2);
    EXPECT_EQ(work.halts, 1);
    EXPECT_EQ(work.getStatus(), NodeStatus::IDLE);
}

TEST_F(ControlNodes, ReactiveSequenceHaltsLaterChildrenWhenAnEarlierOneRuns) {
    bt::Tree tree =
        build(R"(<ReactiveSequence><Stub name="first"/><Stub name="second"/></ReactiveSequence>)");
    auto& first = node<StubAction>(tree, "first");
    auto& second = node<StubAction>(tree, "second");
    second.answer = NodeStatus::RUNNING;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);

    first.answer = NodeStatus::RUNNING;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(second.halts, 1);
    EXPECT_EQ(second.ticks, 1);
    EXPECT_EQ(second.getStatus(), NodeStatus::IDLE);
    EXPECT_EQ(first.halts, 0);
}

TEST_F(ControlNodes, ReactiveFallbackLetsAHigherPriorityChildTakeOver) {
    bt::Tree tree =
        build(R"(<ReactiveFallback><Check name="threat"/><Stub name="wander"/></ReactiveFallback>)");
    auto& threat = node<StubCondition>(tree, "threat");
    auto& wander = node<StubAction>(tree, "wander");
    threat.answer = NodeStatus::FAILURE;
    wander.answer = NodeStatus::RUNNING;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(threat.ticks, 2);

    threat.answer = NodeStatus::SUCCESS;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(wander.halts, 1);
    EXPECT_EQ(wander.ticks, 2);

    threat.answer = NodeStatus::FAILURE;
    wander.answer = NodeStatus::FAILURE;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE);
}

TEST_F(ControlNodes, ReactiveFallbackHaltsLaterChildrenWhenAnEarlierOneRuns) {
    bt::Tree tree =
        build(R"(<ReactiveFallback><Stub name="first"/><Stub name="second"/></ReactiveFallback>)");
    auto& first = node<StubAction>(tree, "first");
    auto& second = node<StubAction>(tree, "second");
    first.answer = NodeStatus::FAILURE;
    second.answer = NodeStatus::RUNNING;
    tree.tickRoot();
    first.answer = NodeStatus::RUNNING;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(second.halts, 1);
}

TEST_F(ControlNodes, HaltTreeReachesTheRunningLeafOnce) {
    bt::Tree tree = build(R"(<Sequence><Fallback><Check name="no"/><Inverter><Stub name="deep"/></Inverter>
                             </Fallback><Stub name="after"/></Sequence>)");
    node<StubCondition>(tree, "no").answer = NodeStatus::FAILURE;
    auto& deep = node<StubAction>(tree, "deep");
    deep.answer = NodeStatus::RUNNING;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);

    tree.haltTree();
    EXPECT_EQ(deep.halts, 1);
    for (const auto& each : tree.getNodes())
        EXPECT_EQ(each->getStatus(), NodeStatus::IDLE) << each->getName();
    tree.haltTree();
    EXPECT_EQ(deep.halts, 1);

    // The sequence starts over after a halt.
    deep.answer = NodeStatus::SUCCESS;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE); // inverted
    EXPECT_EQ(node<StubCondition>(tree, "no").ticks, 2);
}

TEST_F(ControlNodes, DestroyingATreeHaltsItsRunningNodes) {
    int halts = 0;
    {
        bt::Tree tree = build(R"(<Sequence><Stub name="a"/></Sequence>)");
        node<StubAction>(tree, "a").haltLog = &halts;
        node<StubAction>(tree, "a").answer = NodeStatus::RUNNING;
        tree.tickRoot();
    }
    EXPECT_EQ(halts, 1);
}

TEST_F(ControlNodes, ChildrenAnsweringIdleAreRejected) {
    bt::Tree tree = build(R"(<Sequence><Stub name="a"/></Sequence>)");
    node<StubAction>(tree, "a").answer = NodeStatus::IDLE;
    EXPECT_THROW(tree.tickRoot(), bt::LogicError);
}
