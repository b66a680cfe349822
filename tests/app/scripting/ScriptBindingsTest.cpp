#include "app/scripting/ScriptBindings.hpp"
#include "app/scripting/ScriptEnvironment.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/scripting/ScriptProvider.hpp"
#include "game/ai/AiComponent.hpp"
#include "game/ai/AiManager.hpp"
#include "game/combat/AttackManager.hpp"
#include "game/navigation/NavigationSystem.hpp"
#include "game/random/RandomNumberGenerator.hpp"
#include "game/time/TimeSystem.hpp"
#include "luabind/InstructionLimit.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

std::unique_ptr<orv::Entity> initialisedEntity() {
    auto entity = std::make_unique<orv::Entity>();
    entity->init();
    return entity;
}

using Lines = std::vector<std::string>;
const Lines success{"success"};

bool contains(const Lines& lines, const std::string& part) {
    return lines.size() == 1 && lines[0].find(part) != std::string::npos;
}

// A world with a time system and a player in it, as the console sees a running game.
class ScriptBindingsTest : public ::testing::Test {
protected:
    ScriptBindingsTest() {
        tarsk::registerScriptBindings(provider);
        provider.completeRegistration();
        scripts = std::make_unique<tarsk::ScriptEnvironment>(provider);
        time = world.registerSystem<tarsk::TimeSystem>();
        player = world.addEntity(initialisedEntity());
        scripts->setPlayer(player);
    }

    orv::ScriptProvider provider;
    std::unique_ptr<tarsk::ScriptEnvironment> scripts;
    orv::World world;
    tarsk::TimeSystem* time = nullptr;
    const orv::Entity* player = nullptr;
};

TEST_F(ScriptBindingsTest, TheWorldsTimeOfDayIsReadAndSet) {
    time->setDayTime(tarsk::DayTime(13, 25, 40));
    EXPECT_EQ(scripts->execute("hour = player:world():getTime().hour"), success);
    EXPECT_EQ(scripts->execute("assert(hour == 13)"), success);
    EXPECT_EQ(
        scripts->execute("local t = player:world():getTime(); assert(t.minute == 25 and t.second == 40)"),
        success);

    // getTime hands out a copy: only setTime changes the world.
    EXPECT_EQ(scripts->execute("t = player:world():getTime(); t.hour = 7"), success);
    EXPECT_EQ(time->getDayTime().getHour(), 13u);
    EXPECT_EQ(scripts->execute("t.minute = 5; player:world():setTime(t)"), success);
    EXPECT_EQ(time->getDayTime().getHour(), 7u);
    EXPECT_EQ(time->getDayTime().getMinute(), 5u);
    EXPECT_EQ(time->getDayTime().getSecond(), 40u);

    EXPECT_TRUE(contains(scripts->execute("t.hour = -1"), "bad argument"));
}

TEST_F(ScriptBindingsTest, MissingPiecesFailAsTextNotCrashes) {
    EXPECT_TRUE(contains(scripts->execute("player:d_abortSeekUntilArrive()"),
                         "Component does not exist. Typename: tarsk::AiComponent"));
    scripts->getEnvironment().set("here", sf::Vector2f(0.f, 0.f));
    EXPECT_TRUE(contains(scripts->execute("player:world():d_findGoodPath(here, here, player)"),
                         "System does not exist. SystemName: tarsk::NavigationSystem"));

    orv::World bare;
    const orv::Entity* stray = bare.addEntity(initialisedEntity());
    scripts->setCamera(stray);
    EXPECT_TRUE(contains(scripts->execute("camera:world():getTime()"),
                         "System does not exist. SystemName: tarsk::TimeSystem"));
    scripts->clearCamera();

    orv::Entity homeless;
    scripts->setCamera(&homeless);
    EXPECT_EQ(scripts->execute("assert(camera:world() == nil)"), success);
    scripts->clearCamera();
}

TEST_F(ScriptBindingsTest, PathsComeBackFromTheNavigationSystem) {
    orv::World navigable;
    navigable.registerSystem<tarsk::NavigationSystem>();
    const orv::Entity* agent = navigable.addEntity(initialisedEntity());
    scripts->setCamera(agent);
    scripts->getEnvironment().set("from", sf::Vector2f(1.f, 1.f));
    scripts->getEnvironment().set("to", sf::Vector2f(4.f, 2.f));
    // Without a mesh there is nothing to search: the path is invalid and empty.
    EXPECT_EQ(scripts->execute("path = camera:world():d_findGoodPath(from, to, camera)"), success);
    EXPECT_EQ(scripts->execute("assert(path:isValid() == false and #path:getPath() == 0)"), success);
    scripts->clearCamera();
}

