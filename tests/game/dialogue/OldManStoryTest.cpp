#include "DialogueTestSupport.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/dialogue/OldManDialogue_01.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/items/Item.hpp"
#include "game/missions/MissionDataManager.hpp"
#include "game/missions/MissionManager.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

using dialoguetest::Conversation;
using tarsk::MissionState;
using Lines = std::vector<std::string>;

namespace tarsk {
inline std::ostream& operator<<(std::ostream& out, MissionState state) {
    return out << "MissionState(" << static_cast<int>(state) << ")";
}
} // namespace tarsk

namespace {

const std::string Kill = "Mission_Demo_Kill_Some_Frogs";
const std::string Wood = "Mission_Demo_Collect_Some_Wood";
const std::string Artifact = "Mission_Retrieve_Dungeon_Artifact";

class Carried : public tarsk::Item {
public:
    explicit Carried(std::string id) : id(std::move(id)) {}
    const std::string& getId() const override { return id; }
    const std::string& getName() const override { return id; }
    const sf::Texture* getIconTexture() const override { return nullptr; }
    const std::string& getIconPath() const override { return id; }
    const nlohmann::json* getProperties() const override { return nullptr; }

private:
    std::string id;
};

class OldManStoryTest : public ::testing::Test {
protected:
    OldManStoryTest() {
        player.addComponent<tarsk::HealthComponent>(100.f, 100.f);
        player.addComponent<tarsk::FighterComponent>(0u, Lines{}, Lines{"PLAYER"});
        player.addComponent<tarsk::InventoryComponent>();
        player.init();
    }

    // Every conversation gets a new dialogue, as the dialogue screen makes one each time.
    Conversation talkToOldMan(int clicks = 100) {
        tarsk::OldManDialogue_01 dialogue;
        return dialoguetest::talk(dialogue, context, clicks);
    }

    void load(const nlohmann::json& data) { missions.fromJson(data, worlds, &player); }
    MissionState state(const std::string& id) const { return missions.findMission(id)->getState(); }

    void killFrogs(int count) {
        orv::Entity frog;
        for (int i = 0; i < count; ++i)
            player.getComponent<tarsk::FighterComponent>()->killed.emit(&frog);
        missions.update(worlds, &player);
    }

    void carry(const std::string& id, int count) {
        for (int i = 0; i < count; ++i)
            player.getComponent<tarsk::InventoryComponent>()->getInventory().addItem(
                std::make_unique<Carried>(id));
        missions.update(worlds, &player);
    }

    tarsk::MissionDataManager prototypes;
    tarsk::MissionManager missions{prototypes};
    orv::WorldManager worlds{0};
    orv::Entity player;
    tarsk::DialogueContext context{missions, worlds, &player};
};

const Lines killBlock = {"Hello, welcome to Frog Island.",
                         "On this sacred island there are many frogs!",
                         "Follow the WOOD PATH to the NORTH. Defeat 5 Frogs then come back to me.",
                         "Look at an enemy and press SPACE to attack.",
                         "But be careful: you need to stand CLOSE to hit and your punches have a COOLDOWN.",
                         "Now go!"};

TEST_F(OldManStoryTest, TheWholeStoryAdvancesThroughConversations) {
    load(nullptr);

    Conversation first = talkToOldMan();
    EXPECT_EQ(first.lines, killBlock);
    EXPECT_TRUE(first.ended);
    EXPECT_EQ(state(Kill), MissionState::RUNNING);

    // Nothing to say while the frogs are still alive.
    killFrogs(4);
    EXPECT_EQ(talkToOldMan().lines, Lines{});

    killFrogs(1);
    ASSERT_EQ(state(Kill), MissionState::END_A_PENDING);
    Conversation second = talkToOldMan();
    ASSERT_EQ(second.lines.size(), 7u);
    EXPECT_EQ(second.lines.front(), "Great work!, now I can make some fresh frog soup.");
    EXPECT_EQ(state(Kill), MissionState::ENDED);
    EXPECT_EQ(state(Wood), MissionState::RUNNING);

    carry("WOOD", 5);
    Conversation third = talkToOldMan();
    ASSERT_EQ(third.lines.size(), 4u);
    EXPECT_EQ(third.lines.front(), "Just the amount of wood I needed.");
    EXPECT_EQ(state(Wood), MissionState::ENDED);
    EXPECT_EQ(state(Artifact), MissionState::RUNNING);
    EXPECT_EQ(talkToOldMan().lines, Lines{});

    carry("MYTHICAL_ARTIFACT", 1);
    EXPECT_EQ(talkToOldMan().lines,
              (Lines{"Yes, this is the artifact, You are a hero!", "You can leave me alone now."}));
    EXPECT_EQ(state(Artifact), MissionState::ENDED);

    // From now on he only sends the player away, once per conversation, ending at the next click.
    for (int i = 0; i < 2; ++i) {
        tarsk::OldManDialogue_01 dialogue;
        dialoguetest::RecordingView view;
        EXPECT_TRUE(dialogue.next(context, view));
        EXPECT_FALSE(dialogue.next(context, view));
        EXPECT_EQ(view.lines, Lines{"Go away."});
    }
}

TEST_F(OldManStoryTest, WalkingAwayMidBlockChangesNoMissionAndTheNextTalkStartsOver) {
    load(nullptr);
    Conversation interrupted = talkToOldMan(2);
    EXPECT_FALSE(interrupted.ended);
    EXPECT_EQ(interrupted.lines, Lines(killBlock.begin(), killBlock.begin() + 3));
    EXPECT_EQ(state(Kill), MissionState::NOT_STARTED);

    // The sixth line still goes on; the click after it begins the mission.
    Conversation almost = talkToOldMan(5);
    EXPECT_EQ(almost.lines, killBlock);
    EXPECT_FALSE(almost.ended);
    EXPECT_EQ(state(Kill), MissionState::NOT_STARTED);

    EXPECT_EQ(talkToOldMan().lines.front(), killBlock.front());
    EXPECT_EQ(state(Kill), MissionState::RUNNING);
}

TEST_F(OldManStoryTest, BlocksFollowTheSavedMissionStates) {
    // Wood pending while the artifact waits: the third block, whatever the kill mission says.
    load({{Kill, {{"_state", 6}, {"killedFrogs", 5}}}, {Wood, {{"_state", 3}}}});
    EXPECT_EQ(talkToOldMan().lines.front(), "Just the amount of wood I needed.");

    // The kill mission pending, but the wood mission already running: nothing fits.
    load({{Kill, {{"_state", 3}, {"killedFrogs", 5}}}, {Wood, {{"_state", 2}}}});
    EXPECT_EQ(talkToOldMan().lines, Lines{});
    EXPECT_EQ(state(Kill), MissionState::END_A_PENDING);
}

TEST_F(OldManStoryTest, ASavedEndingIsTakenInTheTalkAndOneTheMissionLacksIsRefusedAtLoad) {
    // The artifact ends whichever way it was saved waiting.
    load({{Kill, {{"_state", 6}, {"killedFrogs", 5}}}, {Wood, {{"_state", 6}}}, {Artifact, {{"_state", 5}}}});
    talkToOldMan();
    EXPECT_EQ(state(Artifact), MissionState::ENDED);
    EXPECT_THROW(load({{Kill, {{"_state", 4}, {"killedFrogs", 5}}}}), orv::JsonError);
}

TEST_F(OldManStoryTest, AGameWithoutMissionsHasNothingToTell) {
    EXPECT_TRUE(missions.getMissions().empty());
    EXPECT_EQ(talkToOldMan().lines, Lines{});
}

} // namespace
