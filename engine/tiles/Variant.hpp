#pragma once

#include "engine/tiles/AnimationFrame.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orv {

// A look of a tile: one rectangle, or a cycle of timed rectangles.
class Variant {
public:
    // Throws std::invalid_argument for no frames, a negative duration, a duration beyond
    // what sf::milliseconds can express, or a cycle longer than 2^32 - 1 ms.
    explicit Variant(std::vector<AnimationFrame> frames);
    // A static look of one frame.
    explicit Variant(const sf::IntRect& rect);

    // The frame shown at a clock in milliseconds. Frame k shows while the durations of frames
    // 0..k-1 add up to less than the time into the cycle and those of 0..k to at least it; the
    // start of a cycle shows frame 0, and so does a cycle of zero length.
    std::size_t currentFrameIndex(std::uint32_t clock) const;
    const sf::IntRect& currentFrame(std::uint32_t clock) const;

    // Whether the picture can change with the clock at all.
    bool isAnimated() const { return frames.size() > 1 && totalMilliseconds > 0; }

    const std::vector<AnimationFrame>& getFrames() const { return frames; }
    std::uint32_t getTotalMilliseconds() const { return totalMilliseconds; }

private:
    std::vector<AnimationFrame> frames;
    std::uint32_t totalMilliseconds = 0;
};

} // namespace orv
