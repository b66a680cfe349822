#include "game/factories/ContentKit.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/serialization/BlueprintComponent.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/content/Identifiers.hpp"
#include "game/items/ItemComponent.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/terrain/TerrainSystem.hpp"
#include "game/worldgen/IslandMap.hpp"

#include <gtest/gtest.h>
#include <libnoise/noise.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>

namespace {

using tarsk::IslandMap;

TEST(IslandMap, HeightBandsGiveTheGroundClasses) {
    // At the centre the height is just noise + 1.
    EXPECT_EQ(IslandMap::classify(50, 50, 0.45), 7);
    EXPECT_EQ(IslandMap::classify(50, 50, 0.35), 6);
    EXPECT_EQ(IslandMap::classify(50, 50, 0.0), 5);
    EXPECT_EQ(IslandMap::classify(50, 50, -0.4), 4);
    EXPECT_EQ(IslandMap::classify(50, 50, -0.55), 3);
    EXPECT_EQ(IslandMap::classify(50, 50, -0.7), 2);
    EXPECT_EQ(IslandMap::classify(50, 50, -0.9), 1);
    // Halfway out the height is halved: noise 0.5 gives 0.75.
    EXPECT_EQ(IslandMap::classify(75, 50, 0.5), 5);
    EXPECT_EQ(IslandMap::classify(0, 0, 5.0), 1);
    EXPECT_DOUBLE_EQ(IslandMap::distanceFromCentre(50, 0), 1.0);
    EXPECT_EQ(IslandMap::classify(50, 0, 5.0), 1) << "the rim has no height left";
}

TEST(IslandMap, CellsComeColumnByColumnAndSampleTheNoisePlane) {
    std::vector<std::array<double, 3>> samples;
    const auto cells = IslandMap::classify([&](double x, double y, double z) {
        samples.push_back({x, y, z});
        return 0.0;
    });
    ASSERT_EQ(cells.size(), 10000u);
    EXPECT_EQ(cells[1].x, 0);
    EXPECT_EQ(cells[1].y, 1);
    EXPECT_EQ(cells[100].x, 1);
    EXPECT_EQ(cells[100].y, 0);
    EXPECT_DOUBLE_EQ(samples[100][0], 0.01);
    EXPECT_DOUBLE_EQ(samples[100][1], 0.0);
    EXPECT_DOUBLE_EQ(samples[1][2], 0.01);
    EXPECT_EQ(IslandMap::tileIdFor(7), "STONES_SMOOTH");
    EXPECT_EQ(IslandMap::tileIdFor(3), "WATER_LOW");
    EXPECT_EQ(IslandMap::tileIdFor(2), "WATER_DEEP");
    EXPECT_EQ(IslandMap::tileIdFor(1), "WATER_DEEP");
}

// An island generated from a known seed, next to the map the same noise gives.
struct Island : ::testing::Test {
    static constexpr std::uint32_t Seed = 987654;

    Island() : content(Seed) {
        world = content.generators.generateById(tarsk::id::generator::sampleOutsideId);
        tarsk::RandomNumberGenerator replay(Seed);
        perlin.SetFrequency(8.0);
        perlin.SetPersistence(0.4);
        perlin.SetSeed(replay.randomInt(0, std::numeric_limits<std::int32_t>::max()));
        height.SetSourceModule(0, perlin);
        height.SetBias(0.5);
        expected =
            IslandMap::classify([this](double x, double y, double z) { return height.GetValue(x, y, z); });
    }

    const std::string& tileAt(int x, int y) const {
        return world->getSystem<tarsk::TerrainSystem>()
            ->getTerrainEntity()
            ->getComponent<tarsk::TerrainComponent>()
            ->getTilemap()
            .getTile({x, y})
            ->getTileId();
    }

    int classAt(sf::Vector2f position) const {
        const int x = static_cast<int>(std::floor(position.x));
        const int y = static_cast<int>(std::floor(position.y));
        return expected.at(x * IslandMap::Side + y).groundClass;
    }

