#include "game/navigation/NavigationSystem.hpp"
#include "engine/ecs/World.hpp"
#include "engine/navigation/NavmeshBuilder.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/terrain/TerrainSystem.hpp"
#include "game/time/TimeSystem.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using tarsk::NavigationSystem;
using Points = std::vector<sf::Vector2f>;

// A world with the systems the navigation system looks up, registered as the game does.
struct NavigationWorld {
    NavigationWorld() {
        world.registerSystem<tarsk::TimeSystem>();
        physics = world.registerSystem<orv::PhysicsSystem>();
        terrain = world.registerSystem<tarsk::TerrainSystem>();
        navigation = world.registerSystem<NavigationSystem>();
        world.initSystems();
    }

    orv::World world;
    orv::PhysicsSystem* physics = nullptr;
    tarsk::TerrainSystem* terrain = nullptr;
    NavigationSystem* navigation = nullptr;
};

// Two walkable squares side by side in one region, with a node in each.
std::unique_ptr<orv::Navmesh> twoSquares(const orv::RegionType& region) {
    orv::NavmeshBuilder builder(0.f, 10.f, &region);
    builder.addPolygon(&region, {{0, 0}, {4, 0}, {4, 4}, {0, 4}});
    builder.addPolygon(&region, {{4, 0}, {8, 0}, {8, 4}, {4, 4}});
    orv::NavgraphNode& left = builder.addNode({2, 2}, &region, {0});
    orv::NavgraphNode& right = builder.addNode({6, 2}, &region, {1});
    builder.connect(left, right);
    return builder.build();
}

TEST(NavigationSystem, NeedsTerrainAndPhysicsAndSavesOnlyItsName) {
    NavigationWorld w;
    EXPECT_EQ(w.navigation->getTerrainSystem(), w.terrain);
    EXPECT_EQ(w.navigation->getPhysicsSystem(), w.physics);
    EXPECT_EQ(w.navigation->getDefaultRegion().name, "defaultRegion");
    EXPECT_EQ(NavigationSystem::create({{"anything", 1}})->toJson(),
              nlohmann::json({{"_SystemTypeId", "NavigationSystem"}}));

    orv::World withoutTerrain;
    withoutTerrain.registerSystem<orv::PhysicsSystem>();
    withoutTerrain.registerSystem<NavigationSystem>();
    EXPECT_THROW(withoutTerrain.initSystems(), std::logic_error);
    orv::World withoutPhysics;
    withoutPhysics.registerSystem<tarsk::TimeSystem>();
    withoutPhysics.registerSystem<tarsk::TerrainSystem>();
    withoutPhysics.registerSystem<NavigationSystem>();
    EXPECT_THROW(withoutPhysics.initSystems(), std::logic_error);
}

TEST(FindGoodPath, SearchesOnlyWhenTheResultIsAskedFor) {
    NavigationWorld w;
    auto mesh = std::make_unique<orv::Navmesh>(); // never calculated: a search would fail
    w.navigation->setNavmesh(std::move(mesh));

    std::future<orv::Navpath> dropped = w.navigation->findGoodPath({0, 0}, {1, 1}, nullptr);
    EXPECT_EQ(dropped.wait_for(std::chrono::seconds(0)), std::future_status::deferred);

    std::future<orv::Navpath> asked = w.navigation->findGoodPath({0, 0}, {1, 1}, nullptr);
    try {
        asked.get();
        FAIL() << "the search did not run";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "cannot do that on an uncalculated navmesh");
    }
}

TEST(FindGoodPath, WithoutAMeshGivesAnInvalidPathOnce) {
    NavigationWorld w;
    std::future<orv::Navpath> future = w.navigation->findGoodPath({0, 0}, {3, 3}, nullptr);
    EXPECT_FALSE(future.get().isValid());
    EXPECT_THROW(future.get(), std::future_error);
}

TEST(FindGoodPath, OnACalculatedMeshRunsFromStartToGoal) {
    NavigationWorld w;
    w.navigation->setNavmesh(twoSquares(w.navigation->getDefaultRegion()));
    const orv::Navpath path = w.navigation->findGoodPath({1, 1}, {7, 3}, nullptr).get();
    ASSERT_TRUE(path.isValid());
    ASSERT_GE(path.getPath().size(), 2u);
    EXPECT_EQ(path.getPath().front(), sf::Vector2f(1, 1));
    EXPECT_EQ(path.getPath().back(), sf::Vector2f(7, 3));
}

} // namespace
