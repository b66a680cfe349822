#include "ui/TextWrap.hpp"

namespace ui {

namespace {

constexpr std::size_t none = std::u32string_view::npos;

// The widest run of text[start, end) that fits maxWidth, at least one character: its end and its
// width, and the last space in it after its first character (none when there is none).
struct Fit {
    std::size_t end = 0;
    float width = 0.f;
    std::size_t lastSpace = none;
    float widthBeforeSpace = 0.f;
};

Fit fitLine(std::u32string_view text, std::size_t start, std::size_t end, float maxWidth,
            unsigned characterSize, const TextMetrics& metrics) {
    Fit fit;
    fit.end = start;
    char32_t previous = 0;
    while (fit.end < end) {
        const char32_t c = text[fit.end];
        const float width = fit.width + metrics.getStep(previous, c, characterSize);
        if (maxWidth > 0.f && width > maxWidth && fit.end > start)
            break;
        if (c == U' ' && fit.end > start) {
            fit.lastSpace = fit.end;
            fit.widthBeforeSpace = fit.width;
        }
        fit.width = width;
        previous = c;
        ++fit.end;
    }
    return fit;
}

void wrapParagraph(std::u32string_view text, std::size_t begin, std::size_t end, float maxWidth,
                   unsigned characterSize, const TextMetrics& metrics, std::vector<WrappedLine>& lines) {
    std::size_t lineStart = begin;
    while (true) {
        const Fit fit = fitLine(text, lineStart, end, maxWidth, characterSize, metrics);
        if (fit.end >= end) {
            lines.push_back({lineStart, end - lineStart, fit.width});
            return;
        }
        std::size_t resume = fit.end;
        if (text[fit.end] == U' ') {
            // The break falls on a space: it goes, the line keeps all that fitted.
            lines.push_back({lineStart, fit.end - lineStart, fit.width});
            resume = fit.end + 1;
        } else if (fit.lastSpace != none) {
            lines.push_back({lineStart, fit.lastSpace - lineStart, fit.widthBeforeSpace});
            resume = fit.lastSpace + 1;
        } else {
            lines.push_back({lineStart, fit.end - lineStart, fit.width});
        }
        lineStart = resume;
        if (lineStart >= end) {
            // The wrap consumed the paragraph's last space: nothing follows on this paragraph.
            return;
        }
    }
}

} // namespace

std::vector<WrappedLine> wrapText(std::u32string_view text, float maxWidth, unsigned characterSize,
                                  const TextMetrics& metrics) {
    std::vector<WrappedLine> lines;
    std::size_t begin = 0;
    while (true) {
        const std::size_t newline = text.find(U'\n', begin);
        const std::size_t end = newline == none ? text.size() : newline;
        wrapParagraph(text, begin, end, maxWidth, characterSize, metrics, lines);
        if (newline == none)
            break;
        begin = newline + 1;
    }
    return lines;
}

} // namespace ui
