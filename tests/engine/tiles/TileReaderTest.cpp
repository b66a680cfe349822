#include "engine/tiles/TileReader.hpp"

#include "engine/common/JsonError.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

using nlohmann::json;

namespace {

const char* const fullTile = R"({
    "tile_id": "WATER",
    "tile_name": "Water",
    "tile_categories": ["liquid", "cold"],
    "default": [16, 32, 16, 16, 99],
    "default_stacking_priority": 3,
    "variants": [
        {"condition": ["?", "SAND", "?", "?", "?", "?", "?", "?", "?"],
         "result": [0, 0, 16, 16]},
        {"condition": [["?", "?", "?", "SAND", "?", "?", "?", "?", "?", "extra"],
                       ["?", "?", "?", "?", "?", "SAND", "?", "?", "?"]],
         "result": [[16, 0, 16, 16, 250], [32, 0, 16, 16, 250]]}
    ],
    "transitions": [
        {"condition": ["X", "?", "?", "?", "?", "?", "?", "?", "?"], "result": [64, 64, 8, 8]}
    ]
})";

} // namespace

TEST(TileReader, ReadsEveryField) {
    const orv::Tile tile = orv::readTile(json::parse(fullTile));
    EXPECT_EQ(tile.getTileId(), "WATER");
    EXPECT_EQ(tile.getTileName(), "Water");
    EXPECT_EQ(tile.getCategories(), (std::vector<std::string>{"liquid", "cold"}));
    EXPECT_EQ(tile.getStackingPriority(), 3);
    // Numbers after the fourth are not read.
    EXPECT_EQ(tile.getDefaultVariant().getFrames().size(), 1u);
    EXPECT_EQ(tile.getDefaultVariant().currentFrame(0), sf::IntRect(16, 32, 16, 16));
    EXPECT_EQ(tile.getDefaultVariant().getTotalMilliseconds(), 0u);

    ASSERT_EQ(tile.getVariantPool().size(), 3u);
    ASSERT_EQ(tile.getVariantRules().size(), 3u);
    EXPECT_EQ(tile.getVariantRules()[0].poolIndex, 1u);
    EXPECT_EQ(tile.getVariantRules()[0].pattern[1], "SAND");
    // Both patterns of the second entry point at its one look, in document order.
    EXPECT_EQ(tile.getVariantRules()[1].poolIndex, 2u);
    EXPECT_EQ(tile.getVariantRules()[1].pattern[3], "SAND");
    EXPECT_EQ(tile.getVariantRules()[1].pattern[8], "?");
    EXPECT_EQ(tile.getVariantRules()[2].poolIndex, 2u);
    EXPECT_EQ(tile.getVariantRules()[2].pattern[5], "SAND");

    const orv::Variant& animated = tile.getVariantPool()[2];
    ASSERT_EQ(animated.getFrames().size(), 2u);
    EXPECT_EQ(animated.getTotalMilliseconds(), 500u);
    EXPECT_EQ(animated.getFrames()[1].rect, sf::IntRect(32, 0, 16, 16));
    EXPECT_EQ(animated.getFrames()[1].duration, sf::milliseconds(250));

    ASSERT_EQ(tile.getTransitionPool().size(), 1u);
    ASSERT_EQ(tile.getTransitionRules().size(), 1u);
    EXPECT_EQ(tile.getTransitionRules()[0].poolIndex, 0u);
    EXPECT_EQ(tile.getTransitionPool()[0].currentFrame(0), sf::IntRect(64, 64, 8, 8));
}

TEST(TileReader, OptionalKeysTakeTheirDefaults) {
    const orv::Tile tile = orv::readTile(json::parse(R"({"tile_id": "DIRT", "default": [1, 2, 3, 4]})"));
    EXPECT_EQ(tile.getTileName(), "DIRT");
    EXPECT_TRUE(tile.getCategories().empty());
    EXPECT_EQ(tile.getStackingPriority(), 0);
    EXPECT_FALSE(tile.hasVariants());
    EXPECT_EQ(tile.getVariantPool().size(), 1u);
    EXPECT_TRUE(tile.getTransitionPool().empty());
    EXPECT_TRUE(tile.getTransitionRules().empty());
}

TEST(TileReader, DocumentIsOneObjectOrAnArrayOfThem) {
    const auto one = orv::readTiles(json::parse(R"({"tile_id": "A", "default": [0, 0, 1, 1]})"));
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].getTileId(), "A");

    const auto two = orv::readTiles(json::parse(
        R"([{"tile_id": "B", "default": [0, 0, 1, 1]}, {"tile_id": "A", "default": [0, 0, 1, 1]}])"));
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].getTileId(), "B");
    EXPECT_EQ(two[1].getTileId(), "A");

    EXPECT_TRUE(orv::readTiles(json::array()).empty());
}

