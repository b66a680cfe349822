#include "ui/TextArea.hpp"

#include "ui/ClipScope.hpp"
#include "ui/EditBox.hpp"
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
    std::u32string decoded = fromUtf8(newText);
    const std::size_t end = decoded.size();
    scrollbar.setOffset(0.f);
    changeText(std::move(decoded), end);
}

void TextArea::addText(const std::string& more) {
    std::u32string joined = characters + fromUtf8(more);
    const std::size_t end = joined.size();
    changeText(std::move(joined), end);
}

void TextArea::setReadOnly(bool value) {
    readOnly = value;
}

void TextArea::setCaretPosition(std::size_t position) {
    moveCaret(std::min(position, characters.size()));
    keepCaretVisible();
}

std::vector<std::string> TextArea::getDisplayedLines() const {
    std::vector<std::string> result;
    const std::u32string_view all(characters);
    for (const WrappedLine& line : layoutLines())
        result.push_back(toUtf8(all.substr(line.start, line.length)));
    return result;
}

float TextArea::wrapWidth() const {
    // Room for the scrollbar is always kept, so wrapping does not jump when it appears.
    return std::max(getSize().x - 2 * (renderer.getBorders() + padding) - Scrollbar::width, 1.f);
}

std::vector<WrappedLine> TextArea::layoutLines() const {
    return wrapText(characters, wrapWidth(), getTextSize(), getTextMetrics());
}

std::size_t TextArea::lineOfCaret(const std::vector<WrappedLine>& lines) const {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (caret <= lines[i].start + lines[i].length)
            return i;
    }
    return lines.size() - 1;
}

void TextArea::changeText(std::u32string newCharacters, std::size_t newCaret) {
    const bool changed = newCharacters != characters;
    characters = std::move(newCharacters);
    text = toUtf8(characters);
    moveCaret(newCaret);
    updateScrollbar();
    if (changed) {
        const std::string copy = text;
        emitSignal(onTextChange, copy);
    }
}

void TextArea::moveCaret(std::size_t position) {
    caret = position;
    caretVisible = true;
    blinkTime = 0.f;
}

void TextArea::moveCaretVertically(int direction) {
    const std::vector<WrappedLine> lines = layoutLines();
    const std::size_t current = lineOfCaret(lines);
    if ((direction < 0 && current == 0) || (direction > 0 && current + 1 >= lines.size()))
        return;
    const TextMetrics metrics = getTextMetrics();
    const std::u32string_view all(characters);
    const WrappedLine& from = lines[current];
    const float x =
        metrics.getCaretOffsets(all.substr(from.start, from.length), getTextSize())[caret - from.start];
    const WrappedLine& to = lines[direction < 0 ? current - 1 : current + 1];
    const std::vector<float> offsets =
        metrics.getCaretOffsets(all.substr(to.start, to.length), getTextSize());
    std::size_t best = 0;
    for (std::size_t i = 1; i < offsets.size(); ++i) {
        if (std::abs(offsets[i] - x) < std::abs(offsets[best] - x))
            best = i;
    }
    moveCaret(to.start + best);
}

void TextArea::textEntered(char32_t character) {
    if (readOnly || character < 0x20 || character == 0x7F || (character >= 0x80 && character < 0xA0))
        return;
    std::u32string edited = characters;
    edited.insert(caret, 1, character);
    changeText(std::move(edited), caret + 1);
    keepCaretVisible();
}

void TextArea::keyPressed(const sf::Event::KeyEvent& key) {
    switch (key.code) {
    case sf::Keyboard::Left:
        if (caret > 0)
            moveCaret(caret - 1);
        break;
    case sf::Keyboard::Right:
        if (caret < characters.size())
            moveCaret(caret + 1);
        break;
    case sf::Keyboard::Up:
        moveCaretVertically(-1);
        break;
    case sf::Keyboard::Down:
        moveCaretVertically(1);
        break;
    case sf::Keyboard::Home: {
        const std::vector<WrappedLine> lines = layoutLines();
        moveCaret(lines[lineOfCaret(lines)].start);
        break;
    }
    case sf::Keyboard::End: {
        const std::vector<WrappedLine> lines = layoutLines();
        const WrappedLine& line = lines[lineOfCaret(lines)];
        moveCaret(line.start + line.length);
        break;
    }
    case sf::Keyboard::BackSpace:
        if (!readOnly && caret > 0) {
            std::u32string edited = characters;
            edited.erase(caret - 1, 1);
            changeText(std::move(edited), caret - 1);
        }
        break;
    case sf::Keyboard::Delete:
        if (!readOnly && caret < characters.size()) {
            std::u32string edited = characters;
            edited.erase(caret, 1);
            changeText(std::move(edited), caret);
        }
        break;
    case sf::Keyboard::Return:
        if (!readOnly) {
            std::u32string edited = characters;
            edited.insert(caret, 1, U'\n');
            changeText(std::move(edited), caret + 1);
        }
        break;
    default:
        return;
    }
    keepCaretVisible();
}

bool TextArea::mouseWheelScrolled(float delta, sf::Vector2f) {
    if (!scrollbar.isNeeded())
        return false;
    scrollbar.scroll(delta, getTextMetrics().getLineSpacing(getTextSize()));
    return true;
}

void TextArea::focusChanged(bool) {
    caretVisible = true;
    blinkTime = 0.f;
}

void TextArea::timeElapsed(float seconds) {
    blinkTime += seconds;
    while (blinkTime >= EditBox::blinkInterval) {
        blinkTime -= EditBox::blinkInterval;
        caretVisible = !caretVisible;
    }
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
    const std::vector<WrappedLine> lines = layoutLines();
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
    const sf::FloatRect inner(border, border, std::max(area.width - 2 * border, 0.f),
                              std::max(area.height - 2 * border, 0.f));
    const ClipScope clip(target, states, inner);
    if (clip.isEmpty())
        return;
    const TextMetrics metrics = getTextMetrics();
    const float lineSpacing = metrics.getLineSpacing(getTextSize());
    const std::vector<WrappedLine> lines = layoutLines();
    const std::u32string_view all(characters);
    const float left = border + padding;
    const float firstTop = border + padding - scrollbar.getOffset();
    const std::size_t caretLine = lineOfCaret(lines);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const float top = firstTop + lineSpacing * static_cast<float>(i);
        if (top + lineSpacing < 0.f || top > area.height)
            continue;
        const std::u32string_view content = all.substr(lines[i].start, lines[i].length);
        if (metrics.getFont())
            drawText(
                target, states, *metrics.getFont(), content, {left, top},
                {getTextSize(), isEnabled() ? renderer.getTextColor() : renderer.getTextColorDisabled()});
        if (i == caretLine && isFocused() && caretVisible && !readOnly) {
            const float x = left + metrics.getCaretOffsets(content, getTextSize())[caret - lines[i].start];
            fillRect(target, states, {std::round(x), top, 1.f, lineSpacing}, renderer.getCaretColor());
        }
    }
    if (scrollbar.isNeeded()) {
        const sf::FloatRect track(inner.left + inner.width - Scrollbar::width, inner.top, Scrollbar::width,
                                  inner.height);
        fillRect(target, states, track, sf::Color(220, 220, 220));
        fillRect(target, states, scrollbar.getThumb(track), sf::Color(160, 160, 160));
    }
}

} // namespace ui
