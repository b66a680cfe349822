#include "LuaTestSupport.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using luatest::Counted;
using luatest::run;

namespace {

class Gauge {
public:
    int level = 0;
    const int limit = 10;

    int getLevel() const { return level; }
    void setLevel(int value) { level = value; }
    void bump() { ++level; }
    void bump(int by) { level += by; }
    std::string label() const { return "gauge at " + std::to_string(level); }
    Gauge& self() { return *this; }
};

class LuabindUsertype : public ::testing::Test {
protected:
    LuabindUsertype() {
        state.open({lua::Library::base, lua::Library::string});
        globals = state.globals();
        gaugeType = state.newUsertype<Gauge>(
            "Gauge", lua::noConstructor, "raw", &Gauge::level, "limit", &Gauge::limit, "level",
            lua::property(&Gauge::getLevel, &Gauge::setLevel), "shown",
            lua::readonly([](const Gauge& g) { return g.level * 10; }), "bump",
            lua::overload(
                static_cast<void (Gauge::*)()>(&Gauge::bump), static_cast<void (Gauge::*)(int)>(&Gauge::bump),
                [](Gauge& g, const std::string& word) { g.level += static_cast<int>(word.size()); }),
            "label", &Gauge::label, "self", &Gauge::self, "addTo",
            [](const Gauge& g, Gauge& other) { other.level += g.level; });
    }

    lua::State state;
    lua::Table globals;
    lua::Table gaugeType;
};

} // namespace

TEST_F(LuabindUsertype, PropertiesFieldsAndMethodsThroughAPointer) {
    Gauge gauge;
    globals.set("g", &gauge);
    EXPECT_EQ(run(state, "g.level = 3"), "success");
    EXPECT_EQ(gauge.level, 3);
    EXPECT_EQ(run(state, "g.raw = g.raw + 1"), "success");
    EXPECT_EQ(gauge.level, 4);
    EXPECT_EQ(run(state, "assert(g.shown == 40 and g.limit == 10 and g:label() == 'gauge at 4')"), "success");
    EXPECT_EQ(run(state, "g:bump() g:bump(5) g:bump('abc')"), "success");
    EXPECT_EQ(gauge.level, 13);
    EXPECT_EQ(run(state, "assert(g.missing == nil and g[1] == nil)"), "success");
    // A returned reference is the same object.
    EXPECT_EQ(run(state, "g:self().level = 1 assert(g:self() == g)"), "success");
    EXPECT_EQ(gauge.level, 1);
}

TEST_F(LuabindUsertype, CopiesAreIndependentOfTheOriginal) {
    Gauge gauge;
    gauge.level = 2;
    globals.set("copy", gauge);
    globals.set("ptr", &gauge);
    EXPECT_EQ(run(state, "copy.level = 9 copy:addTo(ptr)"), "success");
    EXPECT_EQ(gauge.level, 11);
    EXPECT_EQ(globals.get<Gauge>("copy").level, 9);
    EXPECT_EQ(globals.get<Gauge*>("ptr"), &gauge);
    EXPECT_NE(globals.get<Gauge*>("copy"), &gauge);
    EXPECT_EQ(run(state, "assert(copy ~= ptr)"), "success");
}

TEST_F(LuabindUsertype, AssignmentsThatCannotHappenAreErrors) {
    Gauge gauge;
    globals.set("g", &gauge);
    EXPECT_EQ(run(state, "g.shown = 1"), "[string \"g.shown = 1\"]:1: member 'shown' of Gauge is read-only");
    EXPECT_EQ(run(state, "g.limit = 1"), "[string \"g.limit = 1\"]:1: member 'limit' of Gauge is read-only");
    EXPECT_EQ(run(state, "g.speed = 1"),
              "[string \"g.speed = 1\"]:1: Gauge has no member 'speed' that can be assigned");
    EXPECT_EQ(run(state, "g.bump = 1"),
              "[string \"g.bump = 1\"]:1: Gauge has no member 'bump' that can be assigned");
    const std::string wrongType = run(state, "g.level = 'high'");
    EXPECT_NE(wrongType.find("bad argument #2 to 'level' (whole number expected, got string)"),
              std::string::npos)
        << wrongType;
    EXPECT_EQ(gauge.level, 0);
}

