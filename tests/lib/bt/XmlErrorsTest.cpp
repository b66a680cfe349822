#include "TestNodes.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

struct BadText {
    const char* label;
    std::string text;
    std::string message; // the exact text, or its start when ending with "..."
};

std::ostream& operator<<(std::ostream& out, const BadText& bad) {
    return out << bad.label;
}

class XmlErrors : public ::testing::TestWithParam<BadText> {};

const BadText badTexts[] = {
    {"MalformedXml", "<root><BehaviorTree ID=\"M\"><Sequence></BehaviorTree></root>", "invalid XML: ..."},
    {"EmptyText", "", "invalid XML: ..."},
    {"WrongTopElement", "<tree><BehaviorTree><Stub/></BehaviorTree></tree>",
     "the tree text's top element must be <root>"},
    {"UnknownNodeWithLine",
     "<root>\n<BehaviorTree ID=\"M\">\n<Sequence>\n<FindTargett/>\n</Sequence>\n"
     "</BehaviorTree>\n</root>",
     "unknown node type \"FindTargett\" at line 4"},
    {"UnknownExplicitNode", "<root><BehaviorTree><Action ID=\"Nope\"/></BehaviorTree></root>",
     "unknown node type \"Nope\" at line 1"},
    {"ExplicitWithoutId", "<root><BehaviorTree><Action/></BehaviorTree></root>",
     "<Action> at line 1 needs an ID attribute"},
    {"ExplicitKindMismatch",
     "<root><BehaviorTree><Action ID=\"Sequence\"><Stub/></Action></BehaviorTree></root>",
     "node type \"Sequence\" at line 1 is registered as Control, not as Action"},
    {"UnknownPort", "<root>\n<BehaviorTree>\n<Stub speed=\"3\"/></BehaviorTree></root>",
     "node \"Stub\" at line 3 has no port \"speed\""},
    {"LiteralOutput", "<root><BehaviorTree><Out value=\"3\"/></BehaviorTree></root>",
     "output port \"value\" of node \"Out\" at line 1 must name a blackboard entry like {key}, not \"3\""},
    {"DecoratorWithoutChild", "<root><BehaviorTree><Inverter/></BehaviorTree></root>",
     "decorator \"Inverter\" at line 1 needs exactly one child, not 0"},
    {"DecoratorWithTwoChildren",
     "<root><BehaviorTree><Inverter><Stub/><Stub/></Inverter></BehaviorTree></root>",
     "decorator \"Inverter\" at line 1 needs exactly one child, not 2"},
    {"ControlWithoutChildren", "<root><BehaviorTree><Fallback/></BehaviorTree></root>",
     "control node \"Fallback\" at line 1 needs at least one child"},
    {"LeafWithChild", "<root><BehaviorTree><Stub><Stub/></Stub></BehaviorTree></root>",
     "Action \"Stub\" at line 1 cannot have children"},
    {"TreeWithTwoRoots", "<root><BehaviorTree ID=\"M\"><Stub/><Stub/></BehaviorTree></root>",
     "BehaviorTree \"M\" at line 1 must hold exactly one node, not 2"},
    {"TreeWithoutNodes", "<root><BehaviorTree ID=\"M\"></BehaviorTree></root>",
     "BehaviorTree \"M\" at line 1 must hold exactly one node, not 0"},
    {"NoTrees", "<root><TreeNodesModel/></root>", "no BehaviorTree in the text"},
    {"NoMainTree",
     "<root><BehaviorTree ID=\"A\"><Stub/></BehaviorTree><BehaviorTree ID=\"B\"><Stub/>"
     "</BehaviorTree></root>",
     "no main tree: <root> needs main_tree_to_execute when it holds several trees"},
    {"MainTreeMissing",
     "<root main_tree_to_execute=\"C\"><BehaviorTree ID=\"A\"><Stub/></BehaviorTree></root>",
     "main tree \"C\" named at line 1 does not exist"},
    {"DuplicateTreeId",
     "<root main_tree_to_execute=\"A\"><BehaviorTree ID=\"A\"><Stub/></BehaviorTree>\n"
     "<BehaviorTree ID=\"A\"><Stub/></BehaviorTree></root>",
     "BehaviorTree ID \"A\" at line 2 is used twice"},
    {"MissingTreeIdAmongSeveral",
     "<root main_tree_to_execute=\"A\"><BehaviorTree ID=\"A\"><Stub/></BehaviorTree>"
     "<BehaviorTree><Stub/></BehaviorTree></root>",
     "BehaviorTree without ID at line 1; trees need IDs when there are several"},
    {"UnexpectedTopLevelElement",
     "<root><include path=\"x.xml\"/><BehaviorTree><Stub/></BehaviorTree></root>",
     "unexpected element <include> at line 1; <root> holds <BehaviorTree> and <TreeNodesModel> elements"},
    {"UnknownSubTree", "<root>\n<BehaviorTree ID=\"M\"><SubTree ID=\"Gone\"/></BehaviorTree></root>",
     "SubTree ID \"Gone\" at line 2 names no BehaviorTree"},
    {"SubTreeWithoutId", "<root><BehaviorTree ID=\"M\"><SubTree/></BehaviorTree></root>",
     "<SubTree> at line 1 needs an ID attribute"},
    {"RecursiveSubTree",
     "<root main_tree_to_execute=\"A\"><BehaviorTree ID=\"A\"><SubTree ID=\"B\"/>"
     "</BehaviorTree>\n<BehaviorTree ID=\"B\"><Inverter><SubTree ID=\"A\"/></Inverter>"
     "</BehaviorTree></root>",
     "SubTree ID \"A\" at line 2 includes itself"},
    {"SubTreeWithChildren",
     "<root main_tree_to_execute=\"A\"><BehaviorTree ID=\"A\"><SubTree ID=\"B\"><Stub/>"
     "</SubTree></BehaviorTree><BehaviorTree ID=\"B\"><Stub/></BehaviorTree></root>",
     "SubTree \"B\" at line 1 cannot hold nodes"},
    {"SharedSubTreeWithPorts",
     "<root main_tree_to_execute=\"A\"><BehaviorTree ID=\"A\"><SubTree ID=\"B\" "
     "__shared_blackboard=\"true\" x=\"{y}\"/></BehaviorTree><BehaviorTree ID=\"B\">"
     "<Stub/></BehaviorTree></root>",
     "SubTree \"B\" at line 1 shares its parent's blackboard and takes no ports, not \"x\""},
    {"LiteralOutOfRange", "<root><BehaviorTree><Wait sec=\"1e308\"/></BehaviorTree></root>",
     "port \"sec\" of node \"Wait\" at line 1: value \"1e308\" is out of range for float"},
    {"LiteralNotFinite", "<root><BehaviorTree><Wait sec=\"nan\"/></BehaviorTree></root>",
     "port \"sec\" of node \"Wait\" at line 1: value \"nan\" is not a finite float"},
    {"LiteralRefusedByThePort", "<root><BehaviorTree><Wait sec=\"-1\"/></BehaviorTree></root>",
     "port \"sec\" of node \"Wait\" at line 1: no negative waits"},
    {"SubTreeLiteralReachingATypedPort",
     "<root main_tree_to_execute=\"A\"><BehaviorTree ID=\"A\"><SubTree ID=\"B\" t=\"soon\"/>"
     "</BehaviorTree>\n<BehaviorTree ID=\"B\"><Wait sec=\"{t}\"/></BehaviorTree></root>",
     "port \"sec\" of node \"Wait\" at line 2: cannot convert \"soon\" to float"},
};

