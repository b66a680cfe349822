#pragma once

#include <SFML/System/Time.hpp>

#include <string>

namespace tarsk {

// The time of day: whole milliseconds since midnight, always within one day.
class DayTime {
public:
    static constexpr long long millisecondsPerDay = 86'400'000;

    DayTime() = default;
    DayTime(unsigned hours, unsigned minutes, unsigned seconds);
    explicit DayTime(sf::Time time);

    DayTime& operator+=(sf::Time time);

    sf::Time asSfTime() const { return sf::milliseconds(static_cast<sf::Int32>(milliseconds)); }
    unsigned getHour() const;
    unsigned getMinute() const;
    unsigned getSecond() const;

    // Each replaces one field, keeps the other two, drops the milliseconds and wraps into the day.
    void setHour(unsigned hour);
    void setMinute(unsigned minute);
    void setSecond(unsigned second);

    // "12::0::0" at noon: no leading zeros.
    std::string toString() const;

private:
    void setFromFields(unsigned long long hours, unsigned long long minutes, unsigned long long seconds);

    long long milliseconds = 0;
};

} // namespace tarsk
