#include "TestNodes.hpp"

#include <gtest/gtest.h>

#include <dirent.h>

using bt::NodeStatus;
using bttest::document;
using bttest::ManualClock;
using bttest::node;
using bttest::StubAction;

namespace {

class TimedNodes : public ::testing::Test {
protected:
    bt::Tree build(const std::string& body) { return factory->createTreeFromText(document(body)); }

    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::unique_ptr<bt::BehaviorTreeFactory> factory = bttest::makeFactory(clock);
};

int threadCount() {
    int count = 0;
    if (DIR* tasks = opendir("/proc/self/task")) {
        while (const dirent* entry = readdir(tasks))
            count += entry->d_name[0] != '.';
        closedir(tasks);
    }
    return count;
}

} // namespace

TEST_F(TimedNodes, TimeoutFailsAndHaltsTheChildAtTheDeadline) {
    bt::Tree tree = build(R"(<Timeout msec="100"><Stub name="a"/></Timeout>)");
    auto& a = node<StubAction>(tree, "a");
    a.answer = NodeStatus::RUNNING;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    clock->advance(99);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(a.ticks, 2);
    clock->advance(1);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE);
    EXPECT_EQ(a.ticks, 2);
    EXPECT_EQ(a.halts, 1);
    EXPECT_EQ(a.getStatus(), NodeStatus::IDLE);

    // The next run has a deadline of its own, taken at its first tick.
    clock->advance(1000);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    clock->advance(50);
    a.answer = NodeStatus::SUCCESS;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
}

TEST_F(TimedNodes, TimeoutPassesAChildsFailureOn) {
    bt::Tree tree = build(R"(<Timeout msec="10"><Stub name="a"/></Timeout>)");
    node<StubAction>(tree, "a").answer = NodeStatus::FAILURE;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE);
    EXPECT_EQ(node<StubAction>(tree, "a").ticks, 1);
}

TEST_F(TimedNodes, HaltingATimeoutForgetsItsDeadline) {
    bt::Tree tree = build(R"(<Timeout msec="100"><Stub name="a"/></Timeout>)");
    node<StubAction>(tree, "a").answer = NodeStatus::RUNNING;
    tree.tickRoot();
    clock->advance(90);
    tree.haltTree();
    EXPECT_EQ(node<StubAction>(tree, "a").halts, 1);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    clock->advance(90);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
}

TEST_F(TimedNodes, DelayHoldsTheChildBack) {
    bt::Tree tree = build(R"(<Delay delay_msec="50"><Stub name="a"/></Delay>)");
    auto& a = node<StubAction>(tree, "a");
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    clock->advance(49);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(a.ticks, 0);
    clock->advance(1);
    a.answer = NodeStatus::RUNNING;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    a.answer = NodeStatus::FAILURE;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::FAILURE);
    EXPECT_EQ(a.ticks, 2);

    // Each run waits again.
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(a.ticks, 2);
}

TEST_F(TimedNodes, HaltingADelayRestartsTheWait) {
    bt::Tree tree = build(R"(<Delay delay_msec="50"><Stub name="a"/></Delay>)");
    tree.tickRoot();
    clock->advance(40);
    tree.haltTree();
    tree.tickRoot();
    clock->advance(40);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(node<StubAction>(tree, "a").ticks, 0);
    clock->advance(10);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
}

TEST_F(TimedNodes, ZeroDelayTicksTheChildAtOnce) {
    bt::Tree tree = build(R"(<Delay delay_msec="0"><AlwaysSuccess/></Delay>)");
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
}

TEST_F(TimedNodes, BadDurationsThrow) {
    EXPECT_THROW(build(R"(<Delay delay_msec="-5"><AlwaysSuccess/></Delay>)").tickRoot(), bt::RuntimeError);
    EXPECT_THROW(build(R"(<Timeout><AlwaysSuccess/></Timeout>)").tickRoot(), bt::RuntimeError);
}

TEST_F(TimedNodes, TimedTreesStartNoThreads) {
    const int before = threadCount();
    ASSERT_GT(before, 0);
    bt::BehaviorTreeFactory realTime; // the steady clock
    bt::Tree tree = realTime.createTreeFromText(
        document(R"(<Timeout msec="100000"><Delay delay_msec="100000"><AlwaysSuccess/></Delay></Timeout>)"));
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(threadCount(), before);
}
