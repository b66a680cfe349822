#pragma once

#include <SFML/Graphics/Font.hpp>

#include <memory>
#include <string_view>
#include <vector>

namespace ui {

// Measures text for layout. Without a font it uses a fixed model (every character advances half
// the character size, a line is 1.25 sizes high) that needs no display, so layout logic runs
// headless. With a font it asks the font's glyphs, which creates glyph textures and so needs a
// GL context: only roots that have a render target switch to it.
class TextMetrics {
public:
    static constexpr float fixedAdvanceFactor = 0.5f;
    static constexpr float fixedLineSpacingFactor = 1.25f;
    static constexpr int spacesPerTab = 4;

    TextMetrics() = default;
    explicit TextMetrics(std::shared_ptr<const sf::Font> font);

    bool usesFont() const { return font != nullptr; }
    const sf::Font* getFont() const { return font.get(); }

    float getLineSpacing(unsigned characterSize) const;
    float getLineWidth(std::u32string_view line, unsigned characterSize) const;
    // x offset of the caret before each character, plus one past the end (size + 1 entries).
    std::vector<float> getCaretOffsets(std::u32string_view line, unsigned characterSize) const;
    // How far a line grows when c follows previous (0 at the start of a line): kerning and advance.
    float getStep(char32_t previous, char32_t c, unsigned characterSize) const;

    bool operator==(const TextMetrics& other) const { return font == other.font; }

private:
    float getAdvance(char32_t c, unsigned characterSize) const;
    float getKerning(char32_t first, char32_t second, unsigned characterSize) const;

    std::shared_ptr<const sf::Font> font;
};

} // namespace ui
