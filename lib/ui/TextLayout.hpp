#pragma once

#include "ui/TextMetrics.hpp"
#include "ui/TextWrap.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// A text and the lines it shows as. The lines are laid out on demand and kept until the text, the
// metrics, the character size or the width change, so drawing a text every frame measures it
// only once.
class TextLayout {
public:
    TextLayout() = default;
    explicit TextLayout(std::u32string text);

    void setText(std::u32string text);
    const std::u32string& getText() const { return text; }
    std::u32string_view getLineText(const WrappedLine& line) const;

    // The lines for these metrics and size, wrapped at maxWidth (0: only at newlines).
    const std::vector<WrappedLine>& getLines(const TextMetrics& metrics, unsigned characterSize,
                                             float maxWidth) const;
    // The widest of those lines.
    float getWidth(const TextMetrics& metrics, unsigned characterSize, float maxWidth) const;
    // How often the text was laid out so far.
    std::size_t getLayoutCount() const { return layoutCount; }

private:
    struct Key {
        TextMetrics metrics;
        unsigned characterSize = 0;
        float maxWidth = 0.f;
        bool operator==(const Key& other) const = default;
    };

    std::u32string text;
    mutable std::optional<Key> laidOutFor;
    mutable std::vector<WrappedLine> lines;
    mutable std::size_t layoutCount = 0;
};

} // namespace ui
