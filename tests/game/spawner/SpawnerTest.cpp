#include "engine/common/JsonError.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/random/RandomNumberGenerator.hpp"
#include "game/spawner/SpawnerComponent.hpp"
#include "game/spawner/SpawnerSystem.hpp"
#include "game/time/TimeSystem.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using tarsk::SpawnerComponent;
using tarsk::SpawnerSettings;
using tarsk::SpawnerSystem;

namespace {

const std::string Frog = "FROG";
const std::string Sapling = "SAPLING";

SpawnerSettings frogSettings(float probability, int limit, sf::Time interval = sf::seconds(600.f)) {
    SpawnerSettings settings;
    settings.entityIdToSpawn = Frog;
    settings.timeBetweenSpawnEvents = interval;
    settings.spawnProbability = probability;
    settings.spawnCount = 1;
    settings.spawnRadius = 3.f;
    settings.maxConcurrentlySpawnedEntities = limit;
    return settings;
}

class SpawnerTest : public ::testing::Test {
protected:
    SpawnerTest() {
        time = world.registerSystem<tarsk::TimeSystem>();
        system =
            world.registerSystem<SpawnerSystem>([this](const std::string& id) { return make(id); }, random);
        world.initSystems();
    }

    // Frogs are bare positioned entities; saplings spawn frogs themselves.
    std::unique_ptr<orv::Entity> make(const std::string& id) {
        made.push_back(id);
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<orv::TransformationComponent>();
        if (id == Sapling)
            entity->addComponent<SpawnerComponent>(frogSettings(1.f, 1));
        else if (id != Frog)
            throw std::out_of_range("invalid map<K, T> key");
        return entity;
    }

    SpawnerComponent* addSpawner(SpawnerSettings settings, sf::Vector2f at = {0.f, 0.f}) {
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<orv::TransformationComponent>()->setPositionXY(at);
        auto* spawner = entity->addComponent<SpawnerComponent>(std::move(settings));
        entity->init();
        spawnerEntity = world.addEntity(std::move(entity));
        return spawner;
    }

    // One frame of the given real duration; game time runs 96 times faster.
    void frame(sf::Time real) {
        time->setFrameTime(real);
        world.update();
    }

    // One frame long enough in game time to reach the next spawn event.
    void event() { frame(sf::seconds(600.f / 96.f)); }

    void removeFromWorld(const orv::Entity* entity) { world.removeEntities({entity}); }