TEST_F(LuabindUsertype, OverloadsAreTriedInOrderAndAMismatchIsReported) {
    Gauge gauge;
    globals.set("g", &gauge);
    const std::string expected = "sol: no matching function call takes this number of arguments and the "
                                 "specified types";
    for (const char* call : {"g:bump(1, 2)", "g:bump(true)", "g:bump(1.5)", "g.bump(5)", "g.bump()"}) {
        const std::string result = run(state, call);
        EXPECT_NE(result.find(expected), std::string::npos) << call << " gave " << result;
    }
    EXPECT_EQ(gauge.level, 0);
}

TEST_F(LuabindUsertype, TheFirstFittingOverloadWins) {
    std::vector<std::string> calls;
    globals.set("pick",
                lua::overload([&](int) { calls.push_back("int"); }, [&](float) { calls.push_back("float"); },
                              [&](int, int) { calls.push_back("pair"); }));
    EXPECT_EQ(run(state, "pick(3) pick(3.5) pick(2, 2) pick(4.0)"), "success");
    EXPECT_EQ(calls, (std::vector<std::string>{"int", "float", "pair", "int"}));
    EXPECT_EQ(run(state, "pick('x')"),
              "[string \"pick('x')\"]:1: sol: no matching function call takes this number "
              "of arguments and the specified types");
}

TEST_F(LuabindUsertype, WrongArgumentTypesNameTheArgumentAndTheTypes) {
    Gauge gauge;
    globals.set("g", &gauge);
    EXPECT_EQ(run(state, "g.label(5)"),
              "[string \"g.label(5)\"]:1: bad argument #1 to 'label' (Gauge expected, got number)");
    EXPECT_EQ(run(state, "g:addTo('x')"),
              "[string \"g:addTo('x')\"]:1: bad argument #2 to 'addTo' (Gauge expected, got string)");
    EXPECT_EQ(run(state, "g:addTo(nil)"),
              "[string \"g:addTo(nil)\"]:1: bad argument #2 to 'addTo' (Gauge expected, got nil)");
    EXPECT_EQ(run(state, "g.label(setmetatable({}, {}))"),
              "[string \"g.label(setmetatable({}, {}))\"]:1: bad argument #1 to 'label' (Gauge expected, got "
              "table)");
}

TEST_F(LuabindUsertype, CannotBeConstructedFromLua) {
    globals.set("Gauge", gaugeType);
    EXPECT_NE(run(state, "local g = Gauge()").find("attempt to call a table value"), std::string::npos);
    EXPECT_NE(run(state, "local g = Gauge.new()").find("attempt to call a nil value"), std::string::npos);
    EXPECT_EQ(run(state, "assert(type(Gauge.label) == 'function' and Gauge.level == nil)"), "success");
    // The metatable stays out of reach, so no constructor can be added through it.
    Gauge gauge;
    globals.set("g", &gauge);
    EXPECT_EQ(run(state, "assert(getmetatable(g) == false)"), "success");
}

TEST_F(LuabindUsertype, IdentityEqualityAndTextForm) {
    Gauge first;
    Gauge second;
    globals.set("a", &first);
    globals.set("b", &first);
    globals.set("c", &second);
    globals.set("n", static_cast<Gauge*>(nullptr));
    EXPECT_EQ(run(state, "assert(a == b and a ~= c and rawequal(a, b) == false and n == nil)"), "success");
    EXPECT_EQ(run(state, "text = tostring(a)"), "success");
    std::ostringstream expected;
    expected << "Gauge: " << static_cast<const void*>(&first);
    EXPECT_EQ(globals.get<std::string>("text"), expected.str());
    // The address reads back with a string stream.
    std::istringstream address(expected.str().substr(std::string("Gauge: ").size()));
    void* read = nullptr;
    address >> read;
    EXPECT_EQ(read, &first);
}

