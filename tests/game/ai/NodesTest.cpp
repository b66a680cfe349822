#include "AiTestSupport.hpp"

#include "game/ai/nodes/SteeringSeekUntilReachedOrAbortedNode.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace aitest;
using tarsk::AiComponent;
using Status = bt::NodeStatus;
constexpr float top = AiComponent::MaxSpeed;

TEST(PositionNodes, SetAndGetTheOwnersPosition) {
    Scene scene(R"(<Sequence><debug_SetEntityToPosition position="4;-1"/>
                   <GetPositionXY positionXY="{here}"/><GetPositionXY/></Sequence>)");
    EXPECT_EQ(scene.tick(), Status::SUCCESS);
    EXPECT_EQ(scene.blackboard().get<sf::Vector2f>("here"), sf::Vector2f(4, -1));
    EXPECT_EQ(of<orv::PhysicsComponent>(scene.agent)->getBody()->GetPosition(), b2Vec2(4, -1));

    Scene far(R"(<debug_SetEntityToPosition position="2000000;50"/>)");
    EXPECT_EQ(far.tick(), Status::SUCCESS);
    EXPECT_EQ(positionOf(far.agent), sf::Vector2f(1e6f, 50));

    Scene missing(R"(<debug_SetEntityToPosition position="{nowhere}"/>)");
    testing::internal::CaptureStdout();
    EXPECT_EQ(missing.tick(), Status::FAILURE);
    EXPECT_NE(testing::internal::GetCapturedStdout().find(
                  ": missing required input [message]: input port \"position\""),
              std::string::npos);
}

TEST(PositionNodes, DistanceTestsCountTheDeltaAsClose) {
    Scene goal(R"(<IsCloseToGoal goal="4;5" delta="{delta}"/>)", {1, 1});
    goal.blackboard().set("delta", 5.f);
    EXPECT_EQ(goal.tick(), Status::SUCCESS);
    goal.blackboard().set("delta", 4.99f);
    EXPECT_EQ(goal.tick(), Status::FAILURE);

    Scene entity(R"(<IsCloseToEntity target="{other}" delta="{delta}"/>)", {1, 1});
    entity.blackboard().set("other", entity.w.add(entityAt({4, 5}, ballBody())));
    entity.blackboard().set("delta", 5.f);
    EXPECT_EQ(entity.tick(), Status::SUCCESS);
    entity.blackboard().set("delta", 4.99f);
    EXPECT_EQ(entity.tick(), Status::FAILURE);
}

TEST(PositionNodes, RequiredInputsThatAreMissingFailTheNodeAndAreSaidOncePerTree) {
    // Bad literals ("near", "wide") are refused when the tree is made; what is missing shows at the tick.
    for (const char* bad : {R"(<IsCloseToGoal goal="1;0" delta="near"/>)",
                            R"(<SteeringSeek goal="1;0" slowingRadius="wide"/>)"})
        EXPECT_THROW(Scene scene(bad), bt::RuntimeError) << bad;
    const std::vector<std::pair<const char*, const char*>> cases = {
        {R"(<IsCloseToGoal goal="1;0"/>)", "input port \"delta\" of node \"IsCloseToGoal\": not set"},
        // FindTarget writes null when it finds nobody.
        {R"(<Sequence><Inverter><FindTarget maxDist="1" target="{t}"/></Inverter>
                      <SteeringPursuit target="{t}"/></Sequence>)",
         "input port \"target\" of node \"SteeringPursuit\": it holds no entity"}};
    for (const auto& [body, why] : cases) {
        Scene scene(body);
        testing::internal::CaptureStdout();
        EXPECT_EQ(scene.tick(), Status::FAILURE) << body;
        EXPECT_EQ(scene.tick(), Status::FAILURE) << body;
        const std::string said = testing::internal::GetCapturedStdout();
        EXPECT_EQ(said.rfind("behaviour tree \"main\" (", 0), 0u) << said;
        EXPECT_NE(said.find(why), std::string::npos) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }

    // A target written before it was killed is not followed.
    Scene stale(R"(<IsCloseToEntity target="{t}" delta="1"/>)");
    const orv::Entity* victim = stale.w.add(entityAt({1, 0}, ballBody()));
    stale.blackboard().set("t", victim);
    stale.w.world.removeEntities({victim});
    testing::internal::CaptureStdout();
    EXPECT_EQ(stale.tick(), Status::FAILURE);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("its entity is no longer in the world"),
              std::string::npos);

    // A built-in node stops the tree's tick, which starts afresh the next time.
    Scene repeat(R"(<Sequence><GetPositionXY positionXY="{here}"/>
                              <Repeat num_cycles="{n}"><GetPositionXY/></Repeat></Sequence>)");
    testing::internal::CaptureStdout();
    repeat.ai->tick();
    repeat.ai->tick();
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("blackboard has no entry \"n\"; the tree starts again\n"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_TRUE(repeat.blackboard().contains("here"));
}

