#include "TestNodes.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using bt::NodeStatus;
using bttest::document;
using bttest::node;
using bttest::StubAction;

namespace {

struct Thing {
    int id;
};

// Writes a thing to "out" and a number to "number".
class Produce : public bt::SyncActionNode {
public:
    Produce(const std::string& name, const bt::NodeConfiguration& config, const Thing& thing)
        : SyncActionNode(name, config), thing(thing) {}
    static bt::PortsList providedPorts() {
        return {bt::OutputPort<const Thing*>("out"), bt::OutputPort<double>("number")};
    }

protected:
    NodeStatus tick() override {
        setOutput<const Thing*>("out", &thing);
        setOutput("number", 2.5);
        return NodeStatus::SUCCESS;
    }

private:
    const Thing& thing;
};

// Succeeds when "in" holds a thing, remembers what it read.
class Consume : public bt::ConditionNode {
public:
    Consume(const std::string& name, const bt::NodeConfiguration& config) : ConditionNode(name, config) {}
    static bt::PortsList providedPorts() {
        return {bt::InputPort<const Thing*>("in"), bt::InputPort<double>("number")};
    }
    const Thing* seen = nullptr;
    double number = 0;

protected:
    NodeStatus tick() override {
        seen = getInput<const Thing*>("in").value_or(nullptr);
        number = getInput<double>("number").value_or(-1);
        return seen ? NodeStatus::SUCCESS : NodeStatus::FAILURE;
    }
};

class Factory : public ::testing::Test {
protected:
    Factory() {
        factory->registerBuilder(bt::BehaviorTreeFactory::buildManifest<Produce>("Produce"),
                                 [this](const std::string& name, const bt::NodeConfiguration& config) {
                                     return std::make_unique<Produce>(name, config, thing);
                                 });
        factory->registerNodeType<Consume>("Consume");
    }

    Thing thing{42};
    std::unique_ptr<bt::BehaviorTreeFactory> factory = bttest::makeFactory();
};

} // namespace

TEST_F(Factory, BuiltinsAreRegistered) {
    const std::vector<std::string> expected{"AlwaysFailure", "AlwaysSuccess",        "Delay",
                                            "Fallback",      "ForceFailure",         "ForceSuccess",
                                            "Inverter",      "ReactiveFallback",     "ReactiveSequence",
                                            "Repeat",        "RetryUntilSuccessful", "Sequence",
                                            "Timeout"};
    bt::BehaviorTreeFactory plain;
    EXPECT_EQ(plain.getBuiltinIds(), expected);
    EXPECT_EQ(plain.getRegisteredIds(), expected);
    EXPECT_EQ(plain.getManifest("Sequence")->type, bt::NodeType::CONTROL);
    EXPECT_EQ(plain.getManifest("Timeout")->type, bt::NodeType::DECORATOR);
    EXPECT_EQ(plain.getManifest("AlwaysFailure")->type, bt::NodeType::ACTION);
    EXPECT_EQ(plain.getManifest("Repeat")->ports.count("num_cycles"), 1u);
    EXPECT_EQ(plain.getManifest("Nope"), nullptr);
}

TEST_F(Factory, ManifestsComeFromTheNodeClass) {
    const bt::TreeNodeManifest* manifest = factory->getManifest("Consume");
    ASSERT_NE(manifest, nullptr);
    EXPECT_EQ(manifest->type, bt::NodeType::CONDITION);
    EXPECT_EQ(manifest->registrationId, "Consume");
    ASSERT_EQ(manifest->ports.size(), 2u);
    EXPECT_EQ(*manifest->ports.at("in").getType(), std::type_index(typeid(const Thing*)));
    EXPECT_EQ(factory->getManifest("Stub")->type, bt::NodeType::ACTION);
    EXPECT_TRUE(factory->getManifest("Stub")->ports.empty());
}

TEST_F(Factory, RegistrationMistakesAreLogicErrors) {
    EXPECT_THROW(factory->registerNodeType<StubAction>("Stub"), bt::LogicError);
    EXPECT_THROW(factory->registerNodeType<StubAction>("Sequence"), bt::LogicError);
    EXPECT_THROW(factory->registerNodeType<StubAction>("SubTree"), bt::LogicError);
    EXPECT_THROW(factory->registerNodeType<StubAction>("Action"), bt::LogicError);
    EXPECT_THROW(factory->registerNodeType<StubAction>(""), bt::LogicError);
    EXPECT_THROW(factory->registerBuilder({bt::NodeType::ACTION, "NoBuilder", {}}, nullptr), bt::LogicError);
    EXPECT_THROW(
        factory->registerBuilder({bt::NodeType::UNDEFINED, "NoType", {}},
                                 [](const std::string&, const bt::NodeConfiguration&) { return nullptr; }),
        bt::LogicError);
    try {
        factory->registerNodeType<StubAction>("Stub");
    } catch (const bt::LogicError& error) {
        EXPECT_STREQ(error.what(), "ID [Stub] already registered");
    }
    EXPECT_TRUE(factory->unregisterBuilder("Stub"));
    EXPECT_FALSE(factory->unregisterBuilder("Stub"));
    factory->registerNodeType<StubAction>("Stub");
}

