#include "ui/TextMetrics.hpp"

namespace ui {

TextMetrics::TextMetrics(std::shared_ptr<const sf::Font> font) : font(std::move(font)) {}

float TextMetrics::getLineSpacing(unsigned characterSize) const {
    if (font)
        return font->getLineSpacing(characterSize);
    return static_cast<float>(characterSize) * fixedLineSpacingFactor;
}

float TextMetrics::getAdvance(char32_t c, unsigned characterSize) const {
    if (c == U'\t')
        return spacesPerTab * getAdvance(U' ', characterSize);
    if (font)
        return font->getGlyph(c, characterSize, false).advance;
    return static_cast<float>(characterSize) * fixedAdvanceFactor;
}

float TextMetrics::getKerning(char32_t first, char32_t second, unsigned characterSize) const {
    if (!font)
        return 0.f;
    return font->getKerning(first, second, characterSize);
}

std::vector<float> TextMetrics::getCaretOffsets(std::u32string_view line, unsigned characterSize) const {
    std::vector<float> offsets;
    offsets.reserve(line.size() + 1);
    float x = 0.f;
    char32_t previous = 0;
    for (char32_t c : line) {
        // Kerning belongs before the character, as sf::Text places it.
        x += getKerning(previous, c, characterSize);
        offsets.push_back(x);
        x += getAdvance(c, characterSize);
        previous = c;
    }
    offsets.push_back(x);
    return offsets;
}

float TextMetrics::getStep(char32_t previous, char32_t c, unsigned characterSize) const {
    return getKerning(previous, c, characterSize) + getAdvance(c, characterSize);
}

float TextMetrics::getLineWidth(std::u32string_view line, unsigned characterSize) const {
    return getCaretOffsets(line, characterSize).back();
}

} // namespace ui
