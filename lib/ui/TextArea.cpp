#include "ui/TextArea.hpp"

#include "ui/ClipScope.hpp"
#include "ui/Painter.hpp"
#include "ui/Utf8.hpp"

#include <algorithm>
#include <cmath>

namespace ui {

TextArea::TextArea() {
    renderer.setBackgroundColor(sf::Color::White);
    renderer.setBorders(1.f);
    setSize(360, 190);
}

TextArea::Ptr TextArea::create() {
    return std::make_shared<TextArea>();
}

void TextArea::setText(const std::string& newText) {
    scrollbar.setOffset(0.f);
    textChanged(editing.setText(fromUtf8(newText)));
}

void TextArea::addText(const std::string& more) {
    textChanged(editing.setText(editing.getCharacters() + fromUtf8(more)));
}

void TextArea::setCaretPosition(std::size_t position) {
    editing.moveCaret(position);
    keepCaretVisible();
}

std::vector<std::string> TextArea::getDisplayedLines() const {
    std::vector<std::string> result;
    for (const WrappedLine& line : layoutLines())
        result.push_back(toUtf8(layout.getLineText(line)));
    return result;
}

float TextArea::wrapWidth() const {
    // Room for the scrollbar is always kept, so wrapping does not jump when it appears.
    return std::max(getSize().x - 2 * (renderer.getBorders() + padding) - Scrollbar::width, 1.f);
}

const std::vector<WrappedLine>& TextArea::layoutLines() const {
    return layout.getLines(getTextMetrics(), getTextSize(), wrapWidth());
}

std::size_t TextArea::lineOfCaret(const std::vector<WrappedLine>& lines) const {
    const std::size_t caret = editing.getCaret();
    // The first line that ends at or after the caret.
    const auto line =
        std::lower_bound(lines.begin(), lines.end(), caret,
                         [](const WrappedLine& l, std::size_t c) { return l.start + l.length < c; });
    return line == lines.end() ? lines.size() - 1 : static_cast<std::size_t>(line - lines.begin());
}

void TextArea::textChanged(bool changed) {
    if (!changed)
        return;
    layout.setText(editing.getCharacters());
    updateScrollbar();
    const std::string copy = editing.getText();
    emitSignal(onTextChange, copy);
}

void TextArea::edited(bool changed) {
    textChanged(changed);
    keepCaretVisible();
}

void TextArea::moveCaretVertically(int direction) {
    const std::vector<WrappedLine>& lines = layoutLines();
    const std::size_t current = lineOfCaret(lines);
    if ((direction < 0 && current == 0) || (direction > 0 && current + 1 >= lines.size()))
        return;
    const TextMetrics metrics = getTextMetrics();
    const WrappedLine& from = lines[current];
    const float x =
        metrics.getCaretOffsets(layout.getLineText(from), getTextSize())[editing.getCaret() - from.start];
    const WrappedLine& to = lines[direction < 0 ? current - 1 : current + 1];
    const std::vector<float> offsets = metrics.getCaretOffsets(layout.getLineText(to), getTextSize());
    std::size_t best = 0;
    for (std::size_t i = 1; i < offsets.size(); ++i) {
        if (std::abs(offsets[i] - x) < std::abs(offsets[best] - x))
            best = i;
    }
    editing.moveCaret(to.start + best);
}

void TextArea::textEntered(char32_t character) {
    if (editing.type(character))
        edited(true);
}

void TextArea::keyPressed(const sf::Event::KeyEvent& key) {
    bool changed = false;
    if (editing.pressKey(key.code, changed)) {
        edited(changed);
        return;
    }
    switch (key.code) {
    case sf::Keyboard::Up:
        moveCaretVertically(-1);
        break;
    case sf::Keyboard::Down:
        moveCaretVertically(1);
        break;
    case sf::Keyboard::Home: {
        const std::vector<WrappedLine>& lines = layoutLines();
        editing.moveCaret(lines[lineOfCaret(lines)].start);
        break;
    }
    case sf::Keyboard::End: {
        const std::vector<WrappedLine>& lines = layoutLines();
        const WrappedLine& line = lines[lineOfCaret(lines)];
        editing.moveCaret(line.start + line.length);
        break;
    }
    case sf::Keyboard::Return:
        changed = editing.insert(U'\n');
        break;
    default:
        return;
    }
    edited(changed);
}

bool TextArea::mouseWheelScrolled(float delta, sf::Vector2f) {
    return scrollbar.scroll(delta, getTextMetrics().getLineSpacing(getTextSize()));
}

void TextArea::focusChanged(bool) {
    editing.restartBlink();
}

void TextArea::timeElapsed(float seconds) {
    editing.advanceBlink(seconds);
}

void TextArea::sizeChanged() {
    updateScrollbar();
}

void TextArea::refreshLayoutDeep() {
    Widget::refreshLayoutDeep();
    updateScrollbar();
}

void TextArea::updateScrollbar() {
    scrollbar.setViewportSize(getSize().y - 2 * (renderer.getBorders() + padding));
    scrollbar.setContentSize(static_cast<float>(layoutLines().size()) *
                             getTextMetrics().getLineSpacing(getTextSize()));
}

void TextArea::keepCaretVisible() {
    const std::vector<WrappedLine>& lines = layoutLines();
    const float lineSpacing = getTextMetrics().getLineSpacing(getTextSize());
    const float top = static_cast<float>(lineOfCaret(lines)) * lineSpacing;
    if (top < scrollbar.getOffset())
        scrollbar.setOffset(top);
    else if (top + lineSpacing > scrollbar.getOffset() + scrollbar.getViewportSize())
        scrollbar.setOffset(top + lineSpacing - scrollbar.getViewportSize());
}

void TextArea::draw(sf::RenderTarget& target, sf::RenderStates states) const {
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
    const std::vector<WrappedLine>& lines = layoutLines();
    const float left = border + padding;
    const float firstTop = border + padding - scrollbar.getOffset();
    // Only the lines in view are drawn.
    const auto first = static_cast<std::size_t>(std::max(0.f, std::floor(-firstTop / lineSpacing)));
    const std::size_t caretLine = lineOfCaret(lines);
    for (std::size_t i = first; i < lines.size(); ++i) {
        const float top = firstTop + lineSpacing * static_cast<float>(i);
        if (top > area.height)
            break;
        const std::u32string_view content = layout.getLineText(lines[i]);
        if (metrics.getFont())
            drawText(
                target, states, *metrics.getFont(), content, {left, top},
                {getTextSize(), isEnabled() ? renderer.getTextColor() : renderer.getTextColorDisabled()});
        if (i == caretLine && isFocused() && editing.isCaretVisible() && !editing.isReadOnly()) {
            const float x =
                left + metrics.getCaretOffsets(content, getTextSize())[editing.getCaret() - lines[i].start];
            fillRect(target, states, {std::round(x), top, 1.f, lineSpacing}, renderer.getCaretColor());
        }
    }
    drawScrollbar(target, states, scrollbar, inner);
}

} // namespace ui
