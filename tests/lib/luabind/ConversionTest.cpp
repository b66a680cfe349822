#include "LuaTestSupport.hpp"

#include <SFML/System/Vector2.hpp>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using luatest::run;

namespace {

// Each test binds functions that take one kind of value and records what arrived.
class LuabindConversion : public ::testing::Test {
protected:
    LuabindConversion() {
        state.open({lua::Library::base});
        globals = state.globals();
    }

    lua::State state;
    lua::Table globals;
};

enum class Facing : std::uint8_t { north, east, south, west };

} // namespace

TEST_F(LuabindConversion, FloatsMustBeFiniteAfterConversion) {
    float received = 0;
    globals.set("take", [&](float value) { received = value; });
    EXPECT_EQ(run(state, "take(2.5)"), "success");
    EXPECT_EQ(received, 2.5f);
    EXPECT_EQ(run(state, "take(3)"), "success");
    EXPECT_EQ(received, 3.0f);
    EXPECT_EQ(run(state, "take(1/0)"), "[string \"take(1/0)\"]:1: bad argument #1 to 'take' (finite number "
                                       "expected, got inf)");
    EXPECT_NE(run(state, "take(0/0)").find("finite number expected"), std::string::npos);
    // Finite as a double, infinite as a float.
    EXPECT_NE(run(state, "take(1e300)").find("finite number expected, got 1e+300"), std::string::npos);
    EXPECT_NE(run(state, "take('2')").find("number expected, got string"), std::string::npos);
    EXPECT_EQ(received, 3.0f);
}

TEST_F(LuabindConversion, UnsignedTakesOnlyWholeNonNegativeNumbersInRange) {
    unsigned received = 0;
    globals.set("take", [&](unsigned value) { received = value; });
    EXPECT_EQ(run(state, "take(7)"), "success");
    EXPECT_EQ(received, 7u);
    EXPECT_EQ(run(state, "take(8.0)"), "success");
    EXPECT_EQ(received, 8u);
    EXPECT_EQ(run(state, "take(4294967295)"), "success");
    EXPECT_EQ(received, 4294967295u);

    EXPECT_NE(run(state, "take(-1)").find("non-negative whole number expected, got -1"), std::string::npos);
    EXPECT_NE(run(state, "take(-1.0)").find("non-negative whole number expected, got -1.0"),
              std::string::npos);
    EXPECT_NE(run(state, "take(1.5)").find("non-negative whole number expected, got 1.5"), std::string::npos);
    EXPECT_NE(run(state, "take(4294967296)").find("number out of range, got 4294967296"), std::string::npos);
    EXPECT_NE(run(state, "take(2^40)").find("number out of range"), std::string::npos);
    EXPECT_NE(run(state, "take(nil)").find("got nil"), std::string::npos);
    EXPECT_NE(run(state, "take()").find("got no value"), std::string::npos);
    EXPECT_EQ(received, 4294967295u);
}

TEST_F(LuabindConversion, SignedIntegersKeepTheirRange) {
    std::int64_t wide = 0;
    short narrow = 0;
    globals.set("wide", [&](std::int64_t value) { wide = value; });
    globals.set("narrow", [&](short value) { narrow = value; });
    EXPECT_EQ(run(state, "wide(-9007199254740992.0)"), "success");
    EXPECT_EQ(wide, -9007199254740992);
    EXPECT_EQ(run(state, "wide(9223372036854775807)"), "success");
    EXPECT_EQ(wide, INT64_MAX);
    EXPECT_NE(run(state, "wide(2^63)").find("out of range"), std::string::npos);
    EXPECT_EQ(run(state, "narrow(-32768)"), "success");
    EXPECT_EQ(narrow, -32768);
    EXPECT_NE(run(state, "narrow(32768)").find("out of range"), std::string::npos);
    EXPECT_NE(run(state, "narrow(-0.5)").find("whole number expected"), std::string::npos);
}

TEST_F(LuabindConversion, BooleansStringsAndNilAreStrict) {
    std::vector<std::string> seen;
    globals.set("flag", [&](bool value) { seen.push_back(value ? "true" : "false"); });
    globals.set("text", [&](const std::string& value) { seen.push_back(value); });
    globals.set("maybe",
                [&](std::optional<int> value) { seen.push_back(value ? std::to_string(*value) : "none"); });
    EXPECT_EQ(run(state, "flag(false) flag(true) text('a\\0b') maybe(nil) maybe() maybe(4)"), "success");
    EXPECT_EQ(seen, (std::vector<std::string>{"false", "true", std::string("a\0b", 3), "none", "none", "4"}));
    EXPECT_NE(run(state, "flag(0)").find("boolean expected, got number"), std::string::npos);
    EXPECT_NE(run(state, "flag(nil)").find("boolean expected, got nil"), std::string::npos);
    EXPECT_NE(run(state, "text(12)").find("string expected, got number"), std::string::npos);
    EXPECT_NE(run(state, "maybe('4')").find("whole number expected, got string"), std::string::npos);
    EXPECT_EQ(seen.size(), 6u);
}