TEST(SelectRandomPositionInCircle, DrawsTheAngleThenTheRadius) {
    Scene scene(R"(<SelectRandomPositionInCircle circleOrigin="10;-4" circleRadiusInner="1"
                                                circleRadiusOuter="3" position="{spot}"/>)",
                {0, 0}, ballBody(), 42);
    tarsk::RandomNumberGenerator twin(42);
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(scene.tick(), Status::SUCCESS);
        // At the drawn distance, 45 degrees past the drawn angle.
        const float angle = twin.randomFloat(0.f, 6.2831855f) + 0.78539816f;
        const float radius = twin.randomFloat(1.f, 3.f);
        const sf::Vector2f spot = scene.blackboard().get<sf::Vector2f>("spot");
        EXPECT_NEAR(spot.x, 10.f + radius * std::cos(angle), 1e-4f);
        EXPECT_NEAR(spot.y, -4.f + radius * std::sin(angle), 1e-4f);
    }
    Scene ring(R"(<SelectRandomPositionInCircle circleOrigin="0;0" circleRadiusInner="3" circleRadiusOuter="3"
                                                position="{spot}"/>)");
    ring.tick();
    const sf::Vector2f onRing = ring.blackboard().get<sf::Vector2f>("spot");
    EXPECT_NEAR(std::hypot(onRing.x, onRing.y), 3.f, 1e-5f);
}

TEST(SteeringSeek, WishesTowardTheGoalSlowingWithinTheRadius) {
    // One unit away: half speed within the default slowing radius of 2, also when the radius
    // names a blackboard entry that was never written.
    for (const char* body :
         {R"(<SteeringSeek goal="1;0"/>)", R"(<SteeringSeek goal="1;0" slowingRadius="{r}"/>)"}) {
        Scene scene(body);
        EXPECT_EQ(scene.tick(), Status::SUCCESS);
        EXPECT_EQ(scene.wish(), sf::Vector2f(top / 2, 0)) << body;
    }
    Scene narrow(R"(<SteeringSeek goal="0;1" slowingRadius="0.5"/>)");
    narrow.tick();
    EXPECT_EQ(narrow.wish(), sf::Vector2f(0, top));
}

TEST(SteeringPursuit, AimsAheadOfTheTargetByTheStepTime) {
    Scene scene(R"(<SteeringPursuit target="{prey}"/>)");
    const orv::Entity* prey = scene.w.add(entityAt({10, 0}, ballBody()));
    of<orv::PhysicsComponent>(prey)->setLinearVelocity({0, 5});
    scene.blackboard().set("prey", prey);
    scene.w.physics->setTimeStep(sf::Time::Zero);
    EXPECT_EQ(scene.tick(), Status::SUCCESS);
    EXPECT_EQ(scene.wish(), sf::Vector2f(top, 0));

    scene.ai->updateSteering(0.f);
    scene.w.physics->setTimeStep(sf::seconds(1.f / 30.f));
    scene.tick();
    // Ten units at top speed take 1/6 s; times the look-ahead of 1/30 the prey has gone on by
    // 5 / 6 / 30 upward.
    EXPECT_NEAR(scene.wish().y / scene.wish().x, 5.f / 6.f / 30.f / 10.f, 1e-5f);
}

