#include "AiTestSupport.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace aitest;

// The game's own trees, with the game's nodes and attacks.
struct GameLibrary {
    orv::ResourceManager resources;
    tarsk::RandomNumberGenerator random{11};
    tarsk::AttackManager attacks;
    tarsk::AiManager manager{resources, random, attacks,
                             std::filesystem::path(ORV_SOURCE_DIR) / "data" / "ai"};
};

// Every tree drives a frog for half a minute beside a player: it runs without errors, gets the
// frog moving, and the frog of the world goes for the player.
TEST(DataTrees, EveryTreeRunsAFrog) {
    GameLibrary library;
    ASSERT_TRUE(library.manager.hasTree("frog"));
    const orv::Tileset tileset = grassAndSand();
    for (const std::string& name : library.manager.getTreeNames()) {
        SCOPED_TRACE(name);
        AiWorld w;
        w.addTerrain(tileset, {16, 16});
        auto frogEntity = entityAt({8, 8}, frogBody());
        addFighter(*frogEntity, {});
        addAi(*frogEntity, tarsk::AiComponent::fromJson({{"behavior", name}}, library.manager));
        const orv::Entity* frog = w.add(std::move(frogEntity));
        auto playerEntity = entityAt({11, 8}, ballBody());
        addFighter(*playerEntity, {"PLAYER"});
        const orv::Entity* player = w.add(std::move(playerEntity));

        float farthest = 0.f;
        for (int frame = 0; frame < 60 * 30; ++frame) {
            ASSERT_NO_THROW(w.frame(sf::seconds(1.f / 60.f))) << "frame " << frame;
            const sf::Vector2f moved = positionOf(frog) - sf::Vector2f(8, 8);
            farthest = std::max(farthest, std::hypot(moved.x, moved.y));
        }
        EXPECT_GT(farthest, 0.5f);
        if (name == "frog") {
            EXPECT_LT(of<tarsk::HealthComponent>(player)->getHealth(), 100.f);
        }
    }
}

// A frog at the edge of the physics world bites a player there, knocking it against the edge.
TEST(DataTrees, AFrogAtTheEdgeOfTheWorldBitesOn) {
    GameLibrary library;
    AiWorld w;
    auto frogEntity = entityAt({999997.f, 8}, frogBody());
    addFighter(*frogEntity, {});
    addAi(*frogEntity, tarsk::AiComponent::fromJson({{"behavior", "frog"}}, library.manager));
    w.add(std::move(frogEntity));
    auto playerEntity = entityAt({999999.9f, 8}, ballBody());
    addFighter(*playerEntity, {"PLAYER"});
    const orv::Entity* player = w.add(std::move(playerEntity));
    for (int frame = 0; frame < 60 * 10; ++frame)
        ASSERT_NO_THROW(w.frame(sf::seconds(1.f / 60.f))) << "frame " << frame;
    EXPECT_LT(of<tarsk::HealthComponent>(player)->getHealth(), 100.f);
    EXPECT_EQ(positionOf(player).x, 1e6f);
}

// The frog's tree edited by hand, a node reading an entry that nothing writes: that node fails,
// said once, and the frog goes on with the rest of its tree.
TEST(DataTrees, ANodeReadingAnEntryThatNothingWritesFailsAndTheFrogGoesOn) {
    std::ifstream shipped(std::filesystem::path(ORV_SOURCE_DIR) / "data" / "ai" / "frog.xml");
    std::string text((std::istreambuf_iterator<char>(shipped)), std::istreambuf_iterator<char>());
    const std::string read = R"(<IsCloseToEntity target="{prey}")";
    ASSERT_NE(text.find(read), std::string::npos);
    text.replace(text.find(read), read.size(), R"(<IsCloseToEntity target="{pray}")");
    Library library({{"frog", text}});
    AiWorld w;
    w.addTerrain(grassAndSand(), {16, 16});
    auto frogEntity = entityAt({8, 8}, frogBody());
    addFighter(*frogEntity, {});
    addAi(*frogEntity, tarsk::AiComponent::fromJson({{"behavior", "frog"}}, *library));
    const orv::Entity* frog = w.add(std::move(frogEntity));
    auto playerEntity = entityAt({11, 8}, ballBody());
    addFighter(*playerEntity, {"PLAYER"});
    const orv::Entity* player = w.add(std::move(playerEntity));

    testing::internal::CaptureStdout();
    for (int frame = 0; frame < 60 * 3; ++frame)
        ASSERT_NO_THROW(w.frame(sf::seconds(1.f / 60.f))) << "frame " << frame;
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(said, "behaviour tree \"frog\" (" + library.folder.path().generic_string() +
                        "/frog.xml): input port \"target\" of node \"IsCloseToEntity\": blackboard has no "
                        "entry \"pray\"; the node fails\n");
    // It cannot bite, but it still gives chase.
    const sf::Vector2f gap = positionOf(player) - positionOf(frog);
    EXPECT_LT(std::hypot(gap.x, gap.y), 2.f);
}

} // namespace
