#include "ui/Label.hpp"

#include "ui/ClipScope.hpp"
#include "ui/Painter.hpp"
#include "ui/Utf8.hpp"

#include <algorithm>

namespace ui {

Label::Label() {
    updateLayout();
}

Label::Ptr Label::create(const std::string& text) {
    auto label = std::make_shared<Label>();
    label->setText(text);
    return label;
}

void Label::setText(const std::string& newText) {
    if (newText == text)
        return;
    text = newText;
    layout.setText(fromUtf8(text));
    updateLayout();
    requisitionChanged();
}

void Label::setAutoSize(bool autoSize) {
    if (autoSize)
        useAutoSize();
    else
        setSize(getSize());
}

std::optional<sf::Vector2f> Label::getNaturalSize() const {
    const TextMetrics metrics = getTextMetrics();
    const std::size_t lineCount = layout.getLines(metrics, getTextSize(), 0.f).size();
    const float height =
        text.empty() ? 0.f : static_cast<float>(lineCount) * metrics.getLineSpacing(getTextSize());
    return sf::Vector2f(layout.getWidth(metrics, getTextSize(), 0.f), height);
}

void Label::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    const sf::FloatRect area({0.f, 0.f}, getSize());
    fillRect(target, states, area, renderer.getBackgroundColor());
    drawBorders(target, states, area, renderer.getBorders(), renderer.getBorderColor());
    const TextMetrics metrics = getTextMetrics();
    if (!metrics.getFont() || text.empty())
        return;
    std::optional<ClipScope> clip;
    if (hasExplicitSize()) {
        clip.emplace(target, states, area);
        if (clip->isEmpty())
            return;
    }
    const float wrapWidth = hasExplicitSize() ? getSize().x : 0.f;
    const std::vector<WrappedLine>& lines = layout.getLines(metrics, getTextSize(), wrapWidth);
    const float lineSpacing = metrics.getLineSpacing(getTextSize());
    const float textHeight = lineSpacing * static_cast<float>(lines.size());
    float y = 0.f;
    if (verticalAlignment == VerticalAlignment::Center)
        y = (getSize().y - textHeight) / 2.f;
    else if (verticalAlignment == VerticalAlignment::Bottom)
        y = getSize().y - textHeight;
    const TextStyle style{getTextSize(),
                          isEnabled() ? renderer.getTextColor() : renderer.getTextColorDisabled(),
                          renderer.getTextOutlineColor(), renderer.getTextOutlineThickness()};
    for (const WrappedLine& line : lines) {
        const std::u32string_view content = layout.getLineText(line);
        float x = 0.f;
        if (horizontalAlignment != HorizontalAlignment::Left) {
            const float free = getSize().x - line.width;
            x = horizontalAlignment == HorizontalAlignment::Center ? free / 2.f : free;
        }
        drawText(target, states, *metrics.getFont(), content, {x, y}, style);
        y += lineSpacing;
    }
}

} // namespace ui
