#pragma once

#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "engine/signals/Signal.hpp"
#include "game/time/DayTime.hpp"

#include <SFML/System/Time.hpp>
#include <nlohmann/json.hpp>

#include <memory>

namespace tarsk {

// Turns each frame's real duration into game time (96 times faster), keeps the time of day and
// the accumulated real time, and ticks once per frame for the systems that follow game time.
class TimeSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    static constexpr float gameTimeFactor = 96.0f;

    TimeSystem();

    // Reads "time.hours", "time.minutes" and "time.seconds" (whole numbers, all required).
    static std::unique_ptr<TimeSystem> fromJson(const nlohmann::json& json);

    void setFrameTime(sf::Time time) { frameTime = time; }
    void setDayTime(const DayTime& time) { dayTime = time; }
    DayTime& getDayTime() { return dayTime; }
    sf::Time& getFrameTime() { return frameTime; }
    sf::Time& getGameTimeDelta() { return gameTimeDelta; }
    sf::Time& getTotalTime() { return totalTime; }
    smartsignals::Signal<void()>& getTickSignal() { return tick; }

    void onPreInit(orv::World*) override {}
    void onInit() override {}
    void onUpdate() override;

    nlohmann::json toJsonData() const override;
    const std::string& getSystemTypeName() const override;

private:
    DayTime dayTime;
    sf::Time frameTime;
    sf::Time gameTimeDelta;
    sf::Time totalTime;
    smartsignals::Signal<void()> tick;
};

} // namespace tarsk
