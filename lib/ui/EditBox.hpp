#pragma once

#include "ui/EditableText.hpp"
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

    EditBox();
    static Ptr create();

    void setText(const std::string& text);
    const std::string& getText() const { return editing.getText(); }
    // A read-only box can be focused and its caret moved, but not edited; it takes no typing.
    void setReadOnly(bool readOnly) { editing.setReadOnly(readOnly); }
    bool isReadOnly() const { return editing.isReadOnly(); }
    void setCaretPosition(std::size_t position);
    std::size_t getCaretPosition() const { return editing.getCaret(); }
    bool isCaretVisible() const { return editing.isCaretVisible(); }

    bool acceptsTextInput() const override { return !editing.isReadOnly(); }

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
    // After every edit and caret move: scrolls to the caret, announces a changed text.
    void edited(bool changed);
    void keepCaretVisible();
    float innerWidth() const;

    EditableText editing;
    float scrollX = 0.f;
};

} // namespace ui