TEST_P(XmlErrors, ThrowRuntimeErrorWithTheReason) {
    auto factory = bttest::makeFactory();
    factory->registerSimpleAction("Out", [](bt::TreeNode&) { return bt::NodeStatus::SUCCESS; },
                                  {bt::OutputPort<int>("value")});
    const bt::PortValueCheck<float> notNegative = [](const float& sec) {
        if (sec < 0)
            throw std::invalid_argument("no negative waits");
    };
    factory->registerSimpleAction("Wait", [](bt::TreeNode&) { return bt::NodeStatus::SUCCESS; },
                                  {bt::InputPort<float>("sec", notNegative)});
    const BadText& bad = GetParam();
    try {
        factory->createTreeFromText(bad.text);
        FAIL() << "no exception";
    } catch (const bt::RuntimeError& error) {
        const std::string what = error.what();
        if (bad.message.ends_with("...")) {
            const std::string start = bad.message.substr(0, bad.message.size() - 3);
            EXPECT_TRUE(what.starts_with(start)) << what;
            EXPECT_GT(what.size(), start.size()) << what;
        } else {
            EXPECT_EQ(what, bad.message);
        }
    }
}

// Every SubTree use copies the tree it names: 28 levels of two uses would be 2^28 nodes.
TEST(XmlLimits, ATreeThatExpandsPastTheNodeLimitIsRefused) {
    std::string text = "<root main_tree_to_execute=\"L0\">";
    for (int level = 0; level < 28; ++level)
        text += "<BehaviorTree ID=\"L" + std::to_string(level) + "\"><Sequence><SubTree ID=\"L" +
                std::to_string(level + 1) + "\"/><SubTree ID=\"L" + std::to_string(level + 1) +
                "\"/></Sequence></BehaviorTree>";
    text += "<BehaviorTree ID=\"L28\"><Stub/></BehaviorTree></root>";
    auto factory = bttest::makeFactory();
    try {
        factory->createTreeFromText(text);
        FAIL() << "no exception";
    } catch (const bt::RuntimeError& error) {
        EXPECT_TRUE(std::string(error.what()).starts_with("the tree has more than 10000 nodes"))
            << error.what();
    }
    factory->setMaxTreeNodes(3);
    EXPECT_NO_THROW(factory->createTreeFromText(
        "<root><BehaviorTree><Inverter><Stub/></Inverter></BehaviorTree></root>"));
    EXPECT_THROW(factory->createTreeFromText("<root><BehaviorTree><Sequence><Stub/><Stub/><Stub/></Sequence>"
                                             "</BehaviorTree></root>"),
                 bt::RuntimeError);
}

INSTANTIATE_TEST_SUITE_P(AllCases, XmlErrors, ::testing::ValuesIn(badTexts),
                         [](const ::testing::TestParamInfo<BadText>& info) { return info.param.label; });

} // namespace