    tarsk::RandomNumberGenerator random{7u};
    orv::World world;
    tarsk::TimeSystem* time = nullptr;
    SpawnerSystem* system = nullptr;
    const orv::Entity* spawnerEntity = nullptr;
    std::vector<std::string> made;
};

TEST_F(SpawnerTest, FirstUpdateFillsUpToTheLimitWhateverTheProbability) {
    SpawnerComponent* spawner = addSpawner(frogSettings(0.f, 6), {10.f, -4.f});
    EXPECT_TRUE(spawner->isInitialSpawnPending());

    frame(sf::milliseconds(16));

    EXPECT_FALSE(spawner->isInitialSpawnPending());
    ASSERT_EQ(spawner->getTracked().size(), 6u);
    EXPECT_EQ(world.getEntityCount(), 7u);
    EXPECT_EQ(made, std::vector<std::string>(6, Frog));
    for (const orv::Entity* frog : spawner->getTracked()) {
        EXPECT_TRUE(world.contains(frog));
        const sf::Vector3f p = frog->getComponent<orv::TransformationComponent>()->getPosition();
        EXPECT_LE(std::hypot(p.x - 10.f, p.y + 4.f), 3.f + 1e-4f);
    }
}

TEST_F(SpawnerTest, EventsFollowGameTimeAndSpawnWhileBelowTheLimit) {
    SpawnerComponent* spawner = addSpawner(frogSettings(1.f, 2));
    frame(sf::milliseconds(16));
    ASSERT_EQ(spawner->getTracked().size(), 2u);
    removeFromWorld(spawner->getTracked()[0]);
    removeFromWorld(spawner->getTracked()[0]);
    ASSERT_TRUE(spawner->getTracked().empty());

    // Ten game minutes are 6.25 real seconds.
    frame(sf::seconds(6.f));
    EXPECT_EQ(spawner->getTracked().size(), 0u);
    frame(sf::seconds(0.25f));
    EXPECT_EQ(spawner->getTracked().size(), 1u);
    EXPECT_EQ(spawner->getElapsed(), sf::Time::Zero);
    event();
    EXPECT_EQ(spawner->getTracked().size(), 2u);
}

TEST_F(SpawnerTest, LeavingAFullSpawnerRestartsTheWait) {
    SpawnerComponent* spawner = addSpawner(frogSettings(1.f, 2));
    frame(sf::milliseconds(16));
    // At the limit time keeps adding up without an event.
    frame(sf::seconds(20.f));
    EXPECT_GT(spawner->getElapsed(), sf::seconds(600.f));
    EXPECT_EQ(spawner->getTracked().size(), 2u);

    const orv::Entity* first = spawner->getTracked()[0];
    const orv::Entity* second = spawner->getTracked()[1];
    removeFromWorld(first);
    EXPECT_EQ(spawner->getElapsed(), sf::Time::Zero);
    EXPECT_EQ(spawner->getTracked(), std::vector<const orv::Entity*>{second});

    frame(sf::seconds(6.f));
    EXPECT_EQ(spawner->getTracked().size(), 1u);
    frame(sf::seconds(0.25f));
    EXPECT_EQ(spawner->getTracked().size(), 2u);

    // Below the limit a leaving entity does not touch the clock.
    removeFromWorld(spawner->getTracked()[0]);
    frame(sf::seconds(1.f));
    removeFromWorld(spawner->getTracked()[0]);
    EXPECT_EQ(spawner->getElapsed(), sf::seconds(96.f));
}

TEST_F(SpawnerTest, ProbabilityDecidesEachEventAndTheClockRestartsEitherWay) {
    SpawnerComponent* never = addSpawner(frogSettings(0.f, 1));
    frame(sf::milliseconds(16));
    removeFromWorld(never->getTracked()[0]);
    for (int i = 0; i < 20; ++i) {
        event();
        EXPECT_EQ(never->getElapsed(), sf::Time::Zero);
    }
    EXPECT_TRUE(never->getTracked().empty());
    EXPECT_EQ(made.size(), 1u);
}

TEST_F(SpawnerTest, CountIsNotCappedWithinOneEvent) {
    SpawnerSettings settings = frogSettings(1.f, 6);
    settings.spawnCount = 3;
    SpawnerComponent* spawner = addSpawner(settings);
    frame(sf::milliseconds(16));
    removeFromWorld(spawner->getTracked()[2]);
    ASSERT_EQ(spawner->getTracked().size(), 5u);

    event();
    EXPECT_EQ(spawner->getTracked().size(), 8u);
    EXPECT_EQ(world.getEntityCount(), 9u);
}

TEST_F(SpawnerTest, EntityThatTravelsOnIsUntrackedOnceAndMayLeaveAgain) {
    SpawnerComponent* spawner = addSpawner(frogSettings(0.f, 2));
    frame(sf::milliseconds(16));
    const orv::Entity* frog = spawner->getTracked()[0];

    orv::World elsewhere;
    std::vector<std::unique_ptr<orv::Entity>> taken = world.removeEntities({frog});
    EXPECT_EQ(spawner->getTracked().size(), 1u);
    elsewhere.addEntities(std::move(taken));
    EXPECT_NO_THROW(elsewhere.removeEntities({frog}));
    EXPECT_EQ(spawner->getTracked().size(), 1u);
}

TEST_F(SpawnerTest, SpawnedSpawnersJoinTheSystemAndStartNextFrame) {
    SpawnerSettings settings = frogSettings(0.f, 2);
    settings.entityIdToSpawn = Sapling;
    addSpawner(settings);

    frame(sf::milliseconds(16));
    EXPECT_EQ(made, (std::vector<std::string>{Sapling, Sapling}));
    EXPECT_EQ(system->getSpawners().size(), 3u);

    frame(sf::milliseconds(16));
    EXPECT_EQ(made, (std::vector<std::string>{Sapling, Sapling, Frog, Frog}));
}

TEST_F(SpawnerTest, RemovedSpawnersAreNoLongerUpdated) {
    SpawnerComponent* spawner = addSpawner(frogSettings(1.f, 1));
    const orv::Entity* owner = spawnerEntity;
    EXPECT_EQ(system->getSpawners(), std::vector<const orv::Entity*>{owner});
    auto gone = world.removeEntities({owner});
    EXPECT_TRUE(system->getSpawners().empty());
    frame(sf::milliseconds(16));
    EXPECT_TRUE(made.empty());
    EXPECT_TRUE(spawner->isInitialSpawnPending());
}

TEST_F(SpawnerTest, SpawnedEntitiesOutliveTheirSpawnerUntracked) {
    addSpawner(frogSettings(0.f, 2));
    frame(sf::milliseconds(16));
    world.removeEntities({spawnerEntity});
    ASSERT_EQ(world.getEntityCount(), 2u);
    const orv::Entity* frog = world.getEntities().front().get();
    EXPECT_NO_THROW(world.removeEntities({frog}));
}

TEST_F(SpawnerTest, AnEntityThatCannotBeMadeStopsTheSpawnerAndTheGameGoesOn) {
    SpawnerSettings settings = frogSettings(1.f, 3);
    settings.entityIdToSpawn = "NOTHING";
    addSpawner(settings);
    testing::internal::CaptureStdout();
    EXPECT_NO_THROW(frame(sf::milliseconds(16)));
    EXPECT_NO_THROW(event());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "spawner stopped: cannot spawn \"NOTHING\": invalid map<K, T> key\n");
    EXPECT_EQ(made, std::vector<std::string>{"NOTHING"});
    EXPECT_EQ(world.getEntities().size(), 1u);
}

