#include "engine/tiles/Pattern.hpp"

#include "engine/tiles/TileTestSupport.hpp"

#include <gtest/gtest.h>

using orv::matchPattern;
using orv::Neighbourhood;
using orv::Pattern;
using tiletest::anyExcept;

namespace {

struct TilePattern : ::testing::Test {
    orv::Tile sand = tiletest::plainTile("SAND", 0, {0, 0, 16, 16});
    orv::Tile water = tiletest::plainTile("WATER", 1, {16, 0, 16, 16});
    // Loaded twice: the same id, a different definition.
    orv::Tile waterAgain = tiletest::plainTile("WATER", 1, {16, 0, 16, 16});

    Neighbourhood around(const orv::Tile& centre, const orv::Tile& filler) {
        Neighbourhood cells;
        cells.fill(&filler);
        cells[orv::neighbourhoodCentre] = &centre;
        return cells;
    }
};

} // namespace

TEST_F(TilePattern, QuestionMarksMatchAnything) {
    Pattern pattern;
    pattern.fill("?");
    EXPECT_TRUE(matchPattern(pattern, around(sand, water)));
    EXPECT_TRUE(matchPattern(pattern, around(sand, sand)));
}

TEST_F(TilePattern, XMatchesOnlyTheVeryCentreDefinition) {
    const Pattern above = anyExcept(1, "X");
    Neighbourhood cells = around(water, sand);
    EXPECT_FALSE(matchPattern(above, cells));
    cells[1] = &water;
    EXPECT_TRUE(matchPattern(above, cells));
    cells[1] = &waterAgain;
    EXPECT_FALSE(matchPattern(above, cells));
}

TEST_F(TilePattern, OMatchesEveryOtherDefinitionEvenWithTheSameId) {
    const Pattern above = anyExcept(1, "O");
    Neighbourhood cells = around(water, sand);
    EXPECT_TRUE(matchPattern(above, cells));
    cells[1] = &waterAgain;
    EXPECT_TRUE(matchPattern(above, cells));
    cells[1] = &water;
    EXPECT_FALSE(matchPattern(above, cells));
}

TEST_F(TilePattern, OtherTokensAreTileIdsComparedExactly) {
    Neighbourhood cells = around(sand, sand);
    cells[8] = &waterAgain;
    EXPECT_TRUE(matchPattern(anyExcept(8, "WATER"), cells));
    EXPECT_FALSE(matchPattern(anyExcept(8, "water"), cells));
    EXPECT_FALSE(matchPattern(anyExcept(8, "WATER "), cells));
    EXPECT_FALSE(matchPattern(anyExcept(7, "WATER"), cells));
}

TEST_F(TilePattern, EveryTokenMustMatchButTheCentreIsIgnored) {
    Neighbourhood cells = around(sand, water);
    Pattern pattern;
    pattern.fill("WATER");
    pattern[orv::neighbourhoodCentre] = "NOT_A_TILE";
    EXPECT_TRUE(matchPattern(pattern, cells));
    cells[6] = &sand;
    EXPECT_FALSE(matchPattern(pattern, cells));
    pattern[6] = std::string("X");
    EXPECT_TRUE(matchPattern(pattern, cells));
}
