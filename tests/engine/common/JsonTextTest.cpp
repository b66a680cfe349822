#include "engine/common/JsonText.hpp"
#include "engine/common/JsonWhere.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using nlohmann::json;

std::string nested(std::size_t depth, const std::string& inner = "1") {
    std::string text;
    for (std::size_t i = 0; i < depth; ++i)
        text += i % 2 ? "[" : "{\"k\":";
    text += inner;
    for (std::size_t i = depth; i-- > 0;)
        text += i % 2 ? "]" : "}";
    return text;
}

TEST(JsonText, DocumentsDeeperThanTheLimitAreRefusedBeforeParsing) {
    EXPECT_NO_THROW(orv::parseJsonText(nested(orv::MaxJsonDepth)));
    EXPECT_THROW(orv::parseJsonText(nested(orv::MaxJsonDepth + 1)), orv::JsonError);
    EXPECT_THROW(orv::parseJsonText(nested(100000)), orv::JsonError);
    EXPECT_THROW(orv::parseFirstJsonValue(nested(100000)), orv::JsonError);
    // Brackets inside strings, escaped quotes included, are text.
    const std::string brackets = "[\"" + std::string(1000, '[') + "\\\"" + std::string(1000, '{') + "\"]";
    EXPECT_EQ(orv::parseJsonText(brackets)[0].get<std::string>().size(), 2001u);
}

TEST(JsonText, TheFirstValueIsReadAloneWhileTheWholeTextMustBeOne) {
    EXPECT_EQ(orv::parseFirstJsonValue(R"({"a": 1} trailing [[[)"), json::parse(R"({"a": 1})"));
    EXPECT_EQ(orv::parseFirstJsonValue("42 more"), json(42));
    EXPECT_THROW(orv::parseJsonText(R"({"a": 1} trailing)"), json::parse_error);
    EXPECT_THROW(orv::parseJsonText(R"({"a": 1} // note)"), json::parse_error);
}

TEST(JsonText, ErrorsCollectTheirPathAndFileOnTheWayOut) {
    try {
        orv::readFromFile("data/items/food.json", [] {
            orv::readUnderIndex(
                2, [] { orv::readUnderKey("iconTexture", [] { return json(5).get<std::string>(); }); });
        });
        ADD_FAILURE() << "no error";
    } catch (const orv::JsonError& error) {
        EXPECT_STREQ(
            error.what(),
            "data/items/food.json: [2].iconTexture: [json.exception.type_error.302] type must be string, "
            "but is number");
    }
}

} // namespace
