#include "engine/tiles/Tile.hpp"

#include "engine/tiles/TileTestSupport.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

using orv::Neighbours;
using orv::Tile;
using orv::Variant;
using orv::VariantRule;
using tiletest::anyExcept;

namespace {

Neighbours all(const Tile& tile) {
    Neighbours neighbours;
    neighbours.fill(&tile);
    return neighbours;
}

} // namespace

TEST(Tile, ConvenienceConstructorMakesAPlainStaticTile) {
    const Tile grass("GRASS", "Grass", {"ground"}, sf::IntRect(32, 0, 16, 16));
    EXPECT_EQ(grass.getTileId(), "GRASS");
    EXPECT_EQ(grass.getTileName(), "Grass");
    EXPECT_EQ(grass.getCategories(), std::vector<std::string>{"ground"});
    EXPECT_EQ(grass.getStackingPriority(), 0);
    EXPECT_FALSE(grass.hasVariants());
    EXPECT_EQ(grass.getDefaultVariant().currentFrame(0), sf::IntRect(32, 0, 16, 16));
    EXPECT_EQ(grass.selectTransition(all(grass)), nullptr);
}

TEST(Tile, FirstMatchingVariantRuleWinsAndNoMatchGivesTheDefault) {
    const Tile sand = tiletest::plainTile("SAND", 0, {});
    // Rule 0: sand above -> look 1; rule 1: sand below -> look 2; rule 2: sand above -> look 1 again.
    const Tile grass("GRASS", "GRASS", {},
                     {Variant(sf::IntRect(0, 0, 1, 1)), Variant(sf::IntRect(1, 0, 1, 1)),
                      Variant(sf::IntRect(2, 0, 1, 1))},
                     {VariantRule{anyExcept(1, "SAND"), 1}, VariantRule{anyExcept(7, "SAND"), 2}}, 0, {}, {});
    ASSERT_TRUE(grass.hasVariants());

    Neighbours neighbours = all(grass);
    EXPECT_EQ(&grass.selectVariant(neighbours), &grass.getDefaultVariant());
    neighbours[6] = &sand; // below
    EXPECT_EQ(&grass.selectVariant(neighbours), &grass.getVariantPool()[2]);
    neighbours[1] = &sand; // above as well: the earlier rule decides
    EXPECT_EQ(&grass.selectVariant(neighbours), &grass.getVariantPool()[1]);
}

TEST(Tile, RejectsAMissingDefaultAndRulesOutsideTheirPool) {
    EXPECT_THROW(Tile("A", "A", {}, {}, {}, 0, {}, {}), std::invalid_argument);
    EXPECT_THROW(Tile("A", "A", {}, {Variant(sf::IntRect())}, {VariantRule{anyExcept(0, "?"), 1}}, 0, {}, {}),
                 std::invalid_argument);
    EXPECT_THROW(Tile("A", "A", {}, {Variant(sf::IntRect())}, {}, 0, {}, {VariantRule{anyExcept(0, "?"), 0}}),
                 std::invalid_argument);
    EXPECT_NO_THROW(Tile("A", "A", {}, {Variant(sf::IntRect())}, {VariantRule{anyExcept(0, "?"), 0}}, 0,
                         {Variant(sf::IntRect())}, {VariantRule{anyExcept(0, "?"), 0}}));
}
