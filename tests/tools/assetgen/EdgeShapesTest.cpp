#include "tools/assetgen/src/EdgeConfig.hpp"
#include "tools/assetgen/src/EdgeField.hpp"

#include <gtest/gtest.h>

namespace {

using assetgen::EdgeConfig;
using assetgen::EdgeField;
using assetgen::EdgeShape;

std::array<bool, 9> occupancy(int mask) {
    // Bits 0..7 are the eight neighbours in neighbourhood order; cell 4 is the centre.
    std::array<bool, 9> cells{};
    const std::size_t order[8] = {0, 1, 2, 3, 5, 6, 7, 8};
    for (std::size_t k = 0; k < 8; ++k) {
        cells[order[k]] = (mask >> k) & 1;
    }
    return cells;
}

TEST(EdgeConfig, EveryArrangementHasExactlyOnePicture) {
    const auto configs = EdgeConfig::all();
    ASSERT_EQ(configs.size(), 46u);
    for (int mask = 0; mask < 256; ++mask) {
        int matches = 0;
        for (const auto& c : configs) {
            matches += c.describes(occupancy(mask));
        }
        EXPECT_EQ(matches, mask == 0 ? 0 : 1) << "mask " << mask;
    }
}

TEST(EdgeConfig, PatternsSpeakOfCornersOnlyWhenNoSideCoversThem) {
    EdgeConfig north;
    north.north = true;
    EXPECT_EQ(north.pattern(), (assetgen::Pattern{"?", "X", "?", "O", "?", "O", "O", "O", "O"}));
    EdgeConfig corner;
    corner.southEast = true;
    EXPECT_EQ(corner.pattern(), (assetgen::Pattern{"O", "O", "O", "O", "?", "O", "O", "O", "X"}));
}

EdgeConfig only(bool EdgeConfig::*member) {
    EdgeConfig c;
    c.*member = true;
    return c;
}

// Rows (or columns) the overlay reaches into from a side, at a position along it.
int reach(const EdgeField& f, int along) {
    int n = 0;
    while (n < 16 && f.covers(along, n)) {
        ++n;
    }
    return n;
}

TEST(EdgeField, SidesAndCornersCoverTheirOwnPartOfTheCell) {
    const EdgeShape shape{5.f, 1.f, 1.2f};
    const EdgeField north(only(&EdgeConfig::north), shape);
    for (int x = 0; x < 16; ++x) {
        EXPECT_TRUE(north.covers(x, 0));
        EXPECT_FALSE(north.covers(x, 15));
        EXPECT_GE(reach(north, x), 3);
        EXPECT_LE(reach(north, x), 7);
    }
    const EdgeField corner(only(&EdgeConfig::northEast), shape);
    EXPECT_TRUE(corner.covers(15, 0));
    EXPECT_FALSE(corner.covers(8, 0));
    EXPECT_FALSE(corner.covers(15, 8));
    EXPECT_FALSE(corner.covers(0, 0));
}

// A rim drawn in one cell must meet the rim drawn in the next cell along the same shore.
TEST(EdgeField, RimsMeetAcrossCellBorders) {
    const EdgeShape shape{5.f, 1.3f, 1.2f};
    const EdgeField north(only(&EdgeConfig::north), shape);
    // The same piece repeats along a straight shore: its left and right columns touch.
    EXPECT_LE(std::abs(reach(north, 0) - reach(north, 15)), 1);

    // An outer corner next to the side overlay of the cell above it: the corner piece's reach at
    // its top row equals the side piece's reach at its bottom row.
    const EdgeField corner(only(&EdgeConfig::northEast), shape);
    const EdgeField east(only(&EdgeConfig::east), shape);
    int cornerWidth = 0;
    while (cornerWidth < 16 && corner.covers(15 - cornerWidth, 0)) {
        ++cornerWidth;
    }
    int eastWidth = 0;
    while (eastWidth < 16 && east.covers(15 - eastWidth, 15)) {
        ++eastWidth;
    }
    EXPECT_LE(std::abs(cornerWidth - eastWidth), 1);
}

TEST(EdgeField, InsideCornersAreRounded) {
    EdgeConfig both;
    both.north = true;
    both.west = true;
    const EdgeShape shape{5.f, 0.f, 1.5f};
    const EdgeField field(both, shape);
    const EdgeField north(only(&EdgeConfig::north), shape);
    const EdgeField west(only(&EdgeConfig::west), shape);
    // Where the two bands meet, the union is filled out beyond either band alone.
    EXPECT_FALSE(north.covers(5, 5) || west.covers(5, 5));
    EXPECT_TRUE(field.covers(5, 5));
    EXPECT_FALSE(field.covers(10, 10));
}

} // namespace
