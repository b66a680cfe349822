#include "bt/Convert.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>
#include <vector>

using bt::convertFromString;

namespace {
struct Opaque {};
} // namespace

TEST(Convert, IntegersAreStrict) {
    EXPECT_EQ(convertFromString<int>("42"), 42);
    EXPECT_EQ(convertFromString<int>("-7"), -7);
    EXPECT_EQ(convertFromString<int>("+7"), 7);
    EXPECT_EQ(convertFromString<int>("  12\t"), 12);
    EXPECT_EQ(convertFromString<long long>("-9000000000"), -9000000000LL);
    EXPECT_THROW(convertFromString<int>("12abc"), bt::RuntimeError);
    EXPECT_THROW(convertFromString<int>("1.5"), bt::RuntimeError);
    EXPECT_THROW(convertFromString<int>(""), bt::RuntimeError);
    EXPECT_THROW(convertFromString<int>("+-3"), bt::RuntimeError);
    EXPECT_THROW(convertFromString<int>("99999999999"), bt::RuntimeError);
    EXPECT_THROW(convertFromString<unsigned>("-1"), bt::RuntimeError);
    EXPECT_EQ(convertFromString<unsigned long>("4000000000"), 4000000000UL);
}

TEST(Convert, FloatingPointIsStrictAndIgnoresTheLocale) {
    // A decimal comma locale must not change how "1.5" reads (when the locale is installed).
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_FLOAT_EQ(convertFromString<float>("1.5"), 1.5f);
    std::setlocale(LC_ALL, previous.c_str());

    EXPECT_DOUBLE_EQ(convertFromString<double>("-2.25e2"), -225.0);
    EXPECT_DOUBLE_EQ(convertFromString<double>(".5"), 0.5);
    EXPECT_FLOAT_EQ(convertFromString<float>(" 3 "), 3.0f);
    EXPECT_THROW(convertFromString<float>("1.5abc"), bt::RuntimeError);
    EXPECT_THROW(convertFromString<float>("1,5"), bt::RuntimeError);
    EXPECT_THROW(convertFromString<double>("abc"), bt::RuntimeError);
    EXPECT_THROW(convertFromString<float>("1e999"), bt::RuntimeError);
    EXPECT_THROW(convertFromString<double>(""), bt::RuntimeError);
}

TEST(Convert, ErrorNamesTheTextAndType) {
    try {
        convertFromString<float>("1.5abc");
        FAIL() << "no exception";
    } catch (const bt::RuntimeError& error) {
        EXPECT_STREQ(error.what(), "cannot convert \"1.5abc\" to float");
    }
}

TEST(Convert, BoolAndStatusAndString) {
    EXPECT_TRUE(convertFromString<bool>("true"));
    EXPECT_TRUE(convertFromString<bool>("TRUE"));
    EXPECT_TRUE(convertFromString<bool>("1"));
    EXPECT_FALSE(convertFromString<bool>("False"));
    EXPECT_FALSE(convertFromString<bool>("0"));
    EXPECT_THROW(convertFromString<bool>("yes"), bt::RuntimeError);
    EXPECT_THROW(convertFromString<bool>("2"), bt::RuntimeError);

    EXPECT_EQ(convertFromString<bt::NodeStatus>("RUNNING"), bt::NodeStatus::RUNNING);
    EXPECT_EQ(convertFromString<bt::NodeStatus>("FAILURE"), bt::NodeStatus::FAILURE);
    EXPECT_THROW(convertFromString<bt::NodeStatus>("running"), bt::RuntimeError);

    // Strings keep their blanks: they are data, not numbers.
    EXPECT_EQ(convertFromString<std::string>(" a b "), " a b ");
}

// Reading a type without a conversion is a compile error, never a fallback chosen behind the
// reader's back; pointers alone have none and say so.
template <class T>
concept Readable = requires(std::string_view text) {
    fromText(text, bt::As<T>{});
};
static_assert(Readable<float> && Readable<std::string> && !Readable<Opaque>);

TEST(Convert, PointersHaveNoTextForm) {
    EXPECT_THROW(convertFromString<const Opaque*>("0"), bt::LogicError);
}

TEST(Convert, NumbersMustBeFinite) {
    for (const char* text : {"nan", "-nan", "inf", "-inf", "infinity"}) {
        EXPECT_THROW(convertFromString<float>(text), bt::RuntimeError) << text;
        EXPECT_THROW(convertFromString<double>(text), bt::RuntimeError) << text;
    }
    EXPECT_THROW(convertFromString<float>("1e39"), bt::RuntimeError);
    EXPECT_DOUBLE_EQ(convertFromString<double>("1e39"), 1e39);
}

TEST(Convert, SplitKeepsEveryPart) {
    using Parts = std::vector<std::string_view>;
    EXPECT_EQ(bt::splitString("3.5;-2", ';'), (Parts{"3.5", "-2"}));
    EXPECT_EQ(bt::splitString("a;;b", ';'), (Parts{"a", "", "b"}));
    EXPECT_EQ(bt::splitString("a;", ';'), (Parts{"a", ""}));
    EXPECT_EQ(bt::splitString("", ';'), (Parts{""}));
    EXPECT_EQ(bt::splitString("1;2;3", ';').size(), 3u);
    EXPECT_EQ(bt::splitString("abc", ';'), (Parts{"abc"}));
}