TEST_F(Factory, BuildersMustMakeWhatTheyRegistered) {
    factory->registerBuilder({bt::NodeType::CONDITION, "Liar", {}},
                             [](const std::string& name, const bt::NodeConfiguration& config) {
                                 return std::make_unique<StubAction>(name, config);
                             });
    factory->registerBuilder({bt::NodeType::ACTION, "Nothing", {}},
                             [](const std::string&, const bt::NodeConfiguration&) { return nullptr; });
    EXPECT_THROW(factory->createTreeFromText(document("<Liar/>")), bt::LogicError);
    EXPECT_THROW(factory->createTreeFromText(document("<Nothing/>")), bt::LogicError);
}

TEST_F(Factory, NodesPassValuesThroughTheBlackboard) {
    bt::Tree tree = factory->createTreeFromText(document(
        R"(<Sequence><Produce out="{target}" number="{n}"/><Consume name="c" in="{target}" number="{n}"/>
                    </Sequence>)"));
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(node<Consume>(tree, "c").seen, &thing);
    EXPECT_DOUBLE_EQ(node<Consume>(tree, "c").number, 2.5);
    EXPECT_EQ(tree.getRootBlackboard()->get<const Thing*>("target"), &thing);
}

TEST_F(Factory, TwoTreesFromOneTextShareNothing) {
    const std::string text = document(
        R"(<Sequence><Stub name="s"/><Produce out="{target}"/><Consume name="c" in="{target}"/></Sequence>)");
    bt::Tree first = factory->createTreeFromText(text, bt::Blackboard::create());
    bt::Tree second = factory->createTreeFromText(text, bt::Blackboard::create());
    ASSERT_EQ(first.getNodes().size(), second.getNodes().size());
    for (std::size_t i = 0; i < first.getNodes().size(); ++i)
        EXPECT_NE(first.getNodes()[i].get(), second.getNodes()[i].get());
    EXPECT_NE(first.getRootBlackboard(), second.getRootBlackboard());

    node<StubAction>(first, "s").answer = NodeStatus::RUNNING;
    EXPECT_EQ(second.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_TRUE(second.getRootBlackboard()->contains("target"));
    EXPECT_FALSE(first.getRootBlackboard()->contains("target"));
    EXPECT_EQ(first.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(node<StubAction>(second, "s").ticks, 1);
}

TEST_F(Factory, NodesAreListedRootFirstInPreOrder) {
    bt::Tree tree = factory->createTreeFromText(
        document(R"(<Sequence name="root"><Fallback name="f"><Stub name="a"/><Stub name="b"/></Fallback>
                    <Inverter name="i"><Stub name="c"/></Inverter></Sequence>)"));
    std::vector<std::string> names;
    for (const auto& each : tree.getNodes())
        names.push_back(each->getName());
    EXPECT_EQ(names, (std::vector<std::string>{"root", "f", "a", "b", "i", "c"}));
    EXPECT_EQ(tree.getRootNode()->getName(), "root");
    EXPECT_EQ(tree.getNodes()[2]->getRegistrationId(), "Stub");
}

TEST_F(Factory, ExplicitAndCompactFormsAreTheSame) {
    bt::Tree tree = factory->createTreeFromText(
        document(R"(<Control ID="Sequence" name="s"><Action ID="Stub" name="a"/><Condition ID="Check"/>
                    <Decorator ID="Inverter"><Action ID="AlwaysFailure"/></Decorator></Control>)"));
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(node<StubAction>(tree, "a").ticks, 1);
    EXPECT_EQ(tree.getNodes()[2]->getName(), "Check"); // unnamed nodes take their id
}

TEST_F(Factory, ModelsAndCommentsAreIgnoredAndASingleTreeIsMain) {
    bt::Tree tree = factory->createTreeFromText(R"(
        <root>
          <!-- the only tree -->
          <BehaviorTree ID="Only"><Stub name="a"/></BehaviorTree>
          <TreeNodesModel><Action ID="Stub"/><Whatever/></TreeNodesModel>
        </root>)");
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(node<StubAction>(tree, "a").ticks, 1);
}

TEST_F(Factory, SubTreesRemapTheirPortsToTheParent) {
    const std::string text = R"(
        <root main_tree_to_execute="Main">
          <BehaviorTree ID="Main">
            <Sequence>
              <SubTree ID="Make" result="{found}"/>
              <Consume name="outer" in="{found}" number="{n}"/>
            </Sequence>
          </BehaviorTree>
          <BehaviorTree ID="Make">
            <Sequence>
              <Produce out="{result}" number="{n}"/>
              <Consume name="inner" in="{result}" number="{n}"/>
            </Sequence>
          </BehaviorTree>
        </root>)";
    auto board = bt::Blackboard::create();
    board->set("n", 7.0);
    bt::Tree tree = factory->createTreeFromText(text, board);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(node<Consume>(tree, "outer").seen, &thing);
    EXPECT_EQ(node<Consume>(tree, "inner").seen, &thing);
    // "n" was not remapped: the sub-tree wrote its own, the parent keeps 7.
    EXPECT_DOUBLE_EQ(node<Consume>(tree, "outer").number, 7.0);
    EXPECT_DOUBLE_EQ(node<Consume>(tree, "inner").number, 2.5);
    ASSERT_EQ(tree.getBlackboards().size(), 2u);
    EXPECT_EQ(tree.getBlackboards()[1]->getParent(), board);
    EXPECT_EQ(tree.getNodes()[1]->getType(), bt::NodeType::SUBTREE);
}

TEST_F(Factory, SubTreeLiteralsAndSharedBlackboards) {
    const std::string text = R"(
        <root main_tree_to_execute="Main">
          <BehaviorTree ID="Main">
            <Sequence>
              <SubTree ID="Count" times="2"/>
              <SubTree ID="Write" __shared_blackboard="true"/>
              <Consume name="c" in="{thing}"/>
            </Sequence>
          </BehaviorTree>
          <BehaviorTree ID="Count"><Repeat num_cycles="{times}"><Stub name="s"/></Repeat></BehaviorTree>
          <BehaviorTree ID="Write"><Produce out="{thing}"/></BehaviorTree>
        </root>)";
    bt::Tree tree = factory->createTreeFromText(text);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(node<StubAction>(tree, "s").ticks, 2);
    EXPECT_EQ(node<Consume>(tree, "c").seen, &thing);
    EXPECT_EQ(tree.getBlackboards().size(), 2u); // the shared one adds none
}

TEST_F(Factory, ASubTreeUsedTwiceGetsTwoInstances) {
    const std::string text = R"(
        <root main_tree_to_execute="Main">
          <BehaviorTree ID="Main"><Sequence><SubTree ID="Leaf"/><SubTree ID="Leaf"/></Sequence></BehaviorTree>
          <BehaviorTree ID="Leaf"><Stub/></BehaviorTree>
        </root>)";
    bt::Tree tree = factory->createTreeFromText(text);
    std::vector<const StubAction*> stubs;
    for (const auto& each : tree.getNodes())
        if (auto* stub = dynamic_cast<const StubAction*>(each.get()))
            stubs.push_back(stub);
    ASSERT_EQ(stubs.size(), 2u);
    EXPECT_NE(stubs[0], stubs[1]);
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(stubs[0]->ticks + stubs[1]->ticks, 2);
}

TEST_F(Factory, TickRootResetsAFinishedRoot) {
    bt::Tree tree = factory->createTreeFromText(document(R"(<Stub name="a"/>)"));
    EXPECT_EQ(tree.tickRoot(), NodeStatus::SUCCESS);
    EXPECT_EQ(tree.getRootNode()->getStatus(), NodeStatus::IDLE);
    node<StubAction>(tree, "a").answer = NodeStatus::RUNNING;
    EXPECT_EQ(tree.tickRoot(), NodeStatus::RUNNING);
    EXPECT_EQ(tree.getRootNode()->getStatus(), NodeStatus::RUNNING);
}

TEST(Tree, EmptyTreeThrowsAndHaltsQuietly) {
    bt::Tree empty;
    try {
        empty.tickRoot();
        FAIL() << "no exception";
    } catch (const bt::RuntimeError& error) {
        EXPECT_STREQ(error.what(), "Empty Tree");
    }
    empty.haltTree();
    EXPECT_EQ(empty.getRootNode(), nullptr);
    EXPECT_EQ(empty.getRootBlackboard(), nullptr);
}
