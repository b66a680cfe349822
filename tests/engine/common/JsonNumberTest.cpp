#include "engine/common/JsonNumber.hpp"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using nlohmann::json;

template <class T>
std::string refusal(const char* text) {
    try {
        orv::jsonNumber<T>(json::parse(text), "key");
    } catch (const orv::JsonError& error) {
        EXPECT_EQ(error.getPath(), "key");
        return error.getMessage();
    }
    return "(accepted)";
}

TEST(JsonNumber, IntegersTakeOnlyWholeNumbersInsideTheirRange) {
    EXPECT_EQ(orv::jsonNumber<std::uint32_t>(json::parse("4294967295"), "k"), 4294967295u);
    EXPECT_EQ(orv::jsonNumber<std::uint32_t>(json::parse("7.0"), "k"), 7u);
    EXPECT_EQ(orv::jsonNumber<std::int32_t>(json::parse("-2147483648"), "k"), -2147483648);
    EXPECT_EQ(orv::jsonNumber<std::uint64_t>(json::parse("18446744073709551615"), "k"),
              18446744073709551615u);
    EXPECT_EQ(orv::jsonNumber<std::int64_t>(json::parse("2e16"), "k"), 20000000000000000);

    EXPECT_EQ(refusal<std::uint32_t>("1e12"),
              "must be a whole number within [0, 4294967295], but is 1000000000000.0");
    EXPECT_EQ(refusal<std::uint32_t>("-5"), "must be a whole number within [0, 4294967295], but is -5");
    EXPECT_EQ(refusal<std::uint32_t>("-1.5"), "must be a whole number within [0, 4294967295], but is -1.5");
    EXPECT_EQ(refusal<std::uint32_t>("4294967296"),
              "must be a whole number within [0, 4294967295], but is 4294967296");
    EXPECT_NE(refusal<std::uint64_t>("1e30"), "(accepted)");
    // 2^64 is the first double past the range.
    EXPECT_NE(refusal<std::uint64_t>("18446744073709551616.0"), "(accepted)");
    EXPECT_NE(refusal<std::int64_t>("-1e19"), "(accepted)");
    EXPECT_NE(refusal<std::int32_t>("2147483648"), "(accepted)");
    EXPECT_NE(refusal<std::uint8_t>("256"), "(accepted)");
}

TEST(JsonNumber, FloatsTakeOnlyFiniteNumbersInsideTheirRange) {
    EXPECT_EQ(orv::jsonNumber<float>(json::parse("-3.5"), "k"), -3.5f);
    EXPECT_EQ(orv::jsonNumber<float>(json::parse("12"), "k"), 12.f);
    EXPECT_NE(refusal<float>("1e39"), "(accepted)");
    EXPECT_NE(refusal<float>("-1e39"), "(accepted)");
    EXPECT_EQ(orv::jsonNumber<double>(json::parse("1e39"), "k"), 1e39);
}

TEST(JsonNumber, BooleansAndOtherTypesAreNoNumbers) {
    EXPECT_EQ(refusal<int>("true"), "type must be number, but is boolean");
    EXPECT_EQ(refusal<float>("\"7\""), "type must be number, but is string");
    EXPECT_EQ(refusal<std::uint32_t>("null"), "type must be number, but is null");
    try {
        orv::jsonNumber<int>(json(false), "xpValue");
        ADD_FAILURE() << "accepted";
    } catch (const orv::JsonError& error) {
        EXPECT_STREQ(error.what(), "xpValue: type must be number, but is boolean");
    }
}

} // namespace
