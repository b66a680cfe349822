#include "engine/common/JsonError.hpp"
#include "engine/ecs/World.hpp"
#include "game/daynight/DayNightCycleDataManager.hpp"
#include "game/daynight/DayNightCycleSystem.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/time/TimeSystem.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

namespace {

using tarsk::DayNightCycleDataManager;
using tarsk::DayNightCycleDefinition;
using tarsk::DayNightCycleState;

const sf::Color darkBlue(10, 20, 80, 200);
const sf::Color orange(250, 140, 40, 120);
const sf::Color white(255, 255, 255, 90);

DayNightCycleDefinition fourStates() {
    // Deliberately out of order: the definition sorts them.
    return DayNightCycleDefinition("D", {{white, 0.5f}, {orange, 0.75f}, {darkBlue, 0.0f}, {orange, 0.25f}});
}

void expectRgb(sf::Color actual, int r, int g, int b) {
    EXPECT_EQ(actual.r, r);
    EXPECT_EQ(actual.g, g);
    EXPECT_EQ(actual.b, b);
    EXPECT_EQ(actual.a, 255);
}

TEST(DayNightCycle, ColourAtAStateBeginIsThatState) {
    const auto definition = fourStates();
    expectRgb(definition.getColor(0.5f), 255, 255, 255);
    expectRgb(definition.getColor(0.25f), 250, 140, 40);
    expectRgb(definition.getColor(0.0f), 10, 20, 80);
}

TEST(DayNightCycle, BlendsHalfwayBetweenStates) {
    expectRgb(fourStates().getColor(0.375f), (250 + 255) / 2, (140 + 255) / 2, (40 + 255) / 2);
}

TEST(DayNightCycle, WrapsOverMidnight) {
    const sf::Color a(0, 0, 0), b(200, 100, 50);
    const DayNightCycleDefinition definition("W", {{a, 0.25f}, {b, 0.75f}});
    // t = 0: from B to A at f = 0.25 / 0.5 = 0.5.
    expectRgb(definition.getColor(0.0f), 100, 50, 25);
    // t = 0.9: from B to A at f = 0.15 / 0.5 = 0.3.
    const sf::Color late = definition.getColor(0.9f);
    EXPECT_NEAR(late.r, 140, 1);
    EXPECT_NEAR(late.g, 70, 1);
    EXPECT_NEAR(late.b, 35, 1);
    // Fractions outside the day are clamped.
    EXPECT_EQ(definition.getColor(-3.0f), definition.getColor(0.0f));
}

TEST(DayNightCycle, OneStateNoStateAndNotANumber) {
    const DayNightCycleDefinition one("O", {{orange, 0.3f}});
    EXPECT_EQ(one.getColor(0.1f), orange); // alpha kept as stored
    EXPECT_EQ(one.getColor(0.9f), orange);
    const DayNightCycleDefinition none("N", {});
    EXPECT_EQ(none.getColor(0.4f), sf::Color(0, 0, 0, 255));
    EXPECT_EQ(fourStates().getColor(std::nanf("")), sf::Color::White);
}

TEST(DayNightCycle, StatesAtOneAndZeroNeverDivideByZero) {
    const DayNightCycleDefinition edge("E", {{orange, 1.0f}, {darkBlue, 0.0f}});
    expectRgb(edge.getColor(1.0f), 250, 140, 40);
    expectRgb(edge.getColor(0.5f), (10 + 250) / 2, (20 + 140) / 2, (80 + 40) / 2);
}

TEST(DayNightCycle, EqualBeginsKeepFileOrder) {
    const DayNightCycleDefinition definition("S", {{orange, 0.5f}, {white, 0.5f}, {darkBlue, 0.1f}});
    ASSERT_EQ(definition.getStates().size(), 3u);
    EXPECT_EQ(definition.getStates()[1].color, orange);
    EXPECT_EQ(definition.getStates()[2].color, white);
}

TEST(DayNightCycleDataManager, LoadsObjectsAndArraysFirstIdWins) {
    const testsupport::TempFolder folder;
    folder.write("a.json", R"({"id": "X", "states": [{"beginPercent": 0.0, "color": [1, 2, 3, 4, 99]}]})");
    folder.write("nested/b.json", R"([{"id": "X", "states": []}, {"id": "Y", "states": []}])");
    folder.write("ignored.txt", "not json at all");
    DayNightCycleDataManager manager;
    manager.loadDirectory(folder.path());
    EXPECT_EQ(manager.size(), 2u);
    EXPECT_EQ(manager.getDefinition("X").getStates().size(), 1u);
    EXPECT_EQ(manager.getDefinition("X").getStates()[0].color, sf::Color(1, 2, 3, 4));
    try {
        manager.getDefinition("missing");
        FAIL();
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid map<K, T> key");
    }
}

TEST(DayNightCycleDataManager, RejectsBadFilesAndValues) {
    const testsupport::TempFolder folder;
    auto loadOne = [&folder](const std::string& text) {
        folder.write("x.json", text);
        DayNightCycleDataManager manager;
        manager.loadDirectory(folder.path());
    };
    auto expectMessage = [&](const std::string& text, const char* message) {
        try {
            loadOne(text);
            FAIL() << text;
        } catch (const orv::JsonError& error) {
            EXPECT_EQ(error.getFile(), (folder / "x.json").generic_string());
            EXPECT_EQ(error.getPath().empty() ? error.getMessage()
                                              : error.getPath() + ": " + error.getMessage(),
                      message);
        }
    };
    expectMessage("42", "invalid dayNightCycle file");
    expectMessage(R"([{"id": "A", "states": []}, 3])", "[1]: invalid element in dayNightCycle file array");
    expectMessage(R"({"id": "A", "states": [{"beginPercent": 1e39, "color": [0, 0, 0, 0]}]})",
                  "beginPercent: must be a finite number within +-3.40282e+38, but is 1e+39");
    expectMessage(R"({"id": "A", "states": [{"beginPercent": 0.5, "color": [0, true, 0, 0]}]})",
                  "color[1]: type must be number, but is boolean");
    EXPECT_THROW(loadOne(R"({"id": "A", "states": [{"beginPercent": 1.5, "color": [0, 0, 0, 0]}]})"),
                 std::runtime_error);
    EXPECT_THROW(loadOne(R"({"id": "A", "states": [{"beginPercent": 0.5, "color": [0, 300, 0, 0]}]})"),
                 std::runtime_error);
    EXPECT_THROW(loadOne(R"({"id": "A", "states": [{"beginPercent": 0.5, "color": [0, 0, 0]}]})"),
                 orv::JsonError);
    EXPECT_THROW(loadOne(R"({"states": []})"), orv::JsonError);
}

TEST(DayNightCycleSystem, SetsTheAmbientColourFromTheTimeOfDay) {
    DayNightCycleDataManager manager;
    manager.addDefinition({{"id", "DAY"},
                           {"states",
                            {{{"beginPercent", 0.0}, {"color", {0, 0, 50, 255}}},
                             {{"beginPercent", 0.5}, {"color", {250, 250, 250, 255}}}}}});
    orv::World world;
    auto* time = world.registerSystem<tarsk::TimeSystem>();
    auto* render = world.registerSystem<tarsk::RenderSystem>();
    auto cycle = tarsk::DayNightCycleSystem::fromJson({{"cycleId", "DAY"}}, manager);
    world.registerSystem(std::move(cycle), typeid(tarsk::DayNightCycleSystem));
    world.initSystems();
    time->setDayTime(tarsk::DayTime(12, 0, 0));
    world.update();
    EXPECT_EQ(render->getAmbientColor(), sf::Color(250, 250, 250, 255));
    time->setDayTime(tarsk::DayTime(6, 0, 0));
    world.update();
    EXPECT_EQ(render->getAmbientColor(), sf::Color(125, 125, 150, 255));
    EXPECT_EQ(world.getSystem<tarsk::DayNightCycleSystem>()->toJson(),
              (nlohmann::json{{"_SystemTypeId", "DayNightCycle"}, {"cycleId", "DAY"}}));
    EXPECT_THROW(tarsk::DayNightCycleSystem::fromJson({{"cycleId", "NOPE"}}, manager), std::out_of_range);
}

} // namespace
