#include "ui/TextLayout.hpp"
#include "ui/TextMetrics.hpp"
#include "ui/TextWrap.hpp"
#include "ui/Utf8.hpp"

#include <gtest/gtest.h>

#include <chrono>
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
    // Each line knows its width, without the space the break took.
    EXPECT_FLOAT_EQ(lines[0].width, 25.f);
    EXPECT_FLOAT_EQ(lines[2].width, 15.f);
}

TEST(UiTextWrap, LongTextWrapsInLinearTime) {
    // One console line of 300,000 characters, words and one long unbroken run: measuring the rest
    // of the text for every line took minutes; a linear walk takes milliseconds.
    std::u32string text;
    for (int i = 0; i < 20000; ++i)
        text += U"lorem ipsum ";
    text += std::u32string(60000, U'x');
    const auto start = std::chrono::steady_clock::now();
    const std::vector<ui::WrappedLine> lines = ui::wrapText(text, 300.f, 10, ui::TextMetrics());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(2));
    // 60 characters a line: five words, then the unbroken run cut every 60 characters.
    EXPECT_EQ(lines.size(), 4000u + 1000u);
    EXPECT_EQ(lines.front().length, 59u);
    EXPECT_EQ(lines.back().length, 60u);
}

TEST(UiTextLayout, LaysOutAgainOnlyWhenTextSizeOrWidthChange) {
    const ui::TextMetrics metrics;
    ui::TextLayout layout(U"aaa bbb ccc");
    EXPECT_EQ(layout.getLayoutCount(), 0u);
    EXPECT_EQ(layout.getLines(metrics, 10, 30.f).size(), 3u);
    EXPECT_EQ(layout.getLines(metrics, 10, 30.f).size(), 3u);
    EXPECT_FLOAT_EQ(layout.getWidth(metrics, 10, 30.f), 15.f);
    EXPECT_EQ(layout.getLayoutCount(), 1u);
    EXPECT_EQ(layout.getLines(metrics, 10, 0.f).size(), 1u);
    EXPECT_FLOAT_EQ(layout.getWidth(metrics, 20, 0.f), 110.f);
    EXPECT_EQ(layout.getLayoutCount(), 3u);
    layout.setText(U"aaa bbb ccc");
    layout.getLines(metrics, 20, 0.f);
    EXPECT_EQ(layout.getLayoutCount(), 3u);
    layout.setText(U"a\nbb");
    EXPECT_EQ(layout.getLines(metrics, 20, 0.f).size(), 2u);
    EXPECT_EQ(layout.getLineText(layout.getLines(metrics, 20, 0.f)[1]), U"bb");
    EXPECT_EQ(layout.getLayoutCount(), 4u);
}

} // namespace
