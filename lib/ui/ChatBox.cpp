#include "ui/ChatBox.hpp"

#include "ui/ClipScope.hpp"
#include "ui/Painter.hpp"
#include "ui/Utf8.hpp"

#include <algorithm>
#include <cmath>

namespace ui {

ChatBox::ChatBox() {
    renderer.setBackgroundColor(sf::Color::White);
    renderer.setBorders(1.f);
    setSize(200, 126);
}

ChatBox::Ptr ChatBox::create() {
    return std::make_shared<ChatBox>();
}

void ChatBox::addLine(const std::string& text) {
    lines.push_back({text, TextLayout(fromUtf8(text)), std::nullopt});
    applyLineLimit();
    updateScrollbar();
    scrollbar.scrollToEnd();
}

void ChatBox::addLine(const std::string& text, sf::Color color) {
    lines.push_back({text, TextLayout(fromUtf8(text)), color});
    applyLineLimit();
    updateScrollbar();
    scrollbar.scrollToEnd();
}

std::string ChatBox::getLine(std::size_t index) const {
    return index < lines.size() ? lines[index].text : std::string();
}

const TextLayout* ChatBox::getLineLayout(std::size_t index) const {
    return index < lines.size() ? &lines[index].layout : nullptr;
}

bool ChatBox::removeLine(std::size_t index) {
    if (index >= lines.size())
        return false;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    updateScrollbar();
    return true;
}

void ChatBox::removeAllLines() {
    lines.clear();
    updateScrollbar();
}

void ChatBox::setLineLimit(std::size_t limit) {
    lineLimit = limit;
    applyLineLimit();
    updateScrollbar();
}

void ChatBox::applyLineLimit() {
    if (lineLimit > 0 && lines.size() > lineLimit)
        lines.erase(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(lineLimit));
}

float ChatBox::wrapWidth() const {
    return std::max(getSize().x - 2 * (renderer.getBorders() + padding) - Scrollbar::width, 1.f);
}

const std::vector<WrappedLine>& ChatBox::layoutOf(const Line& line, const TextMetrics& metrics) const {
    return line.layout.getLines(metrics, getTextSize(), wrapWidth());
}

float ChatBox::contentHeight() const {
    const TextMetrics metrics = getTextMetrics();
    std::size_t count = 0;
    for (const Line& line : lines)
        count += layoutOf(line, metrics).size();
    return static_cast<float>(count) * metrics.getLineSpacing(getTextSize());
}

void ChatBox::updateScrollbar() {
    const bool atEnd = scrollbar.isAtEnd();
    scrollbar.setViewportSize(getSize().y - 2 * (renderer.getBorders() + padding));
    scrollbar.setContentSize(contentHeight());
    if (atEnd)
        scrollbar.scrollToEnd();
}

bool ChatBox::mouseWheelScrolled(float delta, sf::Vector2f) {
    return scrollbar.scroll(delta, getTextMetrics().getLineSpacing(getTextSize()));
}

void ChatBox::sizeChanged() {
    updateScrollbar();
}

void ChatBox::refreshLayoutDeep() {
    Widget::refreshLayoutDeep();
    updateScrollbar();
}

void ChatBox::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    const sf::FloatRect area({0.f, 0.f}, getSize());
    const float border = renderer.getBorders();
    fillRect(target, states, area, renderer.getBackgroundColor());
    drawBorders(target, states, area, border, renderer.getBorderColor());
    const sf::FloatRect inner = insideBorders(area, border);
    const ClipScope clip(target, states, inner);
    if (clip.isEmpty())
        return;
    const TextMetrics metrics = getTextMetrics();
    const float lineSpacing = metrics.getLineSpacing(getTextSize());
    float top = border + padding - scrollbar.getOffset();
    for (const Line& line : lines) {
        if (top > area.height)
            break;
        const std::vector<WrappedLine>& parts = layoutOf(line, metrics);
        const float height = lineSpacing * static_cast<float>(parts.size());
        if (!metrics.getFont() || top + height < 0.f) {
            top += height;
            continue;
        }
        // Only the wrapped lines in view are drawn.
        const auto first = static_cast<std::size_t>(std::max(0.f, std::floor(-top / lineSpacing)));
        for (std::size_t i = first; i < parts.size(); ++i) {
            const float partTop = top + lineSpacing * static_cast<float>(i);
            if (partTop > area.height)
                break;
            drawText(target, states, *metrics.getFont(), line.layout.getLineText(parts[i]),
                     {border + padding, partTop},
                     {getTextSize(), line.color.value_or(renderer.getTextColor())});
        }
        top += height;
    }
    drawScrollbar(target, states, scrollbar, inner);
}

} // namespace ui
