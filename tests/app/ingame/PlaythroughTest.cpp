#include "app/ingame/Autopilot.hpp"
#include "app/ingame/IngameBaseGameState.hpp"
#include "app/menu/MainMenuGameState.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "app/screens/ActivePlayerGameStateUI.hpp"
#include "app/screens/ActivePlayerQuestLogGameState.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/dialogue/DialogueReceiverComponent.hpp"
#include "game/dialogue/DialogueSenderComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/items/Item.hpp"
#include "game/items/ItemComponent.hpp"
#include "game/missions/Mission.hpp"
#include "game/portals/PortalComponent.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace {

using tarsk::MissionState;
using LoadedGame = tarsk::LoadedSavegameGameState<tarsk::IngameBaseGameState<1>>;
using Lines = std::vector<std::string>;

const std::string KillMission = "Mission_Demo_Kill_Some_Frogs";
const std::string WoodMission = "Mission_Demo_Collect_Some_Wood";
const std::string ArtifactMission = "Mission_Retrieve_Dungeon_Artifact";

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

bool speaks(const orv::Entity& entity, const std::string& dialogue) {
    const auto* sender = entity.findComponent<tarsk::DialogueSenderComponent>();
    return sender && sender->getDialogueFactoryId() == dialogue;
}

bool holdsItem(const orv::Entity& entity, const std::string& itemId) {
    const auto* item = entity.findComponent<tarsk::ItemComponent>();
    return item && item->hasItem() && item->getItem()->getId() == itemId;
}

// Anything that fights and can be killed, but not a character one talks to.
bool isEnemy(const orv::Entity& entity) {
    const auto* health = entity.findComponent<tarsk::HealthComponent>();
    return health && !health->isDead() && entity.findComponent<tarsk::FighterComponent>() &&
           !entity.findComponent<tarsk::DialogueReceiverComponent>();
}

bool leadsAway(const orv::Entity& entity, std::uint32_t world) {
    const auto* portal = entity.findComponent<tarsk::PortalComponent>();
    return portal && portal->hasTarget() && portal->getTarget().first != world;
}

int countItems(const orv::Entity& player, const std::string& itemId) {
    return player.getComponent<tarsk::InventoryComponent>()->getInventory().countItemsById(itemId);
}

using Path = std::vector<sf::Vector2f>;

// The island's paths as the game file was laid out from, by name, from the start outwards.
std::map<std::string, Path> islandPaths() {
    const std::string file = std::string(ORV_SOURCE_DIR) + "/tools/gamefile/layout.json";
    std::ifstream stream(file);
    if (!stream)
        throw std::runtime_error("cannot read " + file);
    const nlohmann::json layout = nlohmann::json::parse(stream);
    std::map<std::string, Path> paths;
    for (const nlohmann::json& path : layout.at("worlds").at(0).at("paths")) {
        Path& points = paths[path.at("name").get<std::string>()];
        for (const nlohmann::json& point : path.at("points"))
            points.emplace_back(point.at(0).get<float>(), point.at(1).get<float>());
    }
    return paths;
}

Path reversed(Path path) {
    std::reverse(path.begin(), path.end());
    return path;
}

// The shipped game in a scratch run folder, played through the root state's window and input.
struct Game {
    explicit Game(const std::string& gameFile = {})
        : harness({}, apptest::RunFolder::Content::Shipped), pilot(harness, device) {
        device.windowSize = {1280, 720};
        if (!gameFile.empty())
            harness.folder.writeGameFile(gameFile);
        harness.root->getInput().setDevice(std::make_unique<apptest::ScriptedInputDevice>(device));
        harness.start();
        pilot.frames(2);
        // As a player starts it: the menu's button, clicked.
        pilot.clickWidget(*pilot.menu().getNewGameButton());
        if (!pilot.playerState())
            pilot.stalled("New Game", "no game started");
        pilot.frames(2);
    }
    ~Game() { harness.root->close(); }

    MissionState state(const std::string& mission) {
        return pilot.playerState()->getMissions().findMission(mission)->getState();
    }
    LoadedGame& loadedGame() { return dynamic_cast<LoadedGame&>(*pilot.menu().getSubStates().front()); }
    std::uint32_t playerWorldId() { return pilot.playerState()->getPlayerContainer()->getId(); }

    const orv::Entity& find(const std::string& phase, const apptest::Autopilot::EntityTest& test) {
        const orv::Entity* found = pilot.nearest(test);
        if (!found)
            pilot.stalled(phase, "nothing to go to in this world");
        return *found;
    }
    Lines talkToOldMan(const std::string& phase, const std::string& dialogue = "OLD_MAN_DIALOGUE_01") {
        return pilot.talkTo(phase, find(phase, [&](const orv::Entity& e) { return speaks(e, dialogue); }));
    }
    // Into the portal that leads out of this world; returns the world it led to.
    std::uint32_t travelThrough(const std::string& phase, std::uint32_t from) {
        const orv::Entity& portal = find(phase, [&](const orv::Entity& e) { return leadsAway(e, from); });
        const std::uint32_t to = portal.getComponent<tarsk::PortalComponent>()->getTarget().first;
        const sf::Vector2f at = portal.getComponent<orv::TransformationComponent>()->getPositionXY();
        // Onto the portal until it carries the player away.
        pilot.walkTo(phase, at, 0.f, [&] { return playerWorldId() == to; });
        return to;
    }
    sf::Vector2f portalTo(std::uint32_t world) {
        const orv::Entity& portal = find("portal", [&](const orv::Entity& e) {
            return leadsAway(e, playerWorldId()) &&
                   e.getComponent<tarsk::PortalComponent>()->getTarget().first == world;
        });
        return portal.getComponent<orv::TransformationComponent>()->getPositionXY();
    }
    bool enemyWithin(float distance) {
        const orv::Entity* enemy = pilot.nearest(isEnemy);
        if (!enemy)
            return false;
        const sf::Vector2f d =
            enemy->getComponent<orv::TransformationComponent>()->getPositionXY() - pilot.playerPosition();
        return std::hypot(d.x, d.y) < distance;
    }
    const orv::Entity* strongestEnemy() {
        const orv::Entity* strongest = nullptr;
        for (const auto& entity : pilot.playerWorld().getEntities()) {
            if (isEnemy(*entity) &&
                (!strongest || entity->getComponent<tarsk::HealthComponent>()->getMaxHealth() >
                                   strongest->getComponent<tarsk::HealthComponent>()->getMaxHealth()))
                strongest = entity.get();
        }
        if (!strongest)
            pilot.stalled("boss", "no enemy in this world");
        return strongest;
    }

    apptest::DeviceState device;
    apptest::RootHarness harness;
    apptest::Autopilot pilot;
};

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
