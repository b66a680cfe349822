#include "tools/assetgen/src/TileDefinition.hpp"
#include "tools/assetgen/src/JsonText.hpp"

#include <gtest/gtest.h>

namespace {

using namespace assetgen;

Pattern anyAround(const std::string& token, std::size_t at) {
    Pattern p;
    p.fill("?");
    p[at] = token;
    return p;
}

TEST(TileDefinition, WritesStaticAndAnimatedLooksAndOneOrManyPatterns) {
    TileDefinition tile{"WATER", "Water", {"water"}, {{{16, 0, 16, 16}, 0}}, {}, 3, {}};
    tile.variants.push_back({{anyAround("SAND", 1)}, {{{32, 0, 16, 16}, 0}}});
    tile.transitions.push_back(
        {{anyAround("X", 1), anyAround("X", 3)}, {{{0, 16, 16, 16}, 250}, {{16, 16, 16, 16}, 250}}});
    const auto json = tile.toJson();
    EXPECT_EQ(json["tile_id"], "WATER");
    EXPECT_EQ(json["default"], nlohmann::json({16, 0, 16, 16}));
    EXPECT_EQ(json["default_stacking_priority"], 3);
    EXPECT_EQ(json["variants"][0]["condition"], nlohmann::json(anyAround("SAND", 1)));
    EXPECT_EQ(json["transitions"][0]["condition"].size(), 2u);
    EXPECT_TRUE(json["transitions"][0]["condition"][0].is_array());
    EXPECT_EQ(json["transitions"][0]["result"],
              nlohmann::json::parse("[[0,16,16,16,250],[16,16,16,16,250]]"));
    // The compact text is the same document.
    EXPECT_EQ(nlohmann::json::parse(compactJsonText(json)), json);
    EXPECT_NE(compactJsonText(json).find(R"(["?", "SAND", "?", "?", "?", "?", "?", "?", "?"])"),
              std::string::npos);
}

TEST(TileDefinition, PatternTokensMatchLikeTheGame) {
    const std::array<std::string, 8> around = {"A", "B", "A", "A", "A", "A", "A", "SAND"};
    Pattern p;
    p.fill("?");
    EXPECT_TRUE(patternMatches(p, "A", around));
    p[1] = "X";
    EXPECT_FALSE(patternMatches(p, "A", around));
    p[1] = "O";
    EXPECT_TRUE(patternMatches(p, "A", around));
    p[8] = "SAND";
    EXPECT_TRUE(patternMatches(p, "A", around));
    p[0] = "X";
    EXPECT_TRUE(patternMatches(p, "A", around));
    p[4] = "nonsense"; // the centre token is never read
    EXPECT_TRUE(patternMatches(p, "A", around));
    p[5] = "B";
    EXPECT_FALSE(patternMatches(p, "A", around));
}

TEST(TileDefinition, FirstMatchingRuleWinsAndFramesFollowTheClock) {
    TileDefinition tile{"A", "A", {}, {{{0, 0, 16, 16}, 0}}, {}, 0, {}};
    tile.variants.push_back({{anyAround("B", 1)}, {{{16, 0, 16, 16}, 0}}});
    tile.variants.push_back({{anyAround("B", 1), anyAround("C", 3)}, {{{32, 0, 16, 16}, 0}}});
    const std::array<std::string, 8> bAbove = {"A", "B", "A", "C", "A", "A", "A", "A"};
    const std::array<std::string, 8> cLeft = {"A", "A", "A", "C", "A", "A", "A", "A"};
    const std::array<std::string, 8> none = {"A", "A", "A", "A", "A", "A", "A", "A"};
    EXPECT_EQ(selectLook(tile, bAbove).front().rect.left, 16);
    EXPECT_EQ(selectLook(tile, cLeft).front().rect.left, 32);
    EXPECT_EQ(selectLook(tile, none).front().rect.left, 0);
    EXPECT_EQ(selectTransition(tile, none), nullptr);

    const Look look = {{{0, 0, 16, 16}, 100}, {{16, 0, 16, 16}, 200}};
    EXPECT_EQ(frameAt(look, 0).left, 0);
    EXPECT_EQ(frameAt(look, 100).left, 0);
    EXPECT_EQ(frameAt(look, 101).left, 16);
    EXPECT_EQ(frameAt(look, 299).left, 16);
    EXPECT_EQ(frameAt(look, 300).left, 0);
}

} // namespace
