#pragma once

#include <SFML/Window/Keyboard.hpp>

#include <cstddef>
#include <string>

namespace ui {

// The editing both text fields share: the text (as UTF-32, one element per caret step, and as
// UTF-8), the caret with its blinking, typing and the keys that edit or move by one character.
// Editing operations return whether the text changed, so the field can announce it.
class EditableText {
public:
    static constexpr float blinkInterval = 0.5f;

    const std::u32string& getCharacters() const { return characters; }
    const std::string& getText() const { return text; }
    std::size_t getCaret() const { return caret; }
    bool isCaretVisible() const { return caretVisible; }
    // Read-only text takes no edits; the caret still moves.
    void setReadOnly(bool value) { readOnly = value; }
    bool isReadOnly() const { return readOnly; }

    // Replaces the whole text (also when read-only), the caret going to its end.
    bool setText(std::u32string characters);
    // Clamped to the text; shows the caret.
    void moveCaret(std::size_t position);
    // A typed character; control characters are not text (SFML sends Backspace, Return ... too).
    bool type(char32_t character);
    // Any character, newlines included, at the caret.
    bool insert(char32_t character);
    // Left, Right, BackSpace and Delete. Returns false for every other key.
    bool pressKey(sf::Keyboard::Key key, bool& changed);

    void restartBlink();
    void advanceBlink(float seconds);

private:
    bool replace(std::u32string edited, std::size_t newCaret);

    std::u32string characters;
    std::string text;
    std::size_t caret = 0;
    bool readOnly = false;
    bool caretVisible = true;
    float blinkTime = 0.f;
};

} // namespace ui
