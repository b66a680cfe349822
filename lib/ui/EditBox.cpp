#include "ui/EditBox.hpp"

#include "ui/ClipScope.hpp"
#include "ui/Painter.hpp"
#include "ui/Utf8.hpp"

#include <algorithm>
#include <cmath>

namespace ui {

EditBox::EditBox() {
    renderer.setBackgroundColor(sf::Color::White);
    renderer.setBackgroundColorHover(sf::Color::White);
    renderer.setBorders(1.f);
    renderer.setBorderColor(sf::Color(60, 60, 60));
    setSize(160, 24);
}

EditBox::Ptr EditBox::create() {
    return std::make_shared<EditBox>();
}

void EditBox::setText(const std::string& newText) {
    std::u32string decoded = fromUtf8(newText);
    const std::size_t end = decoded.size();
    changeText(std::move(decoded), end);
}

void EditBox::setReadOnly(bool value) {
    readOnly = value;
}

void EditBox::setCaretPosition(std::size_t position) {
    moveCaret(std::min(position, characters.size()));
}

void EditBox::changeText(std::u32string newCharacters, std::size_t newCaret) {
    const bool changed = newCharacters != characters;
    characters = std::move(newCharacters);
    text = toUtf8(characters);
    moveCaret(newCaret);
    if (changed) {
        const std::string copy = text;
        emitSignal(onTextChange, copy);
    }
}

void EditBox::moveCaret(std::size_t position) {
    caret = position;
    caretVisible = true;
    blinkTime = 0.f;
    keepCaretVisible();
}

void EditBox::textEntered(char32_t character) {
    // Control characters arrive as text too (Backspace, Return, Tab, Delete ...); keys handle them.
    if (readOnly || character < 0x20 || character == 0x7F || (character >= 0x80 && character < 0xA0))
        return;
    std::u32string edited = characters;
    edited.insert(caret, 1, character);
    changeText(std::move(edited), caret + 1);
}

void EditBox::keyPressed(const sf::Event::KeyEvent& key) {
    switch (key.code) {
    case sf::Keyboard::Left:
        if (caret > 0)
            moveCaret(caret - 1);
        break;
    case sf::Keyboard::Right:
        if (caret < characters.size())
            moveCaret(caret + 1);
        break;
    case sf::Keyboard::Home:
        moveCaret(0);
        break;
    case sf::Keyboard::End:
        moveCaret(characters.size());
        break;
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
    case sf::Keyboard::Return: {
        const std::string copy = text;
        emitSignal(onReturnKeyPress, copy);
        break;
    }
    default:
        break;
    }
}

void EditBox::leftMousePressed(sf::Vector2f position) {
    const std::vector<float> offsets = getTextMetrics().getCaretOffsets(characters, getTextSize());
    const float x = position.x - renderer.getBorders() - padding + scrollX;
    std::size_t best = 0;
    for (std::size_t i = 1; i < offsets.size(); ++i) {
        if (std::abs(offsets[i] - x) < std::abs(offsets[best] - x))
            best = i;
    }
    moveCaret(best);
}

void EditBox::focusChanged(bool) {
    caretVisible = true;
    blinkTime = 0.f;
}

void EditBox::timeElapsed(float seconds) {
    blinkTime += seconds;
    while (blinkTime >= blinkInterval) {
        blinkTime -= blinkInterval;
        caretVisible = !caretVisible;
    }
}

void EditBox::sizeChanged() {
    keepCaretVisible();
}

float EditBox::innerWidth() const {
    return std::max(getSize().x - 2 * (renderer.getBorders() + padding), 0.f);
}

void EditBox::keepCaretVisible() {
    const std::vector<float> offsets = getTextMetrics().getCaretOffsets(characters, getTextSize());
    const float caretX = offsets[caret];
    const float width = innerWidth();
    if (caretX < scrollX)
        scrollX = caretX;
    else if (caretX > scrollX + width)
        scrollX = caretX - width;
    // No empty room after the text while some of it is scrolled away on the left.
    scrollX = std::clamp(scrollX, 0.f, std::max(offsets.back() - width, 0.f));
}

void EditBox::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    const sf::FloatRect area({0.f, 0.f}, getSize());
    fillRect(target, states, area, renderer.getBackgroundColor());
    drawBorders(target, states, area, renderer.getBorders(),
                isFocused() ? sf::Color(0, 110, 200) : renderer.getBorderColor());
    const float inset = renderer.getBorders() + padding;
    const sf::FloatRect inner(inset, renderer.getBorders(), innerWidth(),
                              std::max(area.height - 2 * renderer.getBorders(), 0.f));
    const ClipScope clip(target, states, inner);
    if (clip.isEmpty())
        return;
    const TextMetrics metrics = getTextMetrics();
    const float lineSpacing = metrics.getLineSpacing(getTextSize());
    const float top = (area.height - lineSpacing) / 2.f;
    if (metrics.getFont())
        drawText(target, states, *metrics.getFont(), characters, {inset - scrollX, top},
                 {getTextSize(), isEnabled() ? renderer.getTextColor() : renderer.getTextColorDisabled()});
    if (isFocused() && caretVisible && !readOnly) {
        const float x = inset - scrollX + metrics.getCaretOffsets(characters, getTextSize())[caret];
        fillRect(target, states, {std::round(x), top, 1.f, lineSpacing}, renderer.getCaretColor());
    }
}

} // namespace ui
