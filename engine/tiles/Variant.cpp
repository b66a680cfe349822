#include "engine/tiles/Variant.hpp"

#include <limits>
#include <stdexcept>

namespace orv {

Variant::Variant(std::vector<AnimationFrame> frames) : frames(std::move(frames)) {
    if (this->frames.empty())
        throw std::invalid_argument("a tile variant needs at least one frame");
    std::uint64_t total = 0;
    for (const AnimationFrame& frame : this->frames) {
        // sf::Time counts microseconds; whole milliseconds are what the clock runs on.
        const std::int64_t ms = frame.duration.asMicroseconds() / 1000;
        if (ms < 0)
            throw std::invalid_argument("a tile animation frame has a negative duration");
        if (ms > std::numeric_limits<std::int32_t>::max())
            throw std::invalid_argument("a tile animation frame lasts too long");
        total += static_cast<std::uint64_t>(ms);
    }
    if (total > std::numeric_limits<std::uint32_t>::max())
        throw std::invalid_argument("a tile animation lasts too long");
    totalMilliseconds = static_cast<std::uint32_t>(total);
}

Variant::Variant(const sf::IntRect& rect) : Variant(std::vector<AnimationFrame>{{rect, sf::Time::Zero}}) {}

std::size_t Variant::currentFrameIndex(std::uint32_t clock) const {
    if (frames.size() == 1 || totalMilliseconds == 0)
        return 0;
    // Signed, so that a frame longer than what is left of the cycle ends the walk.
    std::int64_t remaining = clock % totalMilliseconds;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        remaining -= frames[i].duration.asMilliseconds();
        if (remaining <= 0)
            return i;
    }
    return 0;
}

const sf::IntRect& Variant::currentFrame(std::uint32_t clock) const {
    return frames[currentFrameIndex(clock)].rect;
}

} // namespace orv
