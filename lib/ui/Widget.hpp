#pragma once

#include "engine/signals/Signal.hpp"
#include "ui/Layout2d.hpp"
#include "ui/Renderer.hpp"
#include "ui/TextMetrics.hpp"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Window/Event.hpp>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ui {

class Container;

// Base of every widget. Widgets live behind shared pointers (create()); a container owns its
// children, a child knows its parent by plain pointer. Positions are relative to the parent's
// client area; sizes and positions come from layouts and are recomputed whenever the parent's
// or the widget's own size changes (sizes first, then positions).
class Widget : public std::enable_shared_from_this<Widget> {
public:
    using Ptr = std::shared_ptr<Widget>;
    static constexpr unsigned defaultTextSize = 13;

    Widget();
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;
    virtual ~Widget();

    void setPosition(const Layout2d& position);
    void setPosition(Layout x, Layout y) { setPosition(Layout2d(std::move(x), std::move(y))); }
    void setSize(const Layout2d& size);
    void setSize(Layout width, Layout height) { setSize(Layout2d(std::move(width), std::move(height))); }
    void setWidth(Layout width);
    void setHeight(Layout height);
    const Layout2d& getPositionLayout() const { return positionLayout; }
    const Layout2d& getSizeLayout() const { return sizeLayout; }
    sf::Vector2f getPosition() const { return position; }
    sf::Vector2f getSize() const { return size; }
    // Position in the coordinates of the root the widget is in (or of its topmost ancestor).
    sf::Vector2f getAbsolutePosition() const;
    sf::FloatRect getAllocation() const;

    void setVisible(bool visible);
    bool isVisible() const { return visible; }
    // A disabled widget emits no signals, takes no focus and ignores input; so do its children.
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled; }
    // Focusing also focuses the chain of containers above; a widget that is hidden or disabled
    // (or under a hidden or disabled container) cannot take the focus.
    void setFocused(bool focused);
    bool isFocused() const { return focused; }
    bool isHovered() const { return hovered; }

    // The point is in the parent's client coordinates, like getPosition().
    virtual bool isMouseOnWidget(sf::Vector2f point) const;
    // True for widgets that turn key presses into text, so that game keys stay quiet meanwhile.
    virtual bool acceptsTextInput() const { return false; }

    void setTextSize(unsigned size);
    unsigned getTextSize() const { return textSize; }
    Renderer* getRenderer() { return &renderer; }
    const Renderer* getRenderer() const { return &renderer; }

    void setWidgetName(std::string name) { widgetName = std::move(name); }
    const std::string& getWidgetName() const { return widgetName; }
    Container* getParent() const { return parent; }

    // The size a packing container (Box, Window) gives this widget: its natural size, at least
    // the minimum set with setRequisition.
    sf::Vector2f getRequisition() const;
    void setRequisition(sf::Vector2f minimum);

    void moveToFront();
    void moveToBack();

    smartsignals::Signal<void()> onFocus;
    smartsignals::Signal<void()> onUnfocus;
    smartsignals::Signal<void()> onMouseEnter;
    smartsignals::Signal<void()> onMouseLeave;

protected:
    // The natural size of widgets that size themselves (labels, buttons, tabs ...); used while no
    // size was set. nullopt: the size layout decides.
    virtual std::optional<sf::Vector2f> getNaturalSize() const { return std::nullopt; }
    virtual sf::Vector2f computeRequisition() const;
    bool hasExplicitSize() const { return sizeSet; }
    // Drops a set size so the widget sizes itself again.
    void useAutoSize();

    void updateLayout();
    virtual void refreshLayoutDeep() { updateLayout(); }
    virtual void sizeChanged() {}
    void requisitionChanged();
    TextMetrics getTextMetrics() const;

    // Emits unless the widget is disabled, keeping the widget alive for the whole emit even if a
    // callback removes it.
    template <class... Args, class... Params>
    void emitSignal(smartsignals::Signal<void(Args...)>& signal, Params&&... params) {
        if (!enabled)
            return;
        const Ptr keepAlive = weak_from_this().lock();
        signal.emit(std::forward<Params>(params)...);
    }

    // Input, delivered by the root; positions are local to the widget's top-left corner.
    virtual void leftMousePressed(sf::Vector2f) {}
    virtual void leftMouseReleased(sf::Vector2f) {}
    virtual void rightMousePressed(sf::Vector2f) {}
    virtual void rightMouseReleased(sf::Vector2f) {}
    // The left button went up somewhere else after being pressed on this widget.
    virtual void leftMouseButtonNoLongerDown() {}
    virtual void mouseMoved(sf::Vector2f) {}
    // Returns whether the wheel was used; otherwise the parent gets it.
    virtual bool mouseWheelScrolled(float, sf::Vector2f) { return false; }
    virtual void keyPressed(const sf::Event::KeyEvent&) {}
    virtual void textEntered(char32_t) {}
    virtual void focusChanged(bool) {}
    virtual void timeElapsed(float) {}
    // Forgets pressed buttons and hover, when the widget leaves the tree or is hidden.
    virtual void resetInputState();

    virtual void draw(sf::RenderTarget& target, sf::RenderStates states) const;

    Renderer renderer;

private:
    friend class Container;
    friend class Gui;

    // A focus change is applied to every widget first and announced afterwards, so a callback
    // always sees a consistent tree and may change it freely.
    struct FocusNote {
        Ptr keepAlive;
        Widget* widget;
        bool gained;
    };
    using FocusNotes = std::vector<FocusNote>;

    bool canTakeFocus() const;
    void gainFocus(FocusNotes& notes);
    void loseFocus(FocusNotes& notes);
    static void announce(const FocusNotes& notes);
    void setHovered(bool hovered);
    Container* getTopContainer() const;

    Container* parent = nullptr;
    Layout2d positionLayout;
    Layout2d sizeLayout;
    bool sizeSet = false;
    sf::Vector2f position;
    sf::Vector2f size;
    sf::Vector2f customRequisition;
    bool visible = true;
    bool enabled = true;
    bool focused = false;
    bool hovered = false;
    unsigned textSize = defaultTextSize;
    std::string widgetName;
};

} // namespace ui
