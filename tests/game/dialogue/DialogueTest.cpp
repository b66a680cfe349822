#include "DialogueTestSupport.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "game/dialogue/DefaultTextDialogueFactory.hpp"
#include "game/dialogue/DialogueDataManager.hpp"
#include "game/dialogue/DialogueFactory.hpp"
#include "game/dialogue/DialogueReceiverComponent.hpp"
#include "game/dialogue/DialogueSenderComponent.hpp"
#include "game/dialogue/OldManDialogue_02.hpp"
#include "game/missions/MissionDataManager.hpp"
#include "game/missions/MissionManager.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using dialoguetest::talk;
using tarsk::DialogueDataManager;
using Lines = std::vector<std::string>;

namespace {

class DialogueRegistryTest : public ::testing::Test {
protected:
    std::unique_ptr<tarsk::Dialogue> open(const std::string& id) { return dialogues.getFactory(id).create(); }

    DialogueDataManager dialogues;
    tarsk::MissionDataManager prototypes;
    tarsk::MissionManager missions{prototypes};
    orv::WorldManager worlds{0};
    orv::Entity player;
    tarsk::DialogueContext context{missions, worlds, &player};
};

TEST_F(DialogueRegistryTest, KnowsTheGamesDialoguesByIdOnly) {
    for (const std::string id : {"DEMO_DIALOGUE_01", "OLD_MAN_DIALOGUE_01", "OLD_MAN_DIALOGUE_02"}) {
        EXPECT_TRUE(dialogues.hasFactory(id));
        EXPECT_EQ(dialogues.getFactory(id).getId(), id);
        EXPECT_EQ(open(id)->getId(), id);
    }
    try {
        dialogues.getFactory("old_man_dialogue_01");
        FAIL() << "ids are exact";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid map<K, T> key");
    }
}

TEST_F(DialogueRegistryTest, DemoTextEndsWithTheStepThatShowsItsLastLine) {
    auto dialogue = open("DEMO_DIALOGUE_01");
    dialoguetest::RecordingView view;
    std::vector<bool> goesOn;
    for (int step = 0; step < 6; ++step)
        goesOn.push_back(dialogue->next(context, view));
    EXPECT_EQ(goesOn, (std::vector<bool>{true, true, true, true, false, false}));
    ASSERT_EQ(view.lines.size(), 5u);
    EXPECT_EQ(view.lines.back(), "Now go!");

    // Every conversation starts from the first line; the lines stay with the factory.
    EXPECT_EQ(talk(*open("DEMO_DIALOGUE_01"), context).lines.size(), 5u);
}

TEST_F(DialogueRegistryTest, DungeonAdviceWaitsForAClickAfterEachOfItsLines) {
    missions.fromJson(nullptr, worlds, &player);
    const nlohmann::json before = missions.toJson();

    auto dialogue = open("OLD_MAN_DIALOGUE_02");
    dialoguetest::RecordingView view;
    EXPECT_TRUE(dialogue->next(context, view));
    EXPECT_TRUE(dialogue->next(context, view));
    EXPECT_TRUE(dialogue->next(context, view));
    EXPECT_FALSE(dialogue->next(context, view));
    EXPECT_FALSE(dialogue->next(context, view));
    EXPECT_EQ(view.lines.size(), 3u);
    EXPECT_EQ(missions.toJson(), before);
}

TEST(DialogueDataManagerTest, FirstFactoryOfAnIdWins) {
    DialogueDataManager::Factories list;
    list.push_back(std::make_unique<tarsk::DefaultTextDialogueFactory>("GREETING", Lines{"first"}));
    list.push_back(std::make_unique<tarsk::DialogueFactory<tarsk::OldManDialogue_02>>("ADVICE"));
    list.push_back(std::make_unique<tarsk::DefaultTextDialogueFactory>("GREETING", Lines{"second"}));
    DialogueDataManager dialogues(std::move(list));

    tarsk::MissionDataManager prototypes;
    tarsk::MissionManager missions(prototypes);
    orv::WorldManager worlds(0);
    const tarsk::DialogueContext context{missions, worlds, nullptr};
    EXPECT_EQ(talk(*dialogues.getFactory("GREETING").create(), context).lines, Lines{"first"});
    EXPECT_EQ(talk(*dialogues.getFactory("ADVICE").create(), context).lines.size(), 3u);
}

TEST(DialogueComponentsTest, SenderNamesItsDialogueInItsRecord) {
    auto sender = tarsk::DialogueSenderComponent::fromJson({{"DialogueFactoryId", "NOT_A_DIALOGUE"}});
    EXPECT_EQ(sender->getDialogueFactoryId(), "NOT_A_DIALOGUE");
    EXPECT_EQ(sender->getName(), "DialogueSenderComponent");
    EXPECT_EQ(sender->toJsonData(), (nlohmann::json{{"DialogueFactoryId", "NOT_A_DIALOGUE"}}));

    try {
        tarsk::DialogueSenderComponent::fromJson(nlohmann::json::array());
        FAIL();
    } catch (const nlohmann::json::type_error& error) {
        EXPECT_EQ(error.id, 305);
    }
    EXPECT_THROW(tarsk::DialogueSenderComponent::fromJson(nlohmann::json::object()), std::logic_error);
    EXPECT_THROW(tarsk::DialogueSenderComponent::fromJson({{"DialogueFactoryId", 1}}),
                 nlohmann::json::type_error);
}

TEST(DialogueComponentsTest, ReceiverPassesRequestsOnAndSavesNothing) {
    auto receiver = tarsk::DialogueReceiverComponent::fromJson({{"anything", 1}});
    EXPECT_EQ(receiver->getName(), "DialogueReceiverComponent");
    EXPECT_EQ(receiver->toJsonData(), nlohmann::json::object());

    Lines requested;
    receiver->dialogueRequested.connect([&](const std::string& id) { requested.push_back(id); });
    receiver->requestDialogue("OLD_MAN_DIALOGUE_02");
    receiver->requestDialogue("DEMO_DIALOGUE_01");
    EXPECT_EQ(requested, (Lines{"OLD_MAN_DIALOGUE_02", "DEMO_DIALOGUE_01"}));
}

} // namespace
