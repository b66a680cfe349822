#include "game/time/DayTime.hpp"

namespace tarsk {

namespace {

// A remainder that is never negative, in 64 bits, so no time of day lands outside the day.
long long reduce(long long milliseconds) {
    const long long rest = milliseconds % DayTime::millisecondsPerDay;
    return rest < 0 ? rest + DayTime::millisecondsPerDay : rest;
}

} // namespace

DayTime::DayTime(unsigned hours, unsigned minutes, unsigned seconds) {
    setFromFields(hours, minutes, seconds);
}

DayTime::DayTime(sf::Time time) : milliseconds(reduce(time.asMicroseconds() / 1000)) {}

DayTime& DayTime::operator+=(sf::Time time) {
    milliseconds = reduce(milliseconds + time.asMicroseconds() / 1000);
    return *this;
}

unsigned DayTime::getHour() const {
    return static_cast<unsigned>(milliseconds / 3'600'000);
}

unsigned DayTime::getMinute() const {
    return static_cast<unsigned>((milliseconds % 3'600'000) / 60'000);
}

unsigned DayTime::getSecond() const {
    return static_cast<unsigned>((milliseconds % 60'000) / 1000);
}

void DayTime::setHour(unsigned hour) {
    setFromFields(hour, getMinute(), getSecond());
}

void DayTime::setMinute(unsigned minute) {
    setFromFields(getHour(), minute, getSecond());
}

void DayTime::setSecond(unsigned second) {
    setFromFields(getHour(), getMinute(), second);
}

void DayTime::setFromFields(unsigned long long hours, unsigned long long minutes,
                            unsigned long long seconds) {
    const unsigned long long total = ((hours * 60 + minutes) * 60 + seconds) * 1000;
    milliseconds = static_cast<long long>(total % static_cast<unsigned long long>(millisecondsPerDay));
}

std::string DayTime::toString() const {
    return std::to_string(getHour()) + "::" + std::to_string(getMinute()) +
           "::" + std::to_string(getSecond());
}

} // namespace tarsk
