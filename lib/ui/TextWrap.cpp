#include "ui/TextWrap.hpp"

namespace ui {

namespace {

void wrapParagraph(std::u32string_view text, std::size_t begin, std::size_t end, float maxWidth,
                   unsigned characterSize, const TextMetrics& metrics, std::vector<WrappedLine>& lines) {
    std::size_t lineStart = begin;
    while (true) {
        const std::u32string_view rest = text.substr(lineStart, end - lineStart);
        if (maxWidth <= 0.f || metrics.getLineWidth(rest, characterSize) <= maxWidth) {
            lines.push_back({lineStart, rest.size()});
            return;
        }
        const std::vector<float> offsets = metrics.getCaretOffsets(rest, characterSize);
        // The longest prefix that fits; at least one character so the loop always advances.
        std::size_t fit = 1;
        while (fit < rest.size() && offsets[fit + 1] <= maxWidth)
            ++fit;
        if (fit >= rest.size()) {
            lines.push_back({lineStart, rest.size()});
            return;
        }
        std::size_t breakAt = fit;
        std::size_t resume = fit;
        if (rest[fit] == U' ') {
            resume = fit + 1;
        } else {
            const std::size_t space = rest.substr(0, fit).rfind(U' ');
            if (space != std::u32string_view::npos && space > 0) {
                breakAt = space;
                resume = space + 1;
            }
        }
        lines.push_back({lineStart, breakAt});
        lineStart += resume;
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
        const std::size_t end = newline == std::u32string_view::npos ? text.size() : newline;
        wrapParagraph(text, begin, end, maxWidth, characterSize, metrics, lines);
        if (newline == std::u32string_view::npos)
            break;
        begin = newline + 1;
    }
    return lines;
}

} // namespace ui
