#include "engine/tiles/Variant.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

using orv::AnimationFrame;
using orv::Variant;

namespace {

sf::IntRect rect(int n) {
    return sf::IntRect(n * 16, 0, 16, 16);
}

Variant frames(std::initializer_list<int> durations) {
    std::vector<AnimationFrame> list;
    int n = 0;
    for (int ms : durations)
        list.push_back(AnimationFrame{rect(n++), sf::milliseconds(ms)});
    return Variant(std::move(list));
}

} // namespace

TEST(TileVariant, StaticLookIsOneFrameOfNoDuration) {
    const Variant look(rect(3));
    ASSERT_EQ(look.getFrames().size(), 1u);
    EXPECT_EQ(look.getTotalMilliseconds(), 0u);
    EXPECT_FALSE(look.isAnimated());
    EXPECT_EQ(look.currentFrame(0), rect(3));
    EXPECT_EQ(look.currentFrame(123456), rect(3));
}

TEST(TileVariant, FrameChoiceAtTheBoundaries) {
    const Variant look = frames({100, 200});
    EXPECT_EQ(look.getTotalMilliseconds(), 300u);
    EXPECT_TRUE(look.isAnimated());
    // A frame shows up to and including the end of its time; the start of a cycle is frame 0.
    EXPECT_EQ(look.currentFrameIndex(0), 0u);
    EXPECT_EQ(look.currentFrameIndex(1), 0u);
    EXPECT_EQ(look.currentFrameIndex(100), 0u);
    EXPECT_EQ(look.currentFrameIndex(101), 1u);
    EXPECT_EQ(look.currentFrameIndex(299), 1u);
    EXPECT_EQ(look.currentFrameIndex(300), 0u);
    EXPECT_EQ(look.currentFrameIndex(401), 1u);
    // 4294967295 mod 300 = 195: inside the second frame.
    EXPECT_EQ(look.currentFrameIndex(std::numeric_limits<std::uint32_t>::max()), 1u);
    EXPECT_EQ(look.currentFrame(101), rect(1));
}

TEST(TileVariant, ZeroLengthCycleShowsTheFirstFrame) {
    const Variant look = frames({0, 0, 0});
    EXPECT_EQ(look.getTotalMilliseconds(), 0u);
    EXPECT_FALSE(look.isAnimated());
    EXPECT_EQ(look.currentFrameIndex(0), 0u);
    EXPECT_EQ(look.currentFrameIndex(777), 0u);
}

TEST(TileVariant, ZeroLengthFramesAreSkippedInsideACycle) {
    const Variant look = frames({0, 50, 0, 50});
    EXPECT_EQ(look.currentFrameIndex(0), 0u);
    EXPECT_EQ(look.currentFrameIndex(1), 1u);
    EXPECT_EQ(look.currentFrameIndex(50), 1u);
    EXPECT_EQ(look.currentFrameIndex(51), 3u);
}

TEST(TileVariant, RejectsImpossibleFrameLists) {
    EXPECT_THROW(Variant(std::vector<AnimationFrame>{}), std::invalid_argument);
    EXPECT_THROW(frames({100, -1}), std::invalid_argument);
    const sf::Time tooLong =
        sf::microseconds((std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) * 1000);
    EXPECT_THROW(Variant({AnimationFrame{rect(0), tooLong}}), std::invalid_argument);
    const int max = std::numeric_limits<std::int32_t>::max();
    EXPECT_THROW(frames({max, max, 2}), std::invalid_argument);
    EXPECT_EQ(frames({max, max, 1}).getTotalMilliseconds(), std::numeric_limits<std::uint32_t>::max());
}
