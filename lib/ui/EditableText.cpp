#include "ui/EditableText.hpp"

#include "ui/Utf8.hpp"

#include <algorithm>
#include <utility>

namespace ui {

bool EditableText::setText(std::u32string newCharacters) {
    const std::size_t end = newCharacters.size();
    return replace(std::move(newCharacters), end);
}

bool EditableText::replace(std::u32string edited, std::size_t newCaret) {
    const bool changed = edited != characters;
    if (changed) {
        characters = std::move(edited);
        text = toUtf8(characters);
    }
    moveCaret(newCaret);
    return changed;
}

void EditableText::moveCaret(std::size_t position) {
    caret = std::min(position, characters.size());
    restartBlink();
}

bool EditableText::type(char32_t character) {
    if (character < 0x20 || character == 0x7F || (character >= 0x80 && character < 0xA0))
        return false;
    return insert(character);
}

bool EditableText::insert(char32_t character) {
    if (readOnly)
        return false;
    std::u32string edited = characters;
    edited.insert(caret, 1, character);
    return replace(std::move(edited), caret + 1);
}

bool EditableText::pressKey(sf::Keyboard::Key key, bool& changed) {
    changed = false;
    switch (key) {
    case sf::Keyboard::Left:
        if (caret > 0)
            moveCaret(caret - 1);
        return true;
    case sf::Keyboard::Right:
        if (caret < characters.size())
            moveCaret(caret + 1);
        return true;
    case sf::Keyboard::BackSpace:
        if (!readOnly && caret > 0) {
            std::u32string edited = characters;
            edited.erase(caret - 1, 1);
            changed = replace(std::move(edited), caret - 1);
        }
        return true;
    case sf::Keyboard::Delete:
        if (!readOnly && caret < characters.size()) {
            std::u32string edited = characters;
            edited.erase(caret, 1);
            changed = replace(std::move(edited), caret);
        }
        return true;
    default:
        return false;
    }
}

void EditableText::restartBlink() {
    caretVisible = true;
    blinkTime = 0.f;
}

void EditableText::advanceBlink(float seconds) {
    blinkTime += seconds;
    while (blinkTime >= blinkInterval) {
        blinkTime -= blinkInterval;
        caretVisible = !caretVisible;
    }
}

} // namespace ui