TEST_F(SpawnerTest, AnEntityTheWorldRefusesStopsTheSpawnerAndTheGameGoesOn) {
    addSpawner(frogSettings(1.f, 3));
    // As the physics system refuses a body it cannot simulate.
    world.getEntitiesArrivingSignal().connect(
        [](const std::vector<const orv::Entity*>&) { throw std::runtime_error("no body for it"); });
    testing::internal::CaptureStdout();
    EXPECT_NO_THROW(frame(sf::milliseconds(16)));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "spawner stopped: cannot spawn \"FROG\": no body for it\n");
    EXPECT_EQ(made, std::vector<std::string>{Frog});
    EXPECT_EQ(world.getEntities().size(), 1u);
}

TEST(SpawnerPlacementTest, OffsetPointsAlongTheAngleAtTheDrawnDistance) {
    const sf::Vector2f east = SpawnerComponent::spawnPosition({1.f, 1.f}, 2.f, 0.f);
    EXPECT_NEAR(east.x, 3.f, 1e-5f);
    EXPECT_NEAR(east.y, 1.f, 1e-5f);
    const sf::Vector2f down = SpawnerComponent::spawnPosition({0.f, 0.f}, 2.5f, 90.f);
    EXPECT_NEAR(down.x, 0.f, 1e-5f);
    EXPECT_NEAR(down.y, 2.5f, 1e-5f);
    const sf::Vector2f west = SpawnerComponent::spawnPosition({0.f, 0.f}, 1.f, 180.f);
    EXPECT_NEAR(west.x, -1.f, 1e-5f);
    const sf::Vector2f centre = SpawnerComponent::spawnPosition({4.f, 5.f}, 0.f, 33.f);
    EXPECT_EQ(centre, sf::Vector2f(4.f, 5.f));
}