TEST(TileReader, TransitionsCountFromZeroAfterVariants) {
    const orv::Tile tile = orv::readTile(json::parse(R"({
        "tile_id": "T", "default": [0, 0, 1, 1],
        "transitions": [
            {"condition": ["?", "?", "?", "?", "?", "?", "?", "?", "?"], "result": [1, 0, 1, 1]},
            {"condition": [["?", "?", "?", "?", "?", "?", "?", "?", "?"]], "result": [2, 0, 1, 1]}
        ]})"));
    ASSERT_EQ(tile.getTransitionRules().size(), 2u);
    EXPECT_EQ(tile.getTransitionRules()[0].poolIndex, 0u);
    EXPECT_EQ(tile.getTransitionRules()[1].poolIndex, 1u);
    EXPECT_EQ(tile.getTransitionPool()[1].currentFrame(0), sf::IntRect(2, 0, 1, 1));
    EXPECT_FALSE(tile.hasVariants());
}

namespace {

struct BadTile {
    const char* name;
    const char* document;
    const char* message; // null: the JSON library's own error
};

void PrintTo(const BadTile& bad, std::ostream* os) {
    *os << bad.name;
}

const std::string nine = R"(["?", "?", "?", "?", "?", "?", "?", "?", "?"])";

std::string tileWith(const std::string& members) {
    return R"({"tile_id": "A", "default": [0, 0, 1, 1])" + (members.empty() ? "" : ", " + members) + "}";
}

std::string variantsWith(const std::string& condition, const std::string& result) {
    return tileWith(R"("variants": [{"condition": )" + condition + R"(, "result": )" + result + "}]");
}

struct TileReaderErrors : ::testing::TestWithParam<BadTile> {};

} // namespace

TEST_P(TileReaderErrors, ThrowTheirMessage) {
    const BadTile& bad = GetParam();
    const json document = json::parse(bad.document);
    // Errors inside a tile carry their path; the message after it is the reader's own or, for
    // null, the JSON library's.
    try {
        orv::readTiles(document);
        ADD_FAILURE() << "no error";
    } catch (const orv::JsonError& e) {
        if (bad.message == nullptr)
            EXPECT_EQ(e.getMessage().rfind("[json.exception.", 0), 0u) << e.what();
        else
            EXPECT_EQ(e.getMessage(), bad.message) << e.what();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), bad.message);
    }
}