TEST_F(LuabindUsertype, ObjectsOfDifferentTypesAtOneAddressAreNotEqual) {
    struct Panel {
        Gauge gauge;
    } panel;
    state.newUsertype<Panel>("Panel", lua::noConstructor);
    globals.set("panel", &panel);
    globals.set("gauge", &panel.gauge);
    ASSERT_EQ(static_cast<void*>(&panel), static_cast<void*>(&panel.gauge));
    EXPECT_EQ(run(state, "assert(panel ~= gauge and gauge ~= panel)"), "success");
}

TEST_F(LuabindUsertype, ConstPointersAndNullGoThrough) {
    const Gauge gauge;
    globals.set("g", &gauge);
    EXPECT_EQ(run(state, "assert(g:label() == 'gauge at 0')"), "success");
    globals.set("find", [&gauge](bool present) -> const Gauge* { return present ? &gauge : nullptr; });
    EXPECT_EQ(run(state, "assert(find(true) == g and find(false) == nil)"), "success");
}

TEST_F(LuabindUsertype, RegistrationMistakesAreRefused) {
    EXPECT_THROW(state.newUsertype<Gauge>("Gauge", lua::noConstructor), lua::error);
    struct Twice {
        int a = 0;
    };
    EXPECT_THROW(state.newUsertype<Twice>("", lua::noConstructor, "a", &Twice::a, "a", &Twice::a),
                 lua::error);
    // Nothing half-built was left behind: the type can still be registered properly.
    state.newUsertype<Twice>("", lua::noConstructor, "a", &Twice::a);
    struct Unknown {};
    EXPECT_THROW(globals.set("u", Unknown{}), lua::error);
    EXPECT_EQ(lua_gettop(state.handle()), 0);
}

TEST_F(LuabindUsertype, UnnamedTypesAreKnownByTheirCppName) {
    struct Anonymous {
        int v = 0;
    };
    state.newUsertype<Anonymous>("", lua::noConstructor, "v", &Anonymous::v);
    globals.set("x", Anonymous{});
    const std::string result = run(state, "x.w = 1");
    EXPECT_NE(result.find("Anonymous has no member 'w'"), std::string::npos) << result;
    EXPECT_EQ(run(state, "assert(tostring(x):find('Anonymous: 0x', 1, true))"), "success");
}

TEST(LuabindUsertypeLifetime, OwnedCopiesAreDestroyedByTheCollectorAndAtClose) {
    ASSERT_EQ(Counted::alive, 0);
    {
        lua::State state;
        state.open({lua::Library::base});
        state.newUsertype<Counted>("Counted", lua::noConstructor, "value", &Counted::value);
        const lua::Table globals = state.globals();
        globals.set("kept", Counted(1));
        globals.set("dropped", Counted(2));
        globals.set("make", [] { return Counted(3); });
        EXPECT_EQ(Counted::alive, 2);
        EXPECT_EQ(run(state, "dropped = nil local temp = make() assert(temp.value == 3)"), "success");
        state.collectGarbage();
        EXPECT_EQ(Counted::alive, 1);
        EXPECT_EQ(globals.get<Counted*>("kept")->value, 1);
    }
    EXPECT_EQ(Counted::alive, 0);
}

TEST(LuabindUsertypeLifetime, OverAlignedValuesAreStoredAligned) {
    struct alignas(64) Wide {
        double lanes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    };
    lua::State state;
    state.newUsertype<Wide>("Wide", lua::noConstructor, "first",
                            lua::readonly([](const Wide& w) { return w.lanes[0]; }));
    const lua::Table globals = state.globals();
    for (int i = 0; i < 4; ++i) {
        globals.set(i + 1, Wide{});
        const Wide* stored = globals.get<Wide*>(i + 1);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(stored) % 64, 0u);
        EXPECT_EQ(stored->lanes[7], 8);
    }
}
