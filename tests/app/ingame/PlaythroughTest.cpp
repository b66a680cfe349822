#include "app/ingame/StoryGame.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "app/screens/ActivePlayerGameStateUI.hpp"
#include "app/screens/ActivePlayerQuestLogGameState.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "game/dialogue/DialogueReceiverComponent.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using namespace apptest::story;
using tarsk::MissionState;

const Lines Block1 = {"Hello, welcome to Frog Island.",
                      "On this sacred island there are many frogs!",
                      "Follow the WOOD PATH to the NORTH. Defeat 5 Frogs then come back to me.",
                      "Look at an enemy and press SPACE to attack.",
                      "But be careful: you need to stand CLOSE to hit and your punches have a COOLDOWN.",
                      "Now go!"};
const Lines Block2 = {
    "Great work!, now I can make some fresh frog soup.",
    "Delicious.",
    "I need to cook my soup.",
    "Follow the DIRT PATH to the SOUTH. Find 5 wood and bring them to me.",
    "Stand close to an item and click on it to pick it up.",
    "Remember, you can press L to see your active missions. Or click the icon in the bottom right corner.",
    "Remember, you can press I to see your inventory. Or click the icon in the bottom right corner."};
const Lines Block3 = {
    "Just the amount of wood I needed.", "I would like to entrust you with a more prestigious task.",
    "Go into the dungeon and retrieve the MYTHICAL ARTIFACT.",
    "To enter the dungeon, follow the SAND PATH to the WEST and go into the PURPLE PORTAL."};
const Lines Block4 = {"Yes, this is the artifact, You are a hero!", "You can leave me alone now."};
const Lines DungeonLines = {
    "Hello Adventurer, up ahead is the dungeon boss. He is stronger and more fearsome than all the other "
    "frogs.",
    "To prepare you for this, I want to teach you a special ability: \nHold RIGHT CLICK while attacking to "
    "execute a SWING ATTACK.",
    "The swing is more powerful and has a bigger reach, but be careful, it also has a longer cooldown."};

TEST(Playthrough, TheStoryIsPlayedToItsEndAndItsSaveLoadsAgain) {
    const std::map<std::string, Path> paths = islandPaths();
    std::string savedFile;
    {
        Game game;
        apptest::Autopilot& pilot = game.pilot;
        const std::uint32_t island = game.playerWorldId();

        EXPECT_EQ(game.talkToOldMan("first talk"), Block1);
        ASSERT_EQ(game.state(KillMission), MissionState::RUNNING);

        // Up the path until the first frog is in sight, to meet them one by one.
        pilot.followPath("north to the frogs", paths.at("wood"), [&] { return game.enemyWithin(7.f); });
        pilot.fightUntil("frogs", isEnemy, [&] { return game.state(KillMission) != MissionState::RUNNING; });
        ASSERT_EQ(game.state(KillMission), MissionState::END_A_PENDING);
        pilot.followPath("back from the frogs", reversed(paths.at("wood")));

        EXPECT_EQ(game.talkToOldMan("frogs reported"), Block2);
        EXPECT_EQ(game.state(KillMission), MissionState::ENDED);
        ASSERT_EQ(game.state(WoodMission), MissionState::RUNNING);

        pilot.followPath("south to the wood", paths.at("dirt"));
        for (int wood = 0; game.state(WoodMission) == MissionState::RUNNING; ++wood) {
            const std::string phase = "wood " + std::to_string(wood);
            pilot.pickUp(phase, game.find(phase, [](const orv::Entity& e) { return holdsItem(e, "WOOD"); }));
        }
        EXPECT_EQ(countItems(pilot.player(), "WOOD"), 5);
        pilot.followPath("back from the wood", reversed(paths.at("dirt")));

        EXPECT_EQ(game.talkToOldMan("wood delivered"), Block3);
        EXPECT_EQ(game.state(WoodMission), MissionState::ENDED);
        ASSERT_EQ(game.state(ArtifactMission), MissionState::RUNNING);

        pilot.followPath("west to the portal", paths.at("sand"));
        const std::uint32_t dungeon = game.travelThrough("into the dungeon", island);
        EXPECT_EQ(game.talkToOldMan("dungeon guide", "OLD_MAN_DIALOGUE_02"), DungeonLines);

        // Round the portal one arrived by, then up to the boss, fighting whatever comes.
        const sf::Vector2f back = game.portalTo(island);
        pilot.followPath("past the dungeon portal",
                         {back + sf::Vector2f(3.f, 2.f), back + sf::Vector2f(3.f, -4.f)});
        const orv::Entity* boss = game.strongestEnemy();
        pilot.fightUntil(
            "boss", isEnemy, [&] { return !pilot.isAlive(boss); }, true);
        pilot.pickUp("artifact", game.find("artifact", [](const orv::Entity& e) {
            return holdsItem(e, "MYTHICAL_ARTIFACT");
        }));
        ASSERT_EQ(countItems(pilot.player(), "MYTHICAL_ARTIFACT"), 1);
        game.travelThrough("back to the island", dungeon);

        // Round the torch beside the portal and away from it, then back along the sand path.
        const sf::Vector2f arrival = pilot.playerPosition();
        pilot.followPath("leaving the island portal",
                         {arrival + sf::Vector2f(1.f, 2.f), arrival + sf::Vector2f(5.f, 2.f),
                          arrival + sf::Vector2f(5.f, -2.f)});
        pilot.followPath("back from the portal", {paths.at("sand").front()});
        EXPECT_EQ(game.talkToOldMan("artifact brought"), Block4);
        EXPECT_EQ(game.state(ArtifactMission), MissionState::ENDED);

        pilot.tapKey(sf::Keyboard::J);
        pilot.frame();
        tarsk::ActivePlayerQuestLogGameState* log = pilot.playerState()->getHud()->getQuestLog();
        ASSERT_NE(log, nullptr);
        const sf::FloatRect tab = log->getTabs()->getTabRect(1);
        const sf::Vector2f corner = log->getTabs()->getAbsolutePosition();
        pilot.click({static_cast<int>(corner.x + tab.left + tab.width / 2.f),
                     static_cast<int>(corner.y + tab.top + tab.height / 2.f)});
        EXPECT_EQ(log->getTabs()->getSelected(), "Completed");
        EXPECT_EQ(log->getMissionList()->getItems(), (Lines{KillMission, WoodMission, ArtifactMission}));
        pilot.tapKey(sf::Keyboard::J);
        pilot.frame();

        EXPECT_EQ(game.talkToOldMan("last word"), Lines{"Go away."});

        game.loadedGame().getSaver().save(game.loadedGame().getSavegame());
        std::ifstream file("test_entities_save.json");
        std::stringstream text;
        text << file.rdbuf();
        savedFile = text.str();
    }

    Game loaded(savedFile);
    int players = 0;
    for (orv::WorldContainer* container :
         loaded.loadedGame().getSavegame().worldManager->getWorldContainers()) {
        for (const auto& entity : container->getWorld()->getEntities())
            players += entity->findComponent<tarsk::DialogueReceiverComponent>() != nullptr;
    }
    EXPECT_EQ(players, 1);
    for (const std::string& mission : {KillMission, WoodMission, ArtifactMission})
        EXPECT_EQ(loaded.state(mission), MissionState::ENDED) << mission;
    EXPECT_EQ(countItems(loaded.pilot.player(), "WOOD"), 5);
    EXPECT_EQ(countItems(loaded.pilot.player(), "MYTHICAL_ARTIFACT"), 1);
}

} // namespace
