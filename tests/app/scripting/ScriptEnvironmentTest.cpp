#include "app/scripting/ScriptEnvironment.hpp"
#include "app/savegame/LoadedSavegame.hpp"
#include "app/scripting/ScriptBindings.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/scripting/ScriptProvider.hpp"
#include "game/time/TimeSystem.hpp"

#include <gtest/gtest.h>

#include <SFML/System/Vector2.hpp>

#include <memory>
#include <sstream>
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

class ScriptEnvironmentTest : public ::testing::Test {
protected:
    ScriptEnvironmentTest() {
        tarsk::registerScriptBindings(provider);
        provider.completeRegistration();
        scripts = std::make_unique<tarsk::ScriptEnvironment>(provider);
    }

    static std::string addressOf(const void* pointer) {
        std::ostringstream out;
        out << pointer;
        return out.str();
    }

    orv::ScriptProvider provider;
    std::unique_ptr<tarsk::ScriptEnvironment> scripts;
};

TEST_F(ScriptEnvironmentTest, AssignedGlobalsStayInTheEnvironmentForLaterLines) {
    EXPECT_EQ(scripts->execute("answer = 6 * 7"), success);
    EXPECT_EQ(scripts->execute("assert(answer == 42)"), success);
    EXPECT_EQ(scripts->getEnvironment().get<int>("answer"), 42);
    EXPECT_FALSE(provider.luaState().globals().get<std::optional<int>>("answer").has_value());
    // Returned values are dropped; an empty line is a valid chunk.
    EXPECT_EQ(scripts->execute("return 1, 2"), success);
    EXPECT_EQ(scripts->execute(""), success);
}

TEST_F(ScriptEnvironmentTest, FailuresComeBackAsTheInterpretersText) {
    const Lines syntax = scripts->execute("x = ");
    ASSERT_EQ(syntax.size(), 1u);
    EXPECT_EQ(syntax[0], "[string \"x = \"]:1: unexpected symbol near <eof>");

    EXPECT_EQ(scripts->execute("error('boom', 0)"), Lines{"boom"});
    // A failed line keeps what it did before the error.
    EXPECT_EQ(scripts->execute("kept = 1; error('late', 0)"), Lines{"late"});
    EXPECT_EQ(scripts->execute("assert(kept == 1)"), success);
    // Only "base" and "string" are open.
    EXPECT_NE(scripts->execute("os.exit()"), success);
}

TEST_F(ScriptEnvironmentTest, OnlyDayTimeAndVec2fArePublishedByName) {
    EXPECT_EQ(scripts->execute("assert(type(game.DayTime) == 'table' and type(game.Vec2f) == 'table')"),
              success);
    EXPECT_EQ(scripts->execute("assert(game.Entity == nil and game.World == nil and game.Navpath == nil)"),
              success);
}

TEST_F(ScriptEnvironmentTest, Vec2fFieldsAreReadAndWritten) {
    scripts->getEnvironment().set("v", sf::Vector2f(1.5f, -2.f));
    EXPECT_EQ(scripts->execute("v.x = v.x + v.y; v.y = 10"), success);
    const sf::Vector2f v = scripts->getEnvironment().get<sf::Vector2f>("v");
    EXPECT_FLOAT_EQ(v.x, -0.5f);
    EXPECT_FLOAT_EQ(v.y, 10.f);
}

TEST_F(ScriptEnvironmentTest, PlayerCameraAndSavegameComeAndGo) {
    orv::Entity player;
    orv::Entity camera;
    tarsk::LoadedSavegame game;

    scripts->setPlayer(&player);
    scripts->setCamera(&camera);
    scripts->setSavegame(&game);
    EXPECT_EQ(scripts->execute("assert(player ~= nil and camera ~= nil and player ~= camera)"), success);
    EXPECT_EQ(scripts->execute("assert(type(savegame) == 'userdata')"), success);
    EXPECT_EQ(scripts->getEnvironment().get<const orv::Entity*>("player"), &player);

    scripts->clearPlayer();
    scripts->clearSavegame();
    scripts->clearCamera();
    EXPECT_EQ(scripts->execute("assert(player == nil and savegame == nil and camera == nil)"), success);
}

TEST_F(ScriptEnvironmentTest, RefHandsOutOnlyEntitiesItCanVouchFor) {
    orv::Entity player;
    scripts->setPlayer(&player);
    EXPECT_EQ(scripts->execute("same = ref(tostring(player):match('0x%x+')) == player"), success);
    EXPECT_TRUE(scripts->getEnvironment().get<bool>("same"));

    // An entity of the loaded game is found by its address in any world.
    tarsk::LoadedSavegame game;
    game.worldManager = std::make_unique<orv::WorldManager>(1u);
    auto world = std::make_unique<orv::World>();
    const orv::Entity* inWorld = world->addEntity(initialisedEntity());
    game.worldManager->addExistingWorldContainer(orv::WorldContainer(1, std::move(world), true, "w"));
    EXPECT_EQ(scripts->resolveReference(addressOf(inWorld)), nullptr);
    scripts->setSavegame(&game);
    EXPECT_EQ(scripts->resolveReference(addressOf(inWorld)), inWorld);

    orv::Entity stranger;
    EXPECT_EQ(scripts->resolveReference(addressOf(&stranger)), nullptr);
    EXPECT_EQ(scripts->resolveReference(addressOf(&player) + "junk"), nullptr);
    EXPECT_EQ(scripts->execute("assert(ref('not a pointer') == nil and ref('') == nil and ref('0') == nil)"),
              success);
    EXPECT_NE(scripts->execute("ref(12)"), success);
    scripts->clearSavegame();
}

TEST_F(ScriptEnvironmentTest, EnvironmentsNeedACompletedRegistration) {
    orv::ScriptProvider open;
    EXPECT_THROW(tarsk::ScriptEnvironment{open}, std::runtime_error);
    // The game's bindings cannot be registered twice on one provider.
    orv::ScriptProvider twice;
    tarsk::registerScriptBindings(twice);
    EXPECT_THROW(tarsk::registerScriptBindings(twice), std::runtime_error);
}

} // namespace

namespace {

TEST(ScriptEnvironmentLifetime, RefCalledAsTheInterpreterClosesAfterTheEnvironmentFindsNothing) {
    orv::World world;
    const orv::Entity* player = world.addEntity(initialisedEntity());
    auto provider = std::make_unique<orv::ScriptProvider>();
    tarsk::registerScriptBindings(*provider);
    provider->completeRegistration();
    auto scripts = std::make_unique<tarsk::ScriptEnvironment>(*provider);
    scripts->setPlayer(player);
    ASSERT_EQ(scripts->execute("local r, p = ref, tostring(player):match('0x%x+') assert(r(p) == player) "
                               "kept = setmetatable({}, {__gc = function() print('ref gives', r(p)) end})"),
              success);
    const lua::Reference kept = scripts->getEnvironment().rawGet<lua::Reference>("kept");
    scripts.reset();
    testing::internal::CaptureStdout();
    provider.reset();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ref gives\tnil\n");
}

} // namespace
