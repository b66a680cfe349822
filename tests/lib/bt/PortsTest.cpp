#include "TestNodes.hpp"

#include <gtest/gtest.h>

#include <string>

using bt::NodeStatus;
using bttest::StubAction;

namespace {

struct Thing {
    int id;
};

StubAction makeNode(bt::PortsRemapping inputs, bt::PortsRemapping outputs = {},
                    bt::Blackboard::Ptr board = bt::Blackboard::create()) {
    return StubAction("node", bt::NodeConfiguration{std::move(board), std::move(inputs), std::move(outputs)});
}

} // namespace

TEST(Ports, LiteralsConvertToThePortType) {
    StubAction node("node",
                    bt::NodeConfiguration{bt::Blackboard::create(), {{"dist", "2.5"}, {"name", "frog"}}, {}});
    EXPECT_FLOAT_EQ(node.getInput<float>("dist").value(), 2.5f);
    EXPECT_EQ(node.getInput<std::string>("name").value(), "frog");
    EXPECT_EQ(node.getInput<std::string>("dist").value(), "2.5");
}

TEST(Ports, BracedValuesReadTheBlackboard) {
    auto board = bt::Blackboard::create();
    board->set("d", 4.0f);
    board->set("text", "7");
    StubAction node("node", bt::NodeConfiguration{board, {{"dist", "{d}"}, {"count", "{text}"}}, {}});
    EXPECT_FLOAT_EQ(node.getInput<float>("dist").value(), 4.0f);
    EXPECT_EQ(node.getInput<int>("count").value(), 7);
    board->set("d", 5.0f); // read anew every time
    EXPECT_FLOAT_EQ(node.getInput<float>("dist").value(), 5.0f);
}

TEST(Ports, FailuresAreErrorsNotExceptions) {
    auto board = bt::Blackboard::create();
    board->set("n", 3);
    StubAction node("node", bt::NodeConfiguration{
                                board, {{"bad", "1.5abc"}, {"missing", "{nothing}"}, {"n", "{n}"}}, {}});

    const auto unmapped = node.getInput<float>("delta");
    ASSERT_FALSE(unmapped.has_value());
    EXPECT_EQ(unmapped.error(), "input port \"delta\" of node \"node\": not set");
    EXPECT_FLOAT_EQ(unmapped.value_or(0.2f), 0.2f);

    const auto bad = node.getInput<float>("bad");
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error(), "input port \"bad\" of node \"node\": cannot convert \"1.5abc\" to float");

    const auto missing = node.getInput<int>("missing");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(),
              "input port \"missing\" of node \"node\": blackboard has no entry \"nothing\"");

    EXPECT_FALSE(node.getInput<std::string>("n"));    // an int entry is not a string
    EXPECT_FALSE(node.getInput<const Thing*>("bad")); // no conversion exists: LogicError caught
}

TEST(Ports, ValueOfAnErrorThrowsTheAccessError) {
    StubAction node = makeNode({});
    const auto result = node.getInput<float>("goal");
    try {
        (void)result.value();
        FAIL() << "no exception";
    } catch (const bt::BadExpectedAccess& error) {
        EXPECT_STREQ(error.what(), "bad_expected_access");
        EXPECT_EQ(error.error(), "input port \"goal\" of node \"node\": not set");
    }
}

TEST(Ports, RequiredInputThrowsRuntimeError) {
    StubAction node = makeNode({{"n", "x"}});
    try {
        node.getRequiredInput<int>("n");
        FAIL() << "no exception";
    } catch (const bt::RuntimeError& error) {
        EXPECT_STREQ(
            error.what(),
            "missing required input [n]: input port \"n\" of node \"node\": cannot convert \"x\" to int");
    }
}

TEST(Ports, OutputsWriteTheNamedEntry) {
    auto board = bt::Blackboard::create();
    StubAction node = makeNode({}, {{"target", "{t}"}, {"literal", "t"}}, board);
    const Thing thing{1};

    EXPECT_TRUE(node.setOutput<const Thing*>("target", &thing));
    EXPECT_EQ(board->get<const Thing*>("t"), &thing);

    const bt::Result unmapped = node.setOutput("other", 1);
    EXPECT_FALSE(unmapped);
    EXPECT_EQ(unmapped.error(), "output port \"other\" of node \"node\": not set");
    EXPECT_FALSE(node.setOutput("literal", 1));
    // The entry's type is fixed: a write of another type fails without throwing.
    const bt::Result mismatch = node.setOutput("target", 5);
    EXPECT_FALSE(mismatch);
    EXPECT_THROW(mismatch.value(), bt::BadExpectedAccess);
    EXPECT_EQ(board->get<const Thing*>("t"), &thing);
}

TEST(Ports, OneNodesOutputIsAnothersInput) {
    auto board = bt::Blackboard::create();
    StubAction writer = makeNode({}, {{"position", "{spot}"}}, board);
    StubAction reader = makeNode({{"goal", "{spot}"}}, {}, board);
    ASSERT_TRUE(writer.setOutput("position", 12.5));
    EXPECT_DOUBLE_EQ(reader.getInput<double>("goal").value(), 12.5);
}

TEST(Ports, BlackboardKeySyntax) {
    EXPECT_EQ(bt::TreeNode::blackboardKey("{goal}"), "goal");
    EXPECT_FALSE(bt::TreeNode::blackboardKey("goal").has_value());
    EXPECT_FALSE(bt::TreeNode::blackboardKey("{}").has_value());
    EXPECT_FALSE(bt::TreeNode::blackboardKey("{goal").has_value());
    EXPECT_FALSE(bt::TreeNode::blackboardKey("x{goal}").has_value());
}
