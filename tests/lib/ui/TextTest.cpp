#include "ui/TextMetrics.hpp"
#include "ui/TextWrap.hpp"
#include "ui/Utf8.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::u32string> wrapped(const std::u32string& text, float width, unsigned size = 10) {
    std::vector<std::u32string> lines;
    for (const ui::WrappedLine& line : ui::wrapText(text, width, size, ui::TextMetrics()))
        lines.push_back(text.substr(line.start, line.length));
    return lines;
}

TEST(UiUtf8, RoundTripsEveryEncodingLength) {
    const std::u32string text = U"a\u00e9\u20ac\U0001F600z";
    const std::string encoded = ui::toUtf8(text);
    EXPECT_EQ(encoded, "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z");
    EXPECT_EQ(ui::fromUtf8(encoded), text);
}

TEST(UiUtf8, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(ui::fromUtf8("a\xFFz"), U"a\uFFFDz");     // invalid lead byte
    EXPECT_EQ(ui::fromUtf8("a\xC3"), U"a\uFFFD");       // truncated at the end
    EXPECT_EQ(ui::fromUtf8("\xE2\x82z"), U"\uFFFDz");   // truncated before an ASCII byte
    EXPECT_EQ(ui::fromUtf8("\xC0\xAF"), U"\uFFFD");     // overlong '/'
    EXPECT_EQ(ui::fromUtf8("\xED\xA0\x80"), U"\uFFFD"); // surrogate
    EXPECT_EQ(ui::toUtf8(std::u32string(1, char32_t(0x110000))), "\xEF\xBF\xBD");
}

TEST(UiTextMetrics, FixedModelIsDisplayFree) {
    const ui::TextMetrics metrics;
    EXPECT_FALSE(metrics.usesFont());
    EXPECT_FLOAT_EQ(metrics.getLineSpacing(16), 20.f);
    EXPECT_FLOAT_EQ(metrics.getLineWidth(U"abc", 16), 24.f);
    // A tab is four spaces wide, as SFML draws it.
    EXPECT_FLOAT_EQ(metrics.getLineWidth(U"\tx", 10), 25.f);
    EXPECT_EQ(metrics.getCaretOffsets(U"ab", 10), (std::vector<float>{0.f, 5.f, 10.f}));
    EXPECT_EQ(metrics.getCaretOffsets(U"", 10), (std::vector<float>{0.f}));
}

TEST(UiTextWrap, SplitsAtNewlinesAndWrapsAtSpaces) {
    EXPECT_EQ(wrapped(U"", 100.f), (std::vector<std::u32string>{U""}));
    EXPECT_EQ(wrapped(U"one\n\ntwo\n", 0.f), (std::vector<std::u32string>{U"one", U"", U"two", U""}));
    // 5 pixels a character: 30 pixels hold six.
    EXPECT_EQ(wrapped(U"aaa bbb ccc", 30.f), (std::vector<std::u32string>{U"aaa", U"bbb", U"ccc"}));
    EXPECT_EQ(wrapped(U"aa bb cc dd", 40.f), (std::vector<std::u32string>{U"aa bb cc", U"dd"}));
    // The space where the break falls is dropped from both lines.
    EXPECT_EQ(wrapped(U"abcdef ghi", 30.f), (std::vector<std::u32string>{U"abcdef", U"ghi"}));
    // A word longer than the line is cut between characters.
    EXPECT_EQ(wrapped(U"abcdefghijklmn", 30.f), (std::vector<std::u32string>{U"abcdef", U"ghijkl", U"mn"}));
    // Even a line too narrow for one character shows one per line and ends.
    EXPECT_EQ(wrapped(U"ab", 1.f), (std::vector<std::u32string>{U"a", U"b"}));
}

TEST(UiTextWrap, LineRangesPointIntoTheSource) {
    const std::u32string text = U"hello world\nbye";
    const std::vector<ui::WrappedLine> lines = ui::wrapText(text, 40.f, 10, ui::TextMetrics());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].start, 0u);
    EXPECT_EQ(lines[0].length, 5u);
    EXPECT_EQ(lines[1].start, 6u);
    EXPECT_EQ(lines[1].length, 5u);
    EXPECT_EQ(lines[2].start, 12u);
    EXPECT_EQ(lines[2].length, 3u);
}

} // namespace