TEST(SteeringSeekUntilReachedOrAborted, SucceedsThereAndFailsWhenPinned) {
    Scene there(R"(<SteeringSeekUntilReachedOrAborted goal="0.1;0.1"/>)");
    EXPECT_EQ(there.tick(), Status::SUCCESS);
    EXPECT_EQ(there.wish(), sf::Vector2f(0, 0));

    Scene pinned(R"(<SteeringSeekUntilReachedOrAborted goal="5;0"/>)", {0, 0}, ballBody(b2_staticBody));
    EXPECT_EQ(pinned.frame(), Status::RUNNING);
    EXPECT_EQ(pinned.frame(), Status::FAILURE);
}

TEST(SteeringSeekUntilReachedOrAborted, WalksTheOwnerToTheGoal) {
    Scene scene(R"(<SteeringSeekUntilReachedOrAborted goal="3;-2" delta="0.25" slowingRadius="1"/>)");
    auto* node = scene.node<tarsk::SteeringSeekUntilReachedOrAbortedNode>();
    Status status = scene.frame();
    EXPECT_EQ(node->getGoal(), sf::Vector2f(3, -2));
    for (int frames = 1; status == Status::RUNNING && frames < 600; ++frames)
        status = scene.frame();
    ASSERT_EQ(status, Status::SUCCESS);
    EXPECT_LE(std::hypot(positionOf(scene.agent).x - 3.f, positionOf(scene.agent).y + 2.f), 0.25f);
    EXPECT_EQ(node->getGoal(), sf::Vector2f(0, 0));
}

TEST(SteeringSeekUntilReachedOrAborted, AHaltedSeekForgetsItsGoalAndStopsWishing) {
    Scene scene(R"(<ReactiveSequence><IsCloseToGoal goal="0;0" delta="{leash}"/>
                   <SteeringSeekUntilReachedOrAborted goal="9;0"/></ReactiveSequence>)");
    scene.blackboard().set("leash", 100.f);
    auto* node = scene.node<tarsk::SteeringSeekUntilReachedOrAbortedNode>();
    EXPECT_EQ(scene.frame(), Status::RUNNING);
    EXPECT_EQ(scene.frame(), Status::RUNNING);
    scene.blackboard().set("leash", 0.f);
    EXPECT_EQ(scene.frame(), Status::FAILURE);
    EXPECT_EQ(node->getStatus(), Status::IDLE);
    EXPECT_EQ(node->getGoal(), sf::Vector2f(0, 0));
    scene.tick();
    EXPECT_EQ(scene.wish(), sf::Vector2f(0, 0));
}

TEST(GetTileIdAtPosition, ReadsTheCellUnderAPositionAndFailsOffTheMap) {
    Scene scene(R"(<GetTileIdAtPosition positionXY="{at}" tileId="{tile}"/>)");
    scene.blackboard().set("at", sf::Vector2f(1, 1));
    testing::internal::CaptureStdout();
    EXPECT_EQ(scene.tick(), Status::FAILURE); // no terrain yet
    EXPECT_NE(testing::internal::GetCapturedStdout().find(
                  ": node \"GetTileIdAtPosition\": the world has no terrain; the node fails\n"),
              std::string::npos);
    const orv::Tileset tiles = grassAndSand();
    const orv::Entity* ground = scene.w.addTerrain(tiles, {4, 3});
    of<tarsk::TerrainComponent>(ground)->getTilemap().setTiles({{{2, 1}, &*tiles.findTile("SAND")}});

    for (const auto& [at, tile] :
         {std::pair{sf::Vector2f(2.5f, 1.9f), "SAND"}, {{1.5f, 2.5f}, "GRASS"}, {{3.99f, 2.99f}, "GRASS"}}) {
        scene.blackboard().set("at", at);
        EXPECT_EQ(scene.tick(), Status::SUCCESS);
        EXPECT_EQ(scene.blackboard().get<std::string>("tile"), tile);
    }
    for (const sf::Vector2f at :
         {sf::Vector2f(-2, 2), sf::Vector2f(-0.01f, 0), sf::Vector2f(4, 0), sf::Vector2f(0, 3)}) {
        scene.blackboard().set("at", at);
        EXPECT_EQ(scene.tick(), Status::FAILURE) << at.x << ", " << at.y;
    }
}