TEST_F(ScriptBindingsTest, KeptEntitiesAndWorldsThatDiedRaiseInsteadOfReachingFreedMemory) {
    auto doomed = std::make_unique<orv::World>();
    doomed->registerSystem<tarsk::TimeSystem>();
    const orv::Entity* frog = doomed->addEntity(initialisedEntity());
    scripts->setCamera(frog);
    ASSERT_EQ(scripts->execute("keepFrog = camera keepWorld = camera:world() keepPlayer = player"), success);
    scripts->clearCamera();

    // The player dies: its world removes and deletes it, as at the end of a frame.
    world.markForRemoval(player);
    world.removeMarkedEntities();
    scripts->clearPlayer();
    EXPECT_TRUE(contains(scripts->execute("keepPlayer:world()"), "entity no longer exists"));
    EXPECT_TRUE(contains(scripts->execute("keepPlayer:d_abortSeekUntilArrive()"), "entity no longer exists"));
    EXPECT_EQ(scripts->execute("assert(keepFrog:world() == keepWorld)"), success);

    doomed.reset();
    EXPECT_TRUE(contains(scripts->execute("keepWorld:getTime()"), "world no longer exists"));
    EXPECT_TRUE(contains(scripts->execute("keepFrog:world()"), "entity no longer exists"));
    EXPECT_EQ(scripts->execute("assert(tostring(keepWorld) ~= nil)"), success);
}

TEST_F(ScriptBindingsTest, ALineCannotHurtTheGameOrOtherLines) {
    // A line that never ends is stopped; the next one runs.
    EXPECT_EQ(scripts->execute("while true do end"), Lines{lua::InstructionLimit::exhaustedText});
    EXPECT_EQ(scripts->execute("n = 0 for i = 1, 10 do n = n + i end assert(n == 55)"), success);
    // Precompiled code never loads.
    EXPECT_EQ(
        scripts->execute("local f, why = load(string.dump(function() end)) assert(f == nil) error(why, 0)"),
        Lines{"attempt to load a binary chunk (mode is 't')"});
    // The shared tables stay as they are for every script.
    for (const char* change : {"game.Vec2f.x = 1", "game.Vec2f = nil", "game.DayTime.hour = nil",
                               "string.rep = nil", "_G.tostring = nil", "rawset(game, 'Vec2f', 1)"})
        EXPECT_NE(scripts->execute(change), success) << change;
    scripts->getEnvironment().set("here", sf::Vector2f(1.5f, 2.f));
    EXPECT_EQ(scripts->execute("assert(here.x == 1.5 and game.Vec2f ~= nil and tostring(1) == '1')"),
              success);
}

class ScriptAiBindingsTest : public ScriptBindingsTest {
protected:
    ScriptAiBindingsTest() {
        library = std::make_unique<tarsk::AiManager>(resources, random, attacks, folder.path());
        auto entity = std::make_unique<orv::Entity>();
        ai = entity->addComponent<tarsk::AiComponent>(std::nullopt, *library);
        frog = std::move(entity);
        scripts->setCamera(frog.get());
        scripts->getEnvironment().set("target", sf::Vector2f(3.f, 4.f));
    }
    ~ScriptAiBindingsTest() override { scripts->clearCamera(); }

    testsupport::TempFolder folder;
    orv::ResourceManager resources;
    tarsk::RandomNumberGenerator random{7u};
    tarsk::AttackManager attacks;
    std::unique_ptr<tarsk::AiManager> library;
    std::unique_ptr<orv::Entity> frog;
    tarsk::AiComponent* ai = nullptr;
};

TEST_F(ScriptAiBindingsTest, SeekingIsStartedAndAbortedThroughEitherForm) {
    EXPECT_EQ(scripts->execute("camera:d_seekUntilArrive(target)"), success);
    EXPECT_TRUE(ai->isSeekingUntilArrive());
    EXPECT_EQ(scripts->execute("camera:d_abortSeekUntilArrive()"), success);
    EXPECT_FALSE(ai->isSeekingUntilArrive());
    EXPECT_EQ(scripts->execute("camera:d_seekUntilArrive(target, 1.5)"), success);
    EXPECT_TRUE(ai->isSeekingUntilArrive());
}

TEST_F(ScriptAiBindingsTest, OtherArgumentsMatchNoForm) {
    const std::string noMatch =
        "sol: no matching function call takes this number of arguments and the specified types";
    EXPECT_TRUE(contains(scripts->execute("camera:d_seekUntilArrive()"), noMatch));
    EXPECT_TRUE(contains(scripts->execute("camera:d_seekUntilArrive(1, 2)"), noMatch));
    EXPECT_TRUE(contains(scripts->execute("camera:d_seekUntilArrive(target, 'far')"), noMatch));
    EXPECT_FALSE(ai->isSeekingUntilArrive());
}

TEST_F(ScriptAiBindingsTest, PathsAreFollowedFromAListOfPoints) {
    scripts->getEnvironment().set("start", sf::Vector2f(1.f, 2.f));
    EXPECT_EQ(scripts->execute("camera:d_followPath({start, target})"), success);
    const auto& path = ai->getSteering().getPath();
    ASSERT_TRUE(path.has_value());
    ASSERT_EQ(path->size(), 2u);
    EXPECT_EQ((*path)[0], sf::Vector2f(1.f, 2.f));
    EXPECT_EQ((*path)[1], sf::Vector2f(3.f, 4.f));
    EXPECT_TRUE(contains(scripts->execute("camera:d_followPath({target, 3})"), "bad argument"));
}

} // namespace
