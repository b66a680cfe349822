#pragma once

#include <chrono>

namespace bt {

// Where Timeout and Delay read the time. Injected so trees can run on game time or on a test's
// hand-moved clock; the library starts no threads.
class Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
};

class SteadyClock final : public Clock {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
};

} // namespace bt
