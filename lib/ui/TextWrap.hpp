#pragma once

#include "ui/TextMetrics.hpp"

#include <cstddef>
#include <string_view>
#include <vector>

namespace ui {

// One displayed line of a wrapped text: a range of the source text and its width. The line break
// itself (a newline, or the space a wrap replaced) belongs to no line.
struct WrappedLine {
    std::size_t start = 0;
    std::size_t length = 0;
    float width = 0.f;
};

// Splits text at newlines and, when maxWidth > 0, wraps it greedily at spaces; a word wider than
// the line is broken between characters. There is always at least one line. Every character is
// measured at most twice, so the time is linear in the text's length.
std::vector<WrappedLine> wrapText(std::u32string_view text, float maxWidth, unsigned characterSize,
                                  const TextMetrics& metrics);

} // namespace ui