// In a world made without the terrain it looks up, the node fails, said once.
TEST(NodeFaults, ANodeNeedingASystemItsWorldLacksFailsSaidOnce) {
    Library library({{"main", treeText(R"(<GetTileIdAtPosition positionXY="1;1" tileId="{tile}"/>)")}});
    orv::World world;
    world.registerSystem<orv::PhysicsSystem>();
    world.registerSystem<tarsk::AiSystem>();
    world.initSystems();
    auto agent = entityAt({0, 0}, ballBody());
    addAi(*agent, std::make_unique<AiComponent>("main", *library));
    agent->init();
    world.addEntity(std::move(agent));
    testing::internal::CaptureStdout();
    EXPECT_NO_THROW(world.update(); world.update());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "behaviour tree \"main\" (" + library.folder.path().generic_string() +
                  "/main.xml): node \"GetTileIdAtPosition\": System does not exist. SystemName: "
                  "tarsk::TerrainSystem; the node fails\n");
}

TEST(IsEntityRefValid, HoldsWhileTheEntityIsInTheOwnersWorld) {
    Scene scene(R"(<IsEntityRefValid entity="{someone}"/>)");
    EXPECT_EQ(scene.tick(), Status::FAILURE); // never written
    scene.blackboard().set("someone", static_cast<const orv::Entity*>(nullptr));
    EXPECT_EQ(scene.tick(), Status::FAILURE);
    const orv::Entity* other = scene.w.add(entityAt({3, 3}));
    scene.blackboard().set("someone", other);
    EXPECT_EQ(scene.tick(), Status::SUCCESS);
    const auto removed = scene.w.world.removeEntities({other});
    EXPECT_EQ(scene.tick(), Status::FAILURE);

    AiWorld elsewhere(false);
    scene.blackboard().set("someone", elsewhere.add(entityAt({0, 0})));
    EXPECT_EQ(scene.tick(), Status::FAILURE);
}

// The owner is a fighter of faction frog; the test adds the others.
struct Fight : Scene {
    explicit Fight(const std::string& body)
        : Scene(body, {0, 0}, ballBody(), 7, [](orv::Entity& agent) { addFighter(agent, {"frog"}); }) {}

    const orv::Entity* fighter(sf::Vector2f at, std::vector<std::string> factions) {
        auto entity = entityAt(at, ballBody());
        addFighter(*entity, std::move(factions));
        return w.add(std::move(entity));
    }
    const orv::Entity* target() { return blackboard().get<const orv::Entity*>("target"); }
};

TEST(FindTarget, TakesTheNearestFighterOfTheRequiredFactions) {
    Fight filtered(R"(<FindTarget maxDist="5" filterFactions="frog" target="{target}"/>)");
    filtered.fighter({3, 0}, {"frog"});
    filtered.fighter({0, 2}, {"frog"});
    filtered.w.frame();
    ASSERT_EQ(filtered.ai->getDetectedEntities().size(), 2u);
    EXPECT_EQ(filtered.tick(), Status::FAILURE);
    EXPECT_EQ(filtered.target(), nullptr);

    Fight required(R"(<FindTarget maxDist="5" requireFactions="frog" target="{target}"/>)");
    required.fighter({3, 0}, {"frog"});
    const orv::Entity* nearer = required.fighter({0, 2}, {"frog"});
    required.fighter({1, 0}, {"toad"});
    required.w.add(entityAt({0, 1}, ballBody())); // not a fighter
    required.w.frame();
    EXPECT_EQ(required.tick(), Status::SUCCESS);
    EXPECT_EQ(required.target(), nearer);

    Fight both(R"(<FindTarget maxDist="5" requireFactions="|a||b|" target="{target}"/>)");
    both.fighter({1, 0}, {"a"});
    both.fighter({0, 1}, {"b", "c"});
    const orv::Entity* ab = both.fighter({-3, 0}, {"b", "a"});
    both.w.frame();
    EXPECT_EQ(both.tick(), Status::SUCCESS);
    EXPECT_EQ(both.target(), ab);
}

