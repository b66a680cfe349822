#include "ui/TextLayout.hpp"

#include <algorithm>
#include <utility>

namespace ui {

TextLayout::TextLayout(std::u32string text) : text(std::move(text)) {}

void TextLayout::setText(std::u32string newText) {
    if (newText == text)
        return;
    text = std::move(newText);
    laidOutFor.reset();
}

std::u32string_view TextLayout::getLineText(const WrappedLine& line) const {
    return std::u32string_view(text).substr(line.start, line.length);
}

const std::vector<WrappedLine>& TextLayout::getLines(const TextMetrics& metrics, unsigned characterSize,
                                                     float maxWidth) const {
    const Key key{metrics, characterSize, std::max(maxWidth, 0.f)};
    if (laidOutFor != key) {
        lines = wrapText(text, key.maxWidth, characterSize, metrics);
        laidOutFor = key;
        ++layoutCount;
    }
    return lines;
}

float TextLayout::getWidth(const TextMetrics& metrics, unsigned characterSize, float maxWidth) const {
    float width = 0.f;
    for (const WrappedLine& line : getLines(metrics, characterSize, maxWidth))
        width = std::max(width, line.width);
    return width;
}

} // namespace ui
