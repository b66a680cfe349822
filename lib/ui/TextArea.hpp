#pragma once

#include "ui/EditableText.hpp"
#include "ui/Scrollbar.hpp"
#include "ui/TextLayout.hpp"
#include "ui/Widget.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace ui {

// Multi-line text that wraps at the widget's width and scrolls with the wheel. Unless read-only
// it is edited like an edit box, Return starting a new line and Up/Down moving between lines.
// A read-only area takes no typing, so game keys keep working while it has the focus.
class TextArea : public Widget {
public:
    using Ptr = std::shared_ptr<TextArea>;
    static constexpr float padding = 4.f;

    TextArea();
    static Ptr create();

    // Shows the text from its top.
    void setText(const std::string& text);
    void addText(const std::string& text);
    const std::string& getText() const { return editing.getText(); }
    void setReadOnly(bool readOnly) { editing.setReadOnly(readOnly); }
    bool isReadOnly() const { return editing.isReadOnly(); }
    void setCaretPosition(std::size_t position);
    std::size_t getCaretPosition() const { return editing.getCaret(); }
    // The displayed lines after wrapping.
    std::size_t getLinesCount() const { return layoutLines().size(); }
    std::vector<std::string> getDisplayedLines() const;
    const TextLayout& getTextLayout() const { return layout; }
    const Scrollbar& getScrollbar() const { return scrollbar; }

    bool acceptsTextInput() const override { return !editing.isReadOnly(); }

    smartsignals::Signal<void(const std::string&)> onTextChange;

protected:
    void textEntered(char32_t character) override;
    void keyPressed(const sf::Event::KeyEvent& key) override;
    bool mouseWheelScrolled(float delta, sf::Vector2f position) override;
    void focusChanged(bool focused) override;
    void timeElapsed(float seconds) override;
    void sizeChanged() override;
    void refreshLayoutDeep() override;
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    const std::vector<WrappedLine>& layoutLines() const;
    float wrapWidth() const;
    std::size_t lineOfCaret(const std::vector<WrappedLine>& lines) const;
    // A changed text is laid out and announced.
    void textChanged(bool changed);
    // After typing and keys: also scrolls to the caret.
    void edited(bool changed);
    void moveCaretVertically(int lines);
    void updateScrollbar();
    void keepCaretVisible();

    EditableText editing;
    TextLayout layout;
    Scrollbar scrollbar;
};

} // namespace ui
