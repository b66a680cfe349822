#include "bt/Blackboard.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using bt::Blackboard;

TEST(Blackboard, TypeIsFixedByTheFirstWrite) {
    auto board = Blackboard::create();
    board->set("count", 3);
    board->set("count", 4);
    EXPECT_EQ(board->get<int>("count"), 4);
    EXPECT_THROW(board->set("count", 4.5), bt::LogicError);
    EXPECT_THROW(board->set("count", std::string("5")), bt::LogicError);
    EXPECT_EQ(board->get<int>("count"), 4);
    EXPECT_THROW(board->get<double>("count"), bt::LogicError);
    EXPECT_EQ(board->getEntryType("count"), std::type_index(typeid(int)));
}

TEST(Blackboard, StoredStringsConvertWhenRead) {
    auto board = Blackboard::create();
    board->set("radius", "2.5"); // a literal is stored as std::string
    EXPECT_EQ(board->getEntryType("radius"), std::type_index(typeid(std::string)));
    EXPECT_DOUBLE_EQ(board->get<double>("radius"), 2.5);
    EXPECT_EQ(board->get<std::string>("radius"), "2.5");
    board->set("word", std::string("abc"));
    EXPECT_THROW(board->get<int>("word"), bt::RuntimeError);
}

TEST(Blackboard, MissingKeyThrowsRuntimeError) {
    auto board = Blackboard::create();
    EXPECT_FALSE(board->contains("nothing"));
    EXPECT_FALSE(board->getEntryType("nothing").has_value());
    try {
        board->get<int>("nothing");
        FAIL() << "no exception";
    } catch (const bt::RuntimeError& error) {
        EXPECT_STREQ(error.what(), "blackboard has no entry \"nothing\"");
    }
}

TEST(Blackboard, ChildSeesParentOnlyThroughRemappings) {
    auto parent = Blackboard::create();
    parent->set("target", 7);
    parent->set("private", 1);
    auto child = Blackboard::create(parent);
    child->addSubtreeRemapping("goal", "target");

    EXPECT_EQ(child->get<int>("goal"), 7);
    EXPECT_FALSE(child->contains("private"));
    EXPECT_FALSE(child->contains("target"));

    child->set("goal", 9); // written through to the parent's entry
    EXPECT_EQ(parent->get<int>("target"), 9);
    EXPECT_TRUE(child->getKeys().empty());

    child->set("local", 1);
    EXPECT_FALSE(parent->contains("local"));
    EXPECT_EQ(child->getParent(), parent);
}

TEST(Blackboard, RemappedWriteCreatesTheParentEntry) {
    auto parent = Blackboard::create();
    auto child = Blackboard::create(parent);
    child->addSubtreeRemapping("out", "result");
    child->set("out", std::string("done"));
    EXPECT_EQ(parent->get<std::string>("result"), "done");
    EXPECT_THROW(child->set("out", 1), bt::LogicError); // the parent's entry fixed the type
}

TEST(Blackboard, PointerValuesKeepTheirIdentity) {
    struct Thing {
        int id;
    };
    const Thing thing{5};
    auto board = Blackboard::create();
    board->set<const Thing*>("thing", &thing);
    EXPECT_EQ(board->get<const Thing*>("thing"), &thing);
    board->set<const Thing*>("thing", nullptr);
    EXPECT_EQ(board->get<const Thing*>("thing"), nullptr);
}
