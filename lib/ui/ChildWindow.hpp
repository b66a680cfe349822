#pragma once

#include "ui/Container.hpp"

#include <string>

namespace ui {

// A framed window with a title bar inside its parent. Its client area (below the title bar,
// inside the borders) is the parent of its children. It can be dragged by the title bar unless
// its position is locked, comes to the front when it takes the focus, and closes through its
// close button or close(): onClose is announced, then the window removes itself.
class ChildWindow : public Container {
public:
    using Ptr = std::shared_ptr<ChildWindow>;
    enum TitleButton : unsigned { None = 0, Close = 1 };
    static constexpr float defaultWidth = 400.f;
    static constexpr float defaultHeight = 300.f;
    static constexpr float titleBarHeight = 24.f;
    static constexpr float borderWidth = 1.f;
    static constexpr float titlePadding = 6.f;

    ChildWindow();
    static Ptr create(const std::string& title = {}, unsigned titleButtons = TitleButton::Close);
    static sf::Vector2f getDefaultSize() { return {defaultWidth, defaultHeight}; }

    void setTitle(const std::string& title);
    const std::string& getTitle() const { return title; }
    void setTitleButtons(unsigned buttons) { titleButtons = buttons; }
    unsigned getTitleButtons() const { return titleButtons; }
    void setPositionLocked(bool locked);
    bool isPositionLocked() const { return positionLocked; }
    void close();

    sf::Vector2f getInnerSize() const override;
    sf::Vector2f getChildOffset() const override;
    // The close button in local coordinates; empty without one.
    sf::FloatRect getCloseButtonRect() const;
    // The width the title text needs in the title bar.
    float getTitleWidth() const;

    smartsignals::Signal<void()> onClose;

protected:
    bool clipsChildren() const override { return true; }
    void leftMousePressed(sf::Vector2f position) override;
    void leftMouseReleased(sf::Vector2f position) override;
    void leftMouseButtonNoLongerDown() override;
    void mouseMoved(sf::Vector2f position) override;
    void focusChanged(bool focused) override;
    void resetInputState() override;
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    std::string title;
    std::u32string titleCharacters;
    unsigned titleButtons = TitleButton::Close;
    bool positionLocked = false;
    bool closePressed = false;
    bool dragging = false;
    sf::Vector2f dragAnchor;
};

} // namespace ui
