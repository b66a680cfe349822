#pragma once

#include "ui/Widget.hpp"

#include <cstddef>
#include <string>

namespace ui {

// A one-line text field: typing inserts at the caret; Backspace, Delete, Left, Right, Home and
// End edit and move; Return announces the text. Every change of the text, typed or set, is
// announced. Text goes in and out as UTF-8.
class EditBox : public Widget {
public:
    using Ptr = std::shared_ptr<EditBox>;
    static constexpr float padding = 4.f;
    static constexpr float blinkInterval = 0.5f;

    EditBox();
    static Ptr create();

    void setText(const std::string& text);
    const std::string& getText() const { return text; }
    // A read-only box can be focused and its caret moved, but not edited; it takes no typing.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly; }
    void setCaretPosition(std::size_t position);
    std::size_t getCaretPosition() const { return caret; }
    bool isCaretVisible() const { return caretVisible; }

    bool acceptsTextInput() const override { return !readOnly; }

    smartsignals::Signal<void(const std::string&)> onTextChange;
    smartsignals::Signal<void(const std::string&)> onReturnKeyPress;

protected:
    void textEntered(char32_t character) override;
    void keyPressed(const sf::Event::KeyEvent& key) override;
    void leftMousePressed(sf::Vector2f position) override;
    void focusChanged(bool focused) override;
    void timeElapsed(float seconds) override;
    void sizeChanged() override;
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void changeText(std::u32string characters, std::size_t newCaret);
    void moveCaret(std::size_t position);
    void keepCaretVisible();
    float innerWidth() const;

    std::string text;
    std::u32string characters;
    std::size_t caret = 0;
    bool readOnly = false;
    bool caretVisible = true;
    float blinkTime = 0.f;
    float scrollX = 0.f;
};

} // namespace ui
