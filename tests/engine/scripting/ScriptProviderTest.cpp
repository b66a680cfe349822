#include "engine/scripting/ScriptProvider.hpp"

#include <SFML/System/Vector2.hpp>
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using orv::ScriptProvider;

namespace {

// A stand-in for the game's time-of-day type: plain getters and setters behind properties.
class Clock {
public:
    int getHour() const { return hour; }
    void setHour(int value) { hour = value; }

private:
    int hour = 6;
};

// A stand-in for an engine object that scripts only reach through values handed to them.
struct Walker {
    std::vector<sf::Vector2f> path;
    float radius = 0;
    void seek(sf::Vector2f target) { seekTo(target, 0.2f); }
    void seekTo(sf::Vector2f target, float arrival) {
        path = {target};
        radius = arrival;
    }
};

std::string run(ScriptProvider& provider, const lua::Environment& env, const std::string& code) {
    const lua::LoadResult chunk = provider.load(code);
    if (!chunk)
        return chunk.message();
    env.setOn(chunk.function());
    const lua::CallResult result = chunk.function().protectedCall();
    return result ? "success" : result.message();
}

template <class F>
std::string messageOf(F&& action) {
    try {
        action();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "no exception";
}

void registerAll(ScriptProvider& provider) {
    provider.registerUsertype<Walker>(
        lua::noConstructor, "seek", lua::overload(&Walker::seek, &Walker::seekTo), "follow",
        [](Walker& w, const std::vector<sf::Vector2f>& points) { w.path = points; });
    provider.registerUsertype<Clock>(lua::noConstructor, "hour",
                                     lua::property(&Clock::getHour, &Clock::setHour));
    provider.registerUsertype<sf::Vector2f>(lua::noConstructor, "x", &sf::Vector2f::x, "y", &sf::Vector2f::y);
    provider.exposeUsertype<Clock>("DayTime");
    provider.exposeUsertype<sf::Vector2f>("Vec2f");
}

} // namespace

TEST(ScriptProvider, RegistrationPhaseGuards) {
    ScriptProvider provider;
    EXPECT_EQ(messageOf([&] { provider.createEnvironment(); }),
              "cannot perform this action when registration is not complete");
    registerAll(provider);
    provider.completeRegistration();
    EXPECT_TRUE(provider.isRegistrationComplete());

    const std::string closed = "cannot perform this action when registration is already complete";
    EXPECT_EQ(messageOf([&] { provider.completeRegistration(); }), closed);
    struct Late {};
    EXPECT_EQ(messageOf([&] { provider.registerUsertype<Late>(lua::noConstructor); }), closed);
    EXPECT_EQ(messageOf([&] { provider.exposeUsertype<Clock>("Again"); }), closed);
    EXPECT_NO_THROW(provider.createEnvironment());
    EXPECT_FALSE(provider.gameTable().get<lua::Reference>("Again").valid());
}

TEST(ScriptProvider, RegisteringTwiceNamesTheTypeAndKeepsTheFirst) {
    ScriptProvider provider;
    provider.registerUsertype<Clock>(lua::noConstructor, "hour",
                                     lua::property(&Clock::getHour, &Clock::setHour));
    EXPECT_EQ(messageOf([&] { provider.registerUsertype<Clock>(lua::noConstructor); }),
              "usertype \"" + orv::typeName<Clock>() + "\" is already registered");
    provider.exposeUsertype<Clock>("DayTime");
    provider.completeRegistration();
    const lua::Environment env = provider.createEnvironment();
    Clock clock;
    env.set("clock", &clock);
    EXPECT_EQ(run(provider, env, "clock.hour = clock.hour + 2"), "success");
    EXPECT_EQ(clock.getHour(), 8);
}

TEST(ScriptProvider, ExposingAnUnregisteredTypeNamesIt) {
    ScriptProvider provider;
    EXPECT_EQ(messageOf([&] { provider.exposeUsertype<Walker>("Walker"); }),
              "usertype \"" + orv::typeName<Walker>() + "\" is not registered");
    EXPECT_FALSE(provider.gameTable().get<lua::Reference>("Walker").valid());
}

TEST(ScriptProvider, UsertypesHaveNoGlobalNamesOnlyTheLatestUnderTheEmptyOne) {
    ScriptProvider provider;
    registerAll(provider);
    provider.completeRegistration();
    const lua::Environment env = provider.createEnvironment();
    EXPECT_EQ(
        run(provider, env, "assert(Walker == nil and Clock == nil and DayTime == nil and Vec2f == nil)"),
        "success");
    const lua::Table globals = provider.luaState().globals();
    EXPECT_TRUE(globals.get<lua::Reference>("") == provider.gameTable().get<lua::Reference>("Vec2f"));
    // Only the exposed types are in "game".
    EXPECT_EQ(run(provider, env,
                  "local names = {} for k in pairs(game) do names[#names + 1] = k end "
                  "assert(#names == 2 and game.DayTime ~= nil and game.Vec2f ~= nil)"),
              "success");
}

TEST(ScriptProvider, EnvironmentsAreIsolatedAndSeeTheSharedGlobals) {
    ScriptProvider provider;
    registerAll(provider);
    provider.completeRegistration();
    const lua::Environment first = provider.createEnvironment();
    const lua::Environment second = provider.createEnvironment();

    const std::string visible =
        "assert(game ~= nil and print ~= nil and tostring ~= nil and string.upper ~= nil)";
    EXPECT_EQ(run(provider, first, visible), "success");
    EXPECT_EQ(run(provider, second, visible), "success");
    EXPECT_EQ(run(provider, first, "secret = 42"), "success");
    EXPECT_EQ(run(provider, second, "assert(secret == nil)"), "success");
    EXPECT_EQ(run(provider, first, "assert(secret == 42)"), "success");
    EXPECT_FALSE(provider.luaState().globals().get<lua::Reference>("secret").valid());
    EXPECT_TRUE(first.get<lua::Reference>("game") == provider.gameTable());
    EXPECT_TRUE(first.get<lua::Reference>("tostring") == provider.tostringFunction());
}

TEST(ScriptProvider, OnlyBaseAndStringAreOpen) {
    ScriptProvider provider;
    provider.completeRegistration();
    const lua::Environment env = provider.createEnvironment();
    EXPECT_EQ(run(provider, env, "os.time()"),
              "[string \"os.time()\"]:1: attempt to index a nil value (global 'os')");
    EXPECT_EQ(run(provider, env, "io.write('x')"),
              "[string \"io.write('x')\"]:1: attempt to index a nil value (global 'io')");
    EXPECT_EQ(run(provider, env, "require('x')"),
              "[string \"require('x')\"]:1: attempt to call a nil value (global 'require')");
    EXPECT_EQ(run(provider, env,
                  "assert(math == nil and table == nil and debug == nil and package == nil "
                  "and coroutine == nil and utf8 == nil)"),
              "success");
    EXPECT_EQ(run(provider, env, "assert(('ab'):upper() == 'AB' and tostring(1) == '1')"), "success");
}

TEST(ScriptProvider, LoadDoesNotRun) {
    ScriptProvider provider;
    provider.completeRegistration();
    const lua::Environment env = provider.createEnvironment();
    const lua::LoadResult chunk = provider.load("ran = true");
    ASSERT_TRUE(chunk);
    EXPECT_FALSE(env.get<lua::Reference>("ran").valid());
    env.setOn(chunk.function());
    EXPECT_TRUE(chunk.function().protectedCall());
    EXPECT_TRUE(env.get<bool>("ran"));
    EXPECT_FALSE(provider.load("ran = = true"));
}

TEST(ScriptProvider, BoundTypesWorkThroughTheHost) {
    ScriptProvider provider;
    registerAll(provider);
    provider.completeRegistration();
    const lua::Environment env = provider.createEnvironment();
    Walker walker;
    Clock clock;
    env.set("walker", &walker);
    env.set("clock", clock);
    env.set("target", sf::Vector2f(3, 4));

    EXPECT_EQ(run(provider, env, "walker:seek(target)"), "success");
    EXPECT_EQ(walker.radius, 0.2f);
    EXPECT_EQ(run(provider, env, "walker:seek(target, 1.5)"), "success");
    EXPECT_EQ(walker.radius, 1.5f);
    ASSERT_EQ(walker.path.size(), 1u);
    EXPECT_EQ(walker.path[0], sf::Vector2f(3, 4));

    const std::string mismatch = run(provider, env, "walker:seek(target, 'far')");
    EXPECT_NE(mismatch.find("sol: no matching function call takes this number of arguments and the specified "
                            "types"),
              std::string::npos)
        << mismatch;
    EXPECT_NE(run(provider, env, "walker:follow({target, 3})").find("bad element #2"), std::string::npos);
    EXPECT_EQ(run(provider, env, "walker:follow({target, target})"), "success");
    EXPECT_EQ(walker.path.size(), 2u);

    // Copies held by Lua are separate from the C++ object.
    EXPECT_EQ(run(provider, env, "clock.hour = 23 hour = clock.hour"), "success");
    EXPECT_EQ(env.get<int>("hour"), 23);
    EXPECT_EQ(clock.getHour(), 6);
    EXPECT_NE(run(provider, env, "local v = game.Vec2f()").find("attempt to call a table value"),
              std::string::npos);
}