TEST_F(LuabindConversion, ValuesPushedToLuaKeepTheirTypes) {
    globals.set("f", 0.25f);
    globals.set("u", 4000000000u);
    globals.set("big", UINT64_MAX);
    globals.set("s", std::string("words"));
    globals.set("c", "literal");
    globals.set("none", static_cast<const char*>(nullptr));
    globals.set("b", true);
    globals.set("facing", Facing::south);
    globals.set("n", lua::nil);
    EXPECT_EQ(run(state, "assert(f == 0.25)"), "success");
    EXPECT_EQ(run(state, "assert(u == 4000000000 and u // 1 == u)"), "success");
    EXPECT_EQ(run(state, "assert(big > 1.8e19)"), "success"); // beyond lua_Integer: a float, not -1
    EXPECT_EQ(run(state, "assert(s == 'words' and c == 'literal' and none == nil and b == true)"), "success");
    EXPECT_EQ(run(state, "assert(facing == 2 and n == nil)"), "success");
    EXPECT_EQ(globals.get<Facing>("facing"), Facing::south);
    EXPECT_THROW(globals.get<Facing>("s"), lua::error);
}

TEST_F(LuabindConversion, SequencesAndVectorsOfBoundValues) {
    state.newUsertype<sf::Vector2f>("Vec2f", lua::noConstructor, "x", &sf::Vector2f::x, "y",
                                    &sf::Vector2f::y);
    std::vector<sf::Vector2f> received;
    globals.set("follow", [&](const std::vector<sf::Vector2f>& points) { received = points; });
    globals.set("corners", [] { return std::vector<sf::Vector2f>{{0, 0}, {1, 0}, {1, 1}}; });

    // Vectors reach Lua only from C++, so take them from there and give them back reordered.
    ASSERT_EQ(run(state, "local c = corners() assert(#c == 3 and c[1].x == 0 and c[3].y == 1)"
                         "follow({c[3], c[2], c[1]})"),
              "success");
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0], sf::Vector2f(1, 1));
    EXPECT_EQ(received[1], sf::Vector2f(1, 0));
    EXPECT_EQ(received[2], sf::Vector2f(0, 0));

    EXPECT_EQ(run(state, "follow({})"), "success");
    EXPECT_TRUE(received.empty());
    const std::string wrong = run(state, "local c = corners() follow({c[1], 5, c[2]})");
    EXPECT_NE(wrong.find("bad argument #1 to 'follow' (bad element #2 (Vec2f expected, got number))"),
              std::string::npos)
        << wrong;
    EXPECT_NE(run(state, "follow(corners()[1])").find("sequence expected, got Vec2f"), std::string::npos);
    EXPECT_TRUE(received.empty());
}

TEST_F(LuabindConversion, SequencesOfNumbersRoundTrip) {
    globals.set("reverse",
                [](std::vector<int> values) { return std::vector<int>(values.rbegin(), values.rend()); });
    EXPECT_EQ(run(state, "local r = reverse({1, 2, 3}) assert(#r == 3 and r[1] == 3 and r[3] == 1)"),
              "success");
    EXPECT_NE(run(state, "reverse({1, 2.5})").find("bad element #2 (whole number expected, got 2.5)"),
              std::string::npos);
    globals.set("values", std::vector<double>{0.5, 1.5});
    EXPECT_EQ(globals.get<std::vector<double>>("values"), (std::vector<double>{0.5, 1.5}));
}

TEST_F(LuabindConversion, TableGetReportsTheKeyOfAMismatch) {
    globals.set("name", "frog");
    try {
        globals.get<int>("name");
        FAIL() << "expected lua::error";
    } catch (const lua::error& e) {
        EXPECT_STREQ(e.what(), "bad value at key 'name' (whole number expected, got string)");
    }
    const lua::Table list = state.createTable();
    list.set(1, 10);
    list.set(2, 20);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(list.get<int>(2), 20);
    EXPECT_EQ(list.get<std::optional<int>>(3), std::nullopt);
    EXPECT_THROW(list.get<int>(3), lua::error);
    EXPECT_EQ(lua_gettop(state.handle()), 0);
}
