#include "AiTestSupport.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

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

} // namespace
