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
    edited(editing.setText(fromUtf8(newText)));
}

void EditBox::setCaretPosition(std::size_t position) {
    editing.moveCaret(position);
    keepCaretVisible();
}

void EditBox::edited(bool changed) {
    keepCaretVisible();
    if (changed) {
        const std::string copy = editing.getText();
        emitSignal(onTextChange, copy);
    }
}

void EditBox::textEntered(char32_t character) {
    edited(editing.type(character));
}

void EditBox::keyPressed(const sf::Event::KeyEvent& key) {
    bool changed = false;
    if (editing.pressKey(key.code, changed)) {
        edited(changed);
        return;
    }
    switch (key.code) {
    case sf::Keyboard::Home:
        editing.moveCaret(0);
        edited(false);
        break;
    case sf::Keyboard::End:
        editing.moveCaret(editing.getCharacters().size());
        edited(false);
        break;
    case sf::Keyboard::Return: {
        const std::string copy = editing.getText();
        emitSignal(onReturnKeyPress, copy);
        break;
    }
    default:
        break;
    }
}

void EditBox::leftMousePressed(sf::Vector2f position) {
    const std::vector<float> offsets =
        getTextMetrics().getCaretOffsets(editing.getCharacters(), getTextSize());
    const float x = position.x - renderer.getBorders() - padding + scrollX;
    std::size_t best = 0;
    for (std::size_t i = 1; i < offsets.size(); ++i) {
        if (std::abs(offsets[i] - x) < std::abs(offsets[best] - x))
            best = i;
    }
    setCaretPosition(best);
}

void EditBox::focusChanged(bool) {
    editing.restartBlink();
}

void EditBox::timeElapsed(float seconds) {
    editing.advanceBlink(seconds);
}

void EditBox::sizeChanged() {
    keepCaretVisible();
}

float EditBox::innerWidth() const {
    return std::max(getSize().x - 2 * (renderer.getBorders() + padding), 0.f);
}

void EditBox::keepCaretVisible() {
    const std::vector<float> offsets =
        getTextMetrics().getCaretOffsets(editing.getCharacters(), getTextSize());
    const float caretX = offsets[editing.getCaret()];
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
    const std::u32string& characters = editing.getCharacters();
    if (metrics.getFont())
        drawText(target, states, *metrics.getFont(), characters, {inset - scrollX, top},
                 {getTextSize(), isEnabled() ? renderer.getTextColor() : renderer.getTextColorDisabled()});
    if (isFocused() && editing.isCaretVisible() && !editing.isReadOnly()) {
        const float x =
            inset - scrollX + metrics.getCaretOffsets(characters, getTextSize())[editing.getCaret()];
        fillRect(target, states, {std::round(x), top, 1.f, lineSpacing}, renderer.getCaretColor());
    }
}

} // namespace ui
