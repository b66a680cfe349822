#include "game/time/DayTime.hpp"
#include "game/time/TimeSystem.hpp"

#include <gtest/gtest.h>

namespace {

using tarsk::DayTime;
using tarsk::TimeSystem;

void expectClock(const DayTime& time, unsigned h, unsigned m, unsigned s) {
    EXPECT_EQ(time.getHour(), h);
    EXPECT_EQ(time.getMinute(), m);
    EXPECT_EQ(time.getSecond(), s);
}

TEST(DayTime, FieldsAndText) {
    const DayTime noon(12, 0, 0);
    expectClock(noon, 12, 0, 0);
    EXPECT_EQ(noon.toString(), "12::0::0");
    EXPECT_EQ(DayTime(7, 5, 9).toString(), "7::5::9");
}

TEST(DayTime, EverythingWrapsIntoOneDay) {
    expectClock(DayTime(25, 0, 0), 1, 0, 0);
    expectClock(DayTime(sf::milliseconds(86'400'000)), 0, 0, 0);
    // Negative times land within the day rather than before midnight.
    const DayTime negative(sf::milliseconds(-1000));
    expectClock(negative, 23, 59, 59);
    EXPECT_EQ(negative.asSfTime(), sf::milliseconds(86'399'000));
    // Huge field values do not overflow 32 bits.
    expectClock(DayTime(4'000'000'000u, 0, 0), 4'000'000'000ull % 24, 0, 0);
}

TEST(DayTime, AddingCrossesMidnightKeepingMilliseconds) {
    DayTime time(sf::milliseconds(86'399'500));
    time += sf::seconds(1);
    EXPECT_EQ(time.asSfTime(), sf::milliseconds(500));
    time += sf::microseconds(999); // below a millisecond: dropped
    EXPECT_EQ(time.asSfTime(), sf::milliseconds(500));
    time += sf::milliseconds(-1000);
    EXPECT_EQ(time.asSfTime(), sf::milliseconds(86'399'500));
}

TEST(DayTime, SettersKeepOtherFieldsDropMillisecondsAndWrap) {
    DayTime time(sf::milliseconds(((10 * 60 + 20) * 60 + 30) * 1000 + 250));
    time.setMinute(75);
    expectClock(time, 11, 15, 30);
    EXPECT_EQ(time.asSfTime().asMilliseconds() % 1000, 0);
    time.setHour(30);
    expectClock(time, 6, 15, 30);
    time.setSecond(5);
    expectClock(time, 6, 15, 5);
}

TEST(TimeSystem, OneFrameAdvancesGameTimeNinetySixFoldAndTicksOnce) {
    TimeSystem system;
    int ticks = 0;
    system.getTickSignal().connect([&] { ++ticks; });
    system.setFrameTime(sf::seconds(1.0f / 60.0f));
    system.onUpdate();
    EXPECT_EQ(ticks, 1);
    EXPECT_NEAR(system.getGameTimeDelta().asSeconds(), 1.6f, 1e-4f);
    EXPECT_NEAR(system.getTotalTime().asSeconds(), 1.0f / 60.0f, 1e-6f);
    // 1/60 s is 16666 us in SFML's clock, so the day advances by 1599.936 ms, kept as 1599.
    EXPECT_EQ(system.getDayTime().asSfTime(), sf::milliseconds(1599));
}

TEST(TimeSystem, ZeroFrameStillTicks) {
    TimeSystem system;
    system.setDayTime(DayTime(8, 0, 0));
    int ticks = 0;
    system.getTickSignal().connect([&] { ++ticks; });
    system.onUpdate();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(system.getGameTimeDelta(), sf::Time::Zero);
    expectClock(system.getDayTime(), 8, 0, 0);
}

TEST(TimeSystem, JsonRoundTripDropsMilliseconds) {
    TimeSystem system;
    system.setDayTime(DayTime(sf::milliseconds(((13 * 60 + 14) * 60 + 15) * 1000 + 999)));
    const nlohmann::json json = system.toJson();
    EXPECT_EQ(json, (nlohmann::json{{"_SystemTypeId", "TimeSystem"},
                                    {"time.hours", 13},
                                    {"time.minutes", 14},
                                    {"time.seconds", 15}}));
    auto read = TimeSystem::fromJson(json);
    EXPECT_EQ(read->getDayTime().asSfTime(), sf::milliseconds(((13 * 60 + 14) * 60 + 15) * 1000));
}

TEST(TimeSystem, SavedFieldsAreValidated) {
    expectClock(
        TimeSystem::fromJson({{"time.hours", 30}, {"time.minutes", 0}, {"time.seconds", 0}})->getDayTime(), 6,
        0, 0);
    EXPECT_THROW(TimeSystem::fromJson({{"time.hours", 1}, {"time.minutes", 0}}),
                 nlohmann::json::out_of_range);
    EXPECT_THROW(TimeSystem::fromJson({{"time.hours", -1}, {"time.minutes", 0}, {"time.seconds", 0}}),
                 std::runtime_error);
    EXPECT_THROW(TimeSystem::fromJson({{"time.hours", 1.5}, {"time.minutes", 0}, {"time.seconds", 0}}),
                 std::runtime_error);
    EXPECT_THROW(TimeSystem::fromJson({{"time.hours", "1"}, {"time.minutes", 0}, {"time.seconds", 0}}),
                 std::runtime_error);
}

} // namespace