TEST(FindTarget, ReachesExactlyToTheMaximumAndKeepsTheFirstOfEquals) {
    Fight scene(R"(<FindTarget maxDist="{reach}" target="{target}"/>)");
    const orv::Entity* first = scene.fighter({3, 4}, {});
    scene.w.frame();
    const orv::Entity* second = scene.fighter({-3, -4}, {});
    scene.w.frame();
    ASSERT_EQ(scene.ai->getDetectedEntities(), (std::vector<const orv::Entity*>{first, second}));
    scene.blackboard().set("reach", 5.f);
    EXPECT_EQ(scene.tick(), Status::SUCCESS);
    EXPECT_EQ(scene.target(), first);
    scene.blackboard().set("reach", 4.99f);
    EXPECT_EQ(scene.tick(), Status::FAILURE);
    EXPECT_EQ(scene.target(), nullptr);
}

TEST(debug_ExecuteAttack, StrikesThroughTheFighterOnlyOnceTheAttacksCooldownHasPassed) {
    Fight fight(R"(<debug_ExecuteAttack target="{target}" attackId="FROG_DEFAULT_ATTACK"/>)");
    const orv::Entity* victim = fight.fighter({0.8f, 0}, {"PLAYER"});
    fight.blackboard().set("target", victim);
    // The attack made in the first tick cools down for its 2 s of frame time before the first blow.
    EXPECT_EQ(fight.tick(), Status::FAILURE);
    for (int i = 1; i < 128; ++i)
        ASSERT_EQ(fight.frame(), Status::FAILURE) << "frame " << i;
    EXPECT_EQ(fight.frame(), Status::SUCCESS);
    EXPECT_EQ(fight.tick(), Status::FAILURE) << "no cooldown held the second blow back";
    EXPECT_FLOAT_EQ(of<tarsk::HealthComponent>(victim)->getHealth(), 80.f);
    EXPECT_FLOAT_EQ(of<tarsk::HealthComponent>(fight.agent)->getHealth(), 100.f);
    for (int i = 1; i < 128; ++i)
        ASSERT_EQ(fight.frame(), Status::FAILURE) << "frame " << i << " after the blow";
    EXPECT_EQ(fight.frame(), Status::SUCCESS);

    Fight unknown(R"(<debug_ExecuteAttack target="{target}" attackId="NO_SUCH_ATTACK"/>)");
    const orv::Entity* spared = unknown.fighter({0.8f, 0}, {"PLAYER"});
    unknown.blackboard().set("target", spared);
    EXPECT_EQ(unknown.tick(), Status::FAILURE);
    EXPECT_FLOAT_EQ(of<tarsk::HealthComponent>(spared)->getHealth(), 100.f);

    // A punch needs its attacker's orientation, which this fighter lacks. The attack is carried out
    // within the tick: the node fails, said once however often it is tried.
    Fight punch(R"(<debug_ExecuteAttack target="{target}" attackId="PUNCH_ATTACK"/>)");
    punch.blackboard().set("target", punch.fighter({0.8f, 0}, {"PLAYER"}));
    testing::internal::CaptureStdout();
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(punch.frame(), Status::FAILURE) << "frame " << i;
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "behaviour tree \"main\" (" + punch.library.folder.path().generic_string() +
                  "/main.xml): node \"debug_ExecuteAttack\": attack \"PUNCH_ATTACK\": Component does not "
                  "exist. Typename: tarsk::OrientationComponent; the node fails\n");
}

} // namespace
