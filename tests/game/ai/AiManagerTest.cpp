#include "AiTestSupport.hpp"

#include "game/ai/EntityInjectedBTNode_base.hpp"
#include "game/ai/RegisterBTNodeData.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>

namespace {

using namespace aitest;

struct Services {
    orv::ResourceManager resources;
    tarsk::RandomNumberGenerator random{1};
    tarsk::AttackManager attacks;
};

TEST(AiManager, KnowsEveryXmlFileBelowItsFolderByName) {
    testsupport::TempFolder folder;
    folder.write("frog.xml", treeText("<AlwaysFailure/>"));
    folder.write("swamp/frog.xml", treeText("<AlwaysSuccess/>")); // later in path order: wins
    folder.write("deep/down/bird.xml", treeText("<AlwaysFailure/>"));
    folder.write("loud.XML", treeText("<AlwaysSuccess/>"));
    folder.write("frog.xml.bak", "not a tree");
    folder.write("two.dots.xml", "<not a tree");
    std::filesystem::create_directories(folder.path() / "empty.xml");

    Services services;
    tarsk::AiManager manager(services.resources, services.random, services.attacks, folder.path());
    EXPECT_EQ(manager.getTreeNames(), (std::vector<std::string>{"bird", "frog", "two.dots"}));
    EXPECT_EQ(manager.createTree("bird").tickRoot(), bt::NodeStatus::FAILURE);
    EXPECT_EQ(manager.createTree("frog").tickRoot(), bt::NodeStatus::SUCCESS);
    EXPECT_TRUE(services.resources.get((folder.path() / "deep/down/bird.xml").string()).isLoaded());

    // Bad text shows when a tree is made; an unknown name is refused and not remembered.
    EXPECT_THROW(manager.createTree("two.dots"), bt::RuntimeError);
    EXPECT_THROW(manager.createTree("frgo"), std::out_of_range);
    EXPECT_FALSE(manager.hasTree("frgo"));
    EXPECT_THROW(
        tarsk::AiManager(services.resources, services.random, services.attacks, folder.path() / "none"),
        std::filesystem::filesystem_error);
}

TEST(AiManager, TreesAreIndependentWithTheirOwnBlackboards) {
    Library library({{"probe", treeText(R"(<SelectRandomPositionInCircle circleOrigin="0;0"
                                               circleRadiusOuter="1" position="{spot}"/>)")}});
    bt::Tree first = library->createTree("probe");
    bt::Tree second = library->createTree("probe");
    EXPECT_NE(first.getRootNode(), second.getRootNode());
    EXPECT_EQ(first.getRootBlackboard()->getParent(), nullptr);
    ASSERT_EQ(first.tickRoot(), bt::NodeStatus::SUCCESS);
    EXPECT_TRUE(first.getRootBlackboard()->contains("spot"));
    EXPECT_FALSE(second.getRootBlackboard()->contains("spot"));
}

// Values the game's nodes could not use stop the tree from being made, not the running game.
TEST(AiManager, LiteralPortsAreConvertedAndCheckedWhenATreeIsMade) {
    Library library({{"lazy", treeText(R"(<IdleWorldTime sec="1e308"/>)")},
                     {"endless", treeText(R"(<IdleWorldTime min="1e30"/>)")},
                     {"lost", treeText(R"(<SteeringSeek goal="nan;nan"/>)")},
                     {"flat", treeText(R"(<IsCloseToGoal goal="1" delta="1"/>)")},
                     {"fine", treeText(R"(<Sequence><IdleWorldTime sec="1.5" ms="2"/>
                                            <IsCloseToGoal goal="1;-2" delta="0.5"/></Sequence>)")}});
    for (const char* bad : {"lazy", "endless", "lost", "flat"})
        EXPECT_THROW(library->createTree(bad), bt::RuntimeError) << bad;
    EXPECT_NO_THROW(library->createTree("fine"));
}

// The XML parser's cost grows with the square of an element's attributes: refused before it runs.
TEST(AiManager, AnElementWithMoreAttributesThanAnyNodeUsesIsRefusedQuicklyNamingTheFile) {
    std::string text = "<root";
    for (int i = 0; i < 100000; ++i)
        text += " a" + std::to_string(i) + "=\"1\"";
    testsupport::TempFolder folder;
    folder.write("frog.xml", text + R"(><BehaviorTree ID="Main"><AlwaysSuccess/></BehaviorTree></root>)");
    Services services;
    const tarsk::AiManager manager(services.resources, services.random, services.attacks, folder.path());
    const auto start = std::chrono::steady_clock::now();
    try {
        manager.createTree("frog");
        ADD_FAILURE() << "the tree was made";
    } catch (const bt::RuntimeError& error) {
        EXPECT_EQ(std::string(error.what()), (folder.path() / "frog.xml").generic_string() +
                                                 ": element <root> at line 1 has more than 64 attributes");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(RegisterBTNodeData, RegistersTheGamesNodesWithTheirKindsAndPorts) {
    // Kind, then each port as name:type, with '>' before outputs.
    const std::map<std::string, std::string> expected{
        {"debug_SetEntityToPosition", "A position:v"},
        {"GetPositionXY", "A >positionXY:v"},
        {"IdleFrameTime", "A min:f ms:f sec:f"},
        {"IdleWorldTime", "A h:f min:f ms:f sec:f"},
        {"IsCloseToGoal", "C delta:f goal:v"},
        {"SelectRandomPositionInCircle",
         "A circleOrigin:v circleRadiusInner:f circleRadiusOuter:f >position:v"},
        {"SteeringSeek", "A goal:v slowingRadius:f"},
        {"SteeringSeekUntilReachedOrAborted", "A delta:f goal:v slowingRadius:f"},
        {"GetTileIdAtPosition", "A positionXY:v >tileId:s"},
        {"IsEntityRefValid", "C entity:e"},
        {"debug_ExecuteAttack", "A attackId:s target:e"},
        {"FindTarget", "A filterFactions:s maxDist:f requireFactions:s >target:e"},
        {"SteeringPursuit", "A target:e"},
        {"IsCloseToEntity", "C delta:f target:e"},
    };
    const std::map<std::type_index, char> types{{typeid(sf::Vector2f), 'v'},
                                                {typeid(float), 'f'},
                                                {typeid(std::string), 's'},
                                                {typeid(const orv::Entity*), 'e'}};
    bt::BehaviorTreeFactory factory;
    const std::size_t builtins = factory.getRegisteredIds().size();
    Services services;
    tarsk::registerBTNodeData(factory, services.random, services.attacks);
    EXPECT_EQ(factory.getRegisteredIds().size(), builtins + expected.size());

    for (const auto& [id, description] : expected) {
        const bt::TreeNodeManifest* manifest = factory.getManifest(id);
        ASSERT_NE(manifest, nullptr) << id;
        std::map<std::string, std::string> ports;
        for (const auto& [name, info] : manifest->ports) {
            ASSERT_TRUE(info.getType() && types.contains(*info.getType())) << id << "." << name;
            EXPECT_NE(info.isInput(), info.isOutput()) << id << "." << name;
            ports[name] = (info.isOutput() ? ">" : "") + name + ":" + types.at(*info.getType());
        }
        std::string actual = manifest->type == bt::NodeType::CONDITION ? "C" : "A";
        EXPECT_TRUE(manifest->type == bt::NodeType::CONDITION || manifest->type == bt::NodeType::ACTION);
        for (const auto& [name, text] : ports)
            actual += " " + text;
        EXPECT_EQ(actual, description) << id;
        auto node = factory.instantiateTreeNode("n", id, {bt::Blackboard::create(), {}, {}});
        EXPECT_NE(dynamic_cast<tarsk::EntityInjectedBTNode_base*>(node.get()), nullptr) << id;
    }
    EXPECT_THROW(tarsk::registerBTNodeData(factory, services.random, services.attacks), bt::LogicError);
}

} // namespace
