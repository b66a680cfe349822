#include "app/ingame/HumanPilot.hpp"
#include "app/ingame/StoryGame.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/render/SpriteComponent.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

namespace {

using namespace apptest::story;
using tarsk::MissionState;

// Seeds 1 to ORV_PILOT_SEEDS. One when unset: a run takes over a minute under the sanitizers.
std::vector<std::uint32_t> pilotSeeds() {
    const char* count = std::getenv("ORV_PILOT_SEEDS");
    const int seeds = count ? std::atoi(count) : 1;
    std::vector<std::uint32_t> all;
    for (int seed = 1; seed <= seeds; ++seed)
        all.push_back(static_cast<std::uint32_t>(seed));
    return all;
}

bool looksLike(const orv::Entity& entity, const std::string& texture) {
    const auto* sprite = entity.findComponent<tarsk::SpriteComponent>();
    return sprite && sprite->getTextureId() == texture;
}

class HumanPlaythrough : public testing::TestWithParam<std::uint32_t> {};

TEST_P(HumanPlaythrough, ANewPlayersPaceFinishesTheStoryAndCooksAFish) {
    const std::uint32_t seed = GetParam();
    const std::map<std::string, Path> paths = islandPaths();
    Game game({}, seed);
    apptest::HumanPilot human(game.pilot, seed);
    const std::uint32_t island = game.playerWorldId();
    const auto oldMan = [](const orv::Entity& e) {
        return speaks(e, "OLD_MAN_DIALOGUE_01");
    };
    const auto health = [&] {
        return game.pilot.player().getComponent<tarsk::HealthComponent>()->getHealth();
    };
    const auto item = [](const std::string& id) {
        return [id](const orv::Entity& e) {
            return holdsItem(e, id);
        };
    };
    const auto has = [&](const std::string& id, int count) {
        return [&game, id, count] {
            return countItems(game.pilot.player(), id) >= count;
        };
    };
    const auto travelled = [&](std::uint32_t from) {
        return [&game, from] {
            return game.playerWorldId() != from;
        };
    };

    human.talkTo("first talk", oldMan);
    ASSERT_EQ(game.state(KillMission), MissionState::RUNNING);
    human.fightUntil(
        "frogs", isEnemy, [&] { return game.state(KillMission) != MissionState::RUNNING; }, paths.at("wood"));
    const float afterFrogs = health();
    const float frogsAt = human.seconds();
    human.followPath("back from the frogs", reversed(paths.at("wood")));
    human.talkTo("frogs reported", oldMan);
    ASSERT_EQ(game.state(WoodMission), MissionState::RUNNING);

    human.followPath("south to the wood", paths.at("dirt"));
    for (int wood = 1; game.state(WoodMission) == MissionState::RUNNING; ++wood)
        human.useNearest("wood " + std::to_string(wood), item("WOOD"), has("WOOD", wood));
    human.useNearest("fish", item("FISH"), has("FISH", 1));
    human.followPath("back from the wood", reversed(paths.at("dirt")));
    human.useNearest(
        "cooking", [](const orv::Entity& e) { return looksLike(e, "./data/tex/fireplace.png"); },
        [&] { return !has("FISH", 1)(); });
    EXPECT_EQ(countItems(game.pilot.player(), "FISH_COOKED") + countItems(game.pilot.player(), "FISH_BURNED"),
              1);
    human.talkTo("wood delivered", oldMan);
    ASSERT_EQ(game.state(ArtifactMission), MissionState::RUNNING);

    // The portal may take the player before the path's end.
    const sf::Vector2f portal = game.portalTo(1);
    human.followPath("west to the portal", paths.at("sand"), travelled(island));
    human.walkTo("into the dungeon", portal, 0.f, travelled(island));
    const std::uint32_t dungeon = game.playerWorldId();
    human.talkTo("dungeon guide", [](const orv::Entity& e) { return speaks(e, "OLD_MAN_DIALOGUE_02"); });
    const sf::Vector2f back = game.portalTo(island);
    const Path around = {back + sf::Vector2f(3.f, 2.f), back + sf::Vector2f(3.f, -4.f)};
    human.followPath("past the dungeon portal", around);
    const orv::Entity* boss = game.strongestEnemy();
    const auto inDungeon = [&] {
        return game.playerWorldId() == dungeon;
    };
    while (!inDungeon() || game.pilot.isAlive(boss)) {
        if (!inDungeon()) {
            // Knocked back through the portal: in again.
            human.walkTo("back into the dungeon", game.portalTo(dungeon), 0.f, inDungeon);
            human.followPath("past the dungeon portal again", around);
        }
        human.fightUntil(
            "dungeon", isEnemy, [&] { return !inDungeon() || !game.pilot.isAlive(boss); },
            {back + sf::Vector2f(0.f, -12.f), back + sf::Vector2f(0.f, -45.f)}, true);
    }
    const float afterBoss = health();
    const float bossAt = human.seconds();
    human.walkTo("to the chest", back + sf::Vector2f(0.f, -49.f), 1.5f);
    human.useNearest("artifact", item("MYTHICAL_ARTIFACT"), has("MYTHICAL_ARTIFACT", 1));
    human.followPath("back to the portal", {back + sf::Vector2f(3.f, -4.f), back + sf::Vector2f(3.f, 2.f)});
    human.walkTo("back to the island", back, 0.f, travelled(1));

    const sf::Vector2f arrival = game.pilot.playerPosition();
    human.followPath("leaving the island portal",
                     {arrival + sf::Vector2f(1.f, 2.f), arrival + sf::Vector2f(5.f, 2.f),
                      arrival + sf::Vector2f(5.f, -2.f)});
    human.followPath("back from the portal", {paths.at("sand").front()});
    human.talkTo("artifact brought", oldMan);
    EXPECT_EQ(game.state(ArtifactMission), MissionState::ENDED);
    EXPECT_EQ(human.talkTo("last word", oldMan), Lines{"Go away."});

    std::cout << "seed " << seed << ": health " << afterFrogs << " after the frogs (" << frogsAt << " s), "
              << afterBoss << " after the boss (" << bossAt << " s), " << health() << " at the end ("
              << human.seconds() << " s of game)" << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Seeds, HumanPlaythrough, testing::ValuesIn(pilotSeeds()));

} // namespace
