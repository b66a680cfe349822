#include "game/factories/ContentKit.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/persistence/PersistenceSystem.hpp"
#include "engine/serialization/WorldReader.hpp"
#include "engine/serialization/WorldWriter.hpp"
#include "game/animation/AnimationSystem.hpp"
#include "game/content/Identifiers.hpp"
#include "game/daynight/DayNightCycleSystem.hpp"
#include "game/needs/AgricultureSystem.hpp"
#include "game/needs/NeedsSystem.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/terrain/TerrainSystem.hpp"
#include "game/worldgen/DefaultWorldGenerator.hpp"
#include "game/worldgen/DungeonProviderByWorldGeneratorId.hpp"

#include <gtest/gtest.h>

#include <typeindex>

namespace {

namespace gid = tarsk::id::generator;

const std::vector<std::type_index> systemOrder = {
    typeid(tarsk::TimeSystem),        typeid(tarsk::RenderSystem),    typeid(orv::PhysicsSystem),
    typeid(tarsk::TerrainSystem),     typeid(tarsk::AnimationSystem), typeid(tarsk::NeedsSystem),
    typeid(tarsk::HealthSystem),      typeid(tarsk::FighterSystem),   typeid(tarsk::SpawnerSystem),
    typeid(tarsk::LocalPortalSystem), typeid(orv::PersistenceSystem), typeid(tarsk::DayNightCycleSystem),
    typeid(tarsk::AgricultureSystem), typeid(tarsk::ItemSystem),      typeid(tarsk::NavigationSystem),
    typeid(tarsk::AiSystem),
};

std::vector<std::type_index> updateOrder(const orv::World& world) {
    std::vector<std::type_index> order;
    for (const auto* system : world.getUpdateList())
        order.emplace_back(typeid(*system));
    return order;
}

const orv::Tilemap& groundOf(const orv::World& world) {
    return world.getSystem<tarsk::TerrainSystem>()
        ->getTerrainEntity()
        ->getComponent<tarsk::TerrainComponent>()
        ->getTilemap();
}

const std::string& tileAt(const orv::World& world, int x, int y) {
    return groundOf(world).getTile({x, y})->getTileId();
}

// Box2D starts a polygon read back at another corner; the shape is the same.
nlohmann::json withSortedCorners(nlohmann::json world) {
    for (nlohmann::json& entity : world.at("entities")) {
        nlohmann::json& components = entity.at("components");
        if (components.contains("physics") && components["physics"].contains("shape")) {
            nlohmann::json& shape = components["physics"]["shape"];
            if (shape.contains("vertices")) {
                auto corners = shape["vertices"].get<std::vector<std::vector<double>>>();
                std::sort(corners.begin(), corners.end());
                shape["vertices"] = corners;
            }
        }
    }
    return world;
}

struct WorldGenerators : ::testing::Test {
    contentkit::Content content;
};

TEST_F(WorldGenerators, GameGeneratorsComeInOrderAndUnknownIdsMakeNothing) {
    const auto& generators = content.generators.getGenerators();
    ASSERT_EQ(generators.size(), 3u);
    EXPECT_EQ(generators[0]->getId(), 1);
    EXPECT_EQ(generators[0]->getName(), "Default");
    EXPECT_EQ(generators[1]->getId(), 2);
    EXPECT_EQ(generators[1]->getName(), "Sample Outside");
    EXPECT_EQ(generators[2]->getId(), 3);
    EXPECT_EQ(generators[2]->getName(), "Sample Dungeon");
    EXPECT_EQ(content.generators.generateById(4), nullptr);
    EXPECT_EQ(content.generators.generateById(0), nullptr);
}

TEST_F(WorldGenerators, EveryWorldHasItsSystemsInOrderAndRunsSixtyFrames) {
    for (const std::int32_t id : {gid::defaultId, gid::sampleOutsideId, gid::sampleDungeonId}) {
        SCOPED_TRACE(id);
        auto world = content.generators.generateById(id);
        ASSERT_NE(world, nullptr);
        EXPECT_TRUE(world->isInitialized());
        EXPECT_EQ(updateOrder(*world), systemOrder);
        EXPECT_EQ(world->getSystem<tarsk::TimeSystem>()->getDayTime().toString(), "12::0::0");
        EXPECT_EQ(world->getSystem<tarsk::RenderSystem>()->getAmbientColor(), sf::Color::White);
        EXPECT_EQ(&world->getSystem<tarsk::DayNightCycleSystem>()->getDefinition(),
                  &content.dayNightCycles.getDefinition("DAY_NIGHT_DEFAULT"));
        EXPECT_EQ(groundOf(*world).getSize(), sf::Vector2i(100, 100));
        for (int frame = 0; frame < 60; ++frame)
            contentkit::Content::runFrame(*world);
        EXPECT_GT(world->getSystem<tarsk::TimeSystem>()->getDayTime().getMinute(), 0u);
    }
}

TEST_F(WorldGenerators, DefaultWorldIsAMeadowWithOnlyItsTerrain) {
    tarsk::DefaultWorldGenerator small({12, 7});
    auto world = small.generate(content.generators);
    EXPECT_EQ(world->getEntityCount(), 1u);
    EXPECT_EQ(groundOf(*world).getSize(), sf::Vector2i(12, 7));
    for (int x = 0; x < 12; ++x)
        for (int y = 0; y < 7; ++y)
            EXPECT_EQ(tileAt(*world, x, y), "GRASS");
    EXPECT_EQ(world->getSystem<orv::PersistenceSystem>()->getPersistentEntities().size(), 1u);
}

TEST_F(WorldGenerators, DungeonIsSmoothStoneWithoutObjects) {
    auto world = content.generators.generateById(gid::sampleDungeonId);
    EXPECT_EQ(world->getEntityCount(), 1u);
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 100; ++y)
            ASSERT_EQ(tileAt(*world, x, y), "STONES_SMOOTH") << x << "," << y;
}

TEST_F(WorldGenerators, DungeonProviderMakesAFreshWorldOnEveryCall) {
    tarsk::DungeonProviderByWorldGeneratorId provider(1, "Sample Dungeon", content.generators,
                                                      gid::sampleDungeonId);
    EXPECT_EQ(provider.getId(), 1u);
    EXPECT_EQ(provider.getName(), "Sample Dungeon");
    auto first = provider.provide();
    auto second = provider.provide();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(tileAt(*first, 50, 50), "STONES_SMOOTH");

    tarsk::DungeonProviderByWorldGeneratorId nowhere(2, "Nowhere", content.generators, 9);
    EXPECT_EQ(nowhere.provide(), nullptr);
}

TEST_F(WorldGenerators, GeneratedWorldsReadBackThroughTheTypeRegistry) {
    for (const std::int32_t id : {gid::defaultId, gid::sampleOutsideId, gid::sampleDungeonId}) {
        SCOPED_TRACE(id);
        auto world = content.generators.generateById(id);
        const nlohmann::json saved = orv::worldToJson(*world);
        const auto loaded = orv::worldFromJson(content.serialization, saved);
        const nlohmann::json differences =
            nlohmann::json::diff(withSortedCorners(saved), withSortedCorners(orv::worldToJson(*loaded)));
        EXPECT_TRUE(differences.empty()) << differences.dump().substr(0, 2000);
        EXPECT_EQ(loaded->getEntityCount(), world->getEntityCount());
        EXPECT_EQ(tileAt(*loaded, 50, 50), tileAt(*world, 50, 50));
        for (int frame = 0; frame < 5; ++frame)
            contentkit::Content::runFrame(*loaded);
    }
}

} // namespace