TEST(SpawnerSetupTest, SpawnerNeedsATransformAndTheSystemATimeSystem) {
    orv::Entity entity;
    entity.addComponent<SpawnerComponent>(SpawnerSettings{});
    EXPECT_THROW(entity.init(), std::logic_error);

    tarsk::RandomNumberGenerator random(1u);
    orv::World world;
    world.registerSystem<SpawnerSystem>([](const std::string&) { return std::make_unique<orv::Entity>(); },
                                        random);
    try {
        world.initSystems();
        FAIL() << "a spawner system without a time system must not start";
    } catch (const std::logic_error& error) {
        EXPECT_EQ(std::string(error.what()).rfind("System does not exist. SystemName: ", 0), 0u);
    }
}

TEST(SpawnerJsonTest, RecordRoundTripsWithTheIntervalInMilliseconds) {
    const nlohmann::json record = {{"entityIdToSpawn", "entity_internal_ENEMY_FROG"},
                                   {"timeBetweenSpawnEvents", 600000},
                                   {"spawnProbability", 0.25},
                                   {"spawnCount", 2},
                                   {"spawnRadius", 3.5},
                                   {"maxConcurrentlySpawnedEntities", 4}};
    auto spawner = SpawnerComponent::fromJson(record);
    const SpawnerSettings& settings = spawner->getSettings();
    EXPECT_EQ(settings.entityIdToSpawn, "entity_internal_ENEMY_FROG");
    EXPECT_EQ(settings.timeBetweenSpawnEvents, sf::seconds(600.f));
    EXPECT_FLOAT_EQ(settings.spawnProbability, 0.25f);
    EXPECT_EQ(settings.spawnCount, 2);
    EXPECT_FLOAT_EQ(settings.spawnRadius, 3.5f);
    EXPECT_EQ(settings.maxConcurrentlySpawnedEntities, 4);
    EXPECT_TRUE(spawner->isInitialSpawnPending());

    const nlohmann::json written = spawner->toJsonData();
    EXPECT_EQ(written, record);
    EXPECT_TRUE(written["timeBetweenSpawnEvents"].is_number_integer());

    // Intervals longer than a 32-bit millisecond count survive.
    nlohmann::json longer = record;
    longer["timeBetweenSpawnEvents"] = 5000000000LL;
    EXPECT_EQ(SpawnerComponent::fromJson(longer)->toJsonData()["timeBetweenSpawnEvents"], 5000000000LL);
}

TEST(SpawnerJsonTest, MissingKeysAndWrongTypesAreRejected) {
    const nlohmann::json record = {{"entityIdToSpawn", "FROG"}, {"timeBetweenSpawnEvents", 1000},
                                   {"spawnProbability", 0.5},   {"spawnCount", 1},
                                   {"spawnRadius", 1.0},        {"maxConcurrentlySpawnedEntities", 1}};
    for (const auto& [key, value] : record.items()) {
        nlohmann::json without = record;
        without.erase(key);
        EXPECT_THROW(SpawnerComponent::fromJson(without), std::logic_error) << key;
    }

    nlohmann::json badName = record;
    badName["entityIdToSpawn"] = 5;
    try {
        SpawnerComponent::fromJson(badName);
        FAIL();
    } catch (const nlohmann::json::type_error& error) {
        EXPECT_NE(std::string(error.what()).find("type must be string, but is number"), std::string::npos);
    }
    nlohmann::json badCount = record;
    badCount["spawnCount"] = "three";
    try {
        SpawnerComponent::fromJson(badCount);
        FAIL();
    } catch (const orv::JsonError& error) {
        EXPECT_STREQ(error.what(), "spawnCount: type must be number, but is string");
    }
    EXPECT_THROW(SpawnerComponent::fromJson(nlohmann::json::array()), nlohmann::json::type_error);
}

} // namespace
