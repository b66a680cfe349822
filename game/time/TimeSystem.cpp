#include "game/time/TimeSystem.hpp"

#include "engine/common/JsonNumber.hpp"
#include "game/content/Identifiers.hpp"

#include <limits>
#include <stdexcept>

namespace tarsk {

namespace {

unsigned readField(const nlohmann::json& json, const char* key) {
    return orv::jsonNumber<unsigned>(json.at(key), key);
}

} // namespace

TimeSystem::TimeSystem() : SerializableSystem_template(0) {}

std::unique_ptr<TimeSystem> TimeSystem::fromJson(const nlohmann::json& json) {
    auto system = std::make_unique<TimeSystem>();
    system->setDayTime(DayTime(readField(json, "time.hours"), readField(json, "time.minutes"),
                               readField(json, "time.seconds")));
    return system;
}

void TimeSystem::onUpdate() {
    gameTimeDelta = frameTime * gameTimeFactor;
    totalTime += frameTime;
    dayTime += gameTimeDelta;
    tick.emit();
}

nlohmann::json TimeSystem::toJsonData() const {
    return {{"time.hours", dayTime.getHour()},
            {"time.minutes", dayTime.getMinute()},
            {"time.seconds", dayTime.getSecond()}};
}

const std::string& TimeSystem::getSystemTypeName() const {
    return id::system::time;
}

} // namespace tarsk