// Parameters are built at registration, so the documents are composed here once.
const std::vector<BadTile>& badTiles() {
    static const std::vector<std::string> docs = {
        R"("text")",
        R"([{"tile_id": "A", "default": [0, 0, 1, 1]}, 3])",
        tileWith(R"("tile_categories": "ground")"),
        tileWith(R"("tile_categories": ["ground", 4])"),
        R"({"tile_id": "A", "default": {"left": 0}})",
        R"({"tile_id": "A", "default": ["0", 0, 1, 1]})",
        R"({"tile_id": "A", "default": [[0, 0, 1, 1, 5], 7]})",
        R"({"tile_id": "A", "default": [[0, 0, 1, 1]]})",
        R"({"tile_id": "A", "default": [[0, 0, 1, 1, 5, 6]]})",
        R"({"tile_id": "A", "default": [[0, 0, 1, 1, -5]]})",
        R"({"tile_id": "A", "default": [[0, 0, 1, 1, 2147483648]]})",
        R"({"tile_id": "A", "default": [[0, 0, 1, 1, 2147483647], [0, 0, 1, 1, 2147483647], [0, 0, 1, 1, 2]]})",
        tileWith(R"("variants": {"condition": [], "result": []})"),
        tileWith(R"("transitions": 5)"),
        variantsWith(R"("?")", "[0, 0, 1, 1]"),
        variantsWith("[5, 5]", "[0, 0, 1, 1]"),
        variantsWith(R"([["?", "?", "?", "?", "?", "?", "?", "?", "?"], "?"])", "[0, 0, 1, 1]"),
        R"({"default": [0, 0, 1, 1]})",
        R"({"tile_id": "A"})",
        tileWith(R"("variants": [{"result": [0, 0, 1, 1]}])"),
        tileWith(R"("variants": [{"condition": )" + nine + "}]"),
        variantsWith(R"(["?", "?", "?", "?", "?", "?", "?", "?"])", "[0, 0, 1, 1]"),
        variantsWith(R"(["?", "?", "?", "?", 1, "?", "?", "?", "?"])", "[0, 0, 1, 1]"),
        variantsWith(nine, "[]"),
        R"({"tile_id": "A", "default": []})",
        R"({"tile_id": "A", "default": [0, 0, 1]})",
        R"({"tile_id": 7, "default": [0, 0, 1, 1]})",
        tileWith(R"("tile_name": 7)"),
        tileWith(R"("default_stacking_priority": "high")"),
        R"({"tile_id": "A", "default": [1, 0, 2147483647, 16]})",
        R"({"tile_id": "A", "default": [0, 1e30, 16, 16]})",
        R"({"tile_id": "A", "default": [0, 0, true, 16]})",
        R"({"tile_id": "A", "default": [[0, 0, 16, 16, 2.5]]})",
        tileWith(R"("default_stacking_priority": 1e12)"),
    };
    static const std::vector<BadTile> cases = {
        {"NeitherObjectNorArray", docs[0].c_str(), "origin is neither object nor array"},
        {"ArrayHoldsANumber", docs[1].c_str(), "origin is array that does not contain tile objects"},
        {"CategoriesNotArray", docs[2].c_str(), "categories is not array"},
        {"CategoryNotString", docs[3].c_str(), nullptr},
        {"VariantNotArray", docs[4].c_str(), "variant data is not array"},
        {"VariantStartsWithString", docs[5].c_str(), "variant data structure is invalid"},
        {"FrameNotArray", docs[6].c_str(), "AnimationFrame has to be array"},
        {"FrameOfFour", docs[7].c_str(), "array of AnimationFrame needs to be size() == 5"},
        {"FrameOfSix", docs[8].c_str(), "array of AnimationFrame needs to be size() == 5"},
        {"NegativeDuration", docs[9].c_str(), "AnimationFrame duration is negative"},
        {"DurationTooLong", docs[10].c_str(), "AnimationFrame duration is too long"},
        {"CycleTooLong", docs[11].c_str(), "animation of variant is too long"},
        {"VariantsNotArray", docs[12].c_str(), "variants container is not array"},
        {"TransitionsNotArray", docs[13].c_str(), "variants container is not array"},
        {"ConditionNotArray", docs[14].c_str(), "condition data container is not array"},
        {"ConditionOfNumbers", docs[15].c_str(), "condition data format invalid"},
        {"PatternNotArray", docs[16].c_str(), "condition token container is not array"},
        {"MissingId", docs[17].c_str(), nullptr},
        {"MissingDefault", docs[18].c_str(), nullptr},
        {"MissingCondition", docs[19].c_str(), nullptr},
        {"MissingResult", docs[20].c_str(), nullptr},
        {"PatternOfEight", docs[21].c_str(), nullptr},
        {"TokenNotString", docs[22].c_str(), nullptr},
        {"EmptyResult", docs[23].c_str(), nullptr},
        {"EmptyDefault", docs[24].c_str(), nullptr},
        {"RectOfThree", docs[25].c_str(), nullptr},
        {"IdNotString", docs[26].c_str(), nullptr},
        {"NameNotString", docs[27].c_str(), nullptr},
        {"PriorityNotNumber", docs[28].c_str(), "type must be number, but is string"},
        {"RectReachingPastTheIntegers", docs[29].c_str(),
         "texture rectangle reaches beyond the integer range"},
        {"RectBeyondTheIntegers", docs[30].c_str(),
         "must be a whole number within [-2147483648, 2147483647], but is 1e+30"},
        {"RectOfAFlag", docs[31].c_str(), "type must be number, but is boolean"},
        {"FractionalDuration", docs[32].c_str(),
         "must be a whole number within [-9223372036854775808, 9223372036854775807], but is 2.5"},
        {"PriorityBeyondTheIntegers", docs[33].c_str(),
         "must be a whole number within [-2147483648, 2147483647], but is 1000000000000.0"},
    };
    return cases;
}

INSTANTIATE_TEST_SUITE_P(TileReader, TileReaderErrors, ::testing::ValuesIn(badTiles()),
                         [](const ::testing::TestParamInfo<BadTile>& info) {
                             return std::string(info.param.name);
                         });

TEST(TileReader, TileThatIsNotAnObjectIsRejected) {
    try {
        orv::readTile(json::array({1, 2}));
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Tile object is not object");
    }
}
