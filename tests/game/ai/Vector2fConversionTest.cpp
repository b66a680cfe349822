#include "game/ai/Vector2fConversion.hpp"

#include "bt/Exceptions.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

sf::Vector2f convert(const std::string& text) {
    return bt::convertFromString<sf::Vector2f>(text);
}

TEST(Vector2fConversion, ReadsTwoNumbersSeparatedByASemicolon) {
    EXPECT_EQ(convert("3.5;-2"), sf::Vector2f(3.5f, -2.f));
    EXPECT_EQ(convert(" 1 ; 0.25 "), sf::Vector2f(1.f, 0.25f));
    for (const std::string text : {"3.5", "1;2;3", "", "1,2"}) {
        try {
            convert(text);
            FAIL() << "no exception for \"" << text << "\"";
        } catch (const bt::RuntimeError& e) {
            EXPECT_STREQ(e.what(), "invalid input") << text;
        }
    }
    EXPECT_THROW(convert("1;"), bt::RuntimeError);
    EXPECT_THROW(convert("x;2m"), bt::RuntimeError);
}

} // namespace