    contentkit::Content content;
    std::unique_ptr<orv::World> world;
    noise::module::Perlin perlin;
    noise::module::ScaleBias height;
    std::vector<tarsk::IslandCell> expected;
};

TEST_F(Island, GroundFollowsTheSeededNoise) {
    int land = 0;
    for (const tarsk::IslandCell& cell : expected) {
        ASSERT_EQ(tileAt(cell.x, cell.y), IslandMap::tileIdFor(cell.groundClass)) << cell.x << "," << cell.y;
        if (IslandMap::distanceFromCentre(cell.x, cell.y) > 1.0) {
            ASSERT_EQ(tileAt(cell.x, cell.y), "WATER_DEEP");
        }
        land += cell.groundClass >= 4;
    }
    EXPECT_GT(land, 0) << "an island without land";
}

TEST_F(Island, ObjectsStandOnCellCentresOfTheirGround) {
    std::set<std::pair<int, int>> used;
    int ships = 0;
    for (const auto& entity : world->getEntities()) {
        if (entity->hasComponent<tarsk::TerrainComponent>())
            continue;
        const sf::Vector2f position = entity->getComponent<orv::TransformationComponent>()->getPositionXY();
        EXPECT_FLOAT_EQ(position.x - std::floor(position.x), 0.5f);
        EXPECT_FLOAT_EQ(position.y - std::floor(position.y), 0.5f);
        EXPECT_TRUE(used.insert({int(position.x), int(position.y)}).second) << "two objects in one cell";
        EXPECT_TRUE(entity->hasComponent<orv::PersistenceComponent>());
        const int ground = classAt(position);
        if (const auto* item = entity->findComponent<tarsk::ItemComponent>()) {
            const std::string& id = item->getItem()->getId();
            EXPECT_EQ(ground, id == "FISH" ? 2 : 4) << id;
        } else if (entity->hasComponent<orv::BlueprintComponent>()) {
            EXPECT_EQ(ground, 5);
        } else {
            ++ships;
            EXPECT_EQ(ground, 1);
        }
    }
    EXPECT_EQ(ships, 1);
}

// The generator's draws, replayed from the same seed: one for the noise, then per visited cell
// the ground's draws (grass: the tree draw and, when no tree, one more unused draw; sand: wood,
// else a second draw for a coconut; shallows: fish), then the ship's berth. Any change to the odds
// or to the sequence moves what stands where.
TEST_F(Island, ObjectsFollowTheSequenceOfDraws) {
    tarsk::RandomNumberGenerator replay(Seed);
    replay.randomInt(0, std::numeric_limits<std::int32_t>::max());
    std::map<std::pair<int, int>, std::string> planned;
    std::vector<std::pair<int, int>> sea;
    for (const tarsk::IslandCell& cell : expected) {
        const std::pair<int, int> at{cell.x, cell.y};
        if (cell.groundClass == 5) {
            if (replay.randomInt(0, 5) == 0)
                planned[at] = "tree";
            else
                replay.randomInt(0, 50);
        } else if (cell.groundClass == 4) {
            if (replay.randomInt(0, 70) == 0)
                planned[at] = "WOOD";
            else if (replay.randomInt(0, 70) == 0)
                planned[at] = "COCONUT";
        } else if (cell.groundClass == 2 && replay.randomInt(0, 70) == 0) {
            planned[at] = "FISH";
        } else if (cell.groundClass == 1) {
            sea.push_back(at);
        }
    }
    planned[sea.at(replay.randomInt(0, static_cast<std::int32_t>(sea.size()) - 1))] = "ship";

    std::map<std::pair<int, int>, std::string> placed;
    for (const auto& entity : world->getEntities()) {
        if (entity->hasComponent<tarsk::TerrainComponent>())
            continue;
        const sf::Vector2f position = entity->getComponent<orv::TransformationComponent>()->getPositionXY();
        const std::pair<int, int> at{int(position.x), int(position.y)};
        if (const auto* item = entity->findComponent<tarsk::ItemComponent>())
            placed[at] = item->getItem()->getId();
        else
            placed[at] = entity->hasComponent<orv::BlueprintComponent>() ? "tree" : "ship";
    }
    EXPECT_GT(std::count_if(planned.begin(), planned.end(), [](const auto& p) { return p.second == "tree"; }),
              10);
    EXPECT_EQ(placed, planned);
}

TEST_F(Island, EveryIslandIsDrawnAfresh) {
    const auto other = content.generators.generateById(tarsk::id::generator::sampleOutsideId);
    const auto& ours = world->getSystem<tarsk::TerrainSystem>()->getTerrainEntity();
    const auto& theirs = other->getSystem<tarsk::TerrainSystem>()->getTerrainEntity();
    EXPECT_NE(ours->getComponent<tarsk::TerrainComponent>()->toJsonData(),
              theirs->getComponent<tarsk::TerrainComponent>()->toJsonData());
}

} // namespace
