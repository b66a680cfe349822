#pragma once

#include "ui/Widget.hpp"

#include <memory>
#include <string>
#include <vector>

namespace ui {

// A widget that owns child widgets, drawn in order (the last on top). Children are laid out in
// the client area: getChildOffset() from the container's corner, getInnerSize() large.
class Container : public Widget {
public:
    using Ptr = std::shared_ptr<Container>;

    ~Container() override;

    // Adding a widget that is in another container moves it here.
    void add(const Widget::Ptr& widget, const std::string& name = {});
    // Removes a child; false (and nothing happens) when it is not a child. A focused child, or
    // one holding the focused widget, loses the focus and says so.
    bool remove(const Widget::Ptr& widget);
    void removeAllWidgets();

    const std::vector<Widget::Ptr>& getWidgets() const { return widgets; }
    // A direct child by name, or null.
    Widget::Ptr get(const std::string& name) const;
    template <class T>
    std::shared_ptr<T> get(const std::string& name) const {
        return std::dynamic_pointer_cast<T>(get(name));
    }

    virtual sf::Vector2f getInnerSize() const { return getSize(); }
    virtual sf::Vector2f getChildOffset() const { return {}; }

    Widget::Ptr getFocusedChild() const;
    // The deepest focused widget below this container, or null.
    Widget::Ptr getFocusedLeaf() const;
    void unfocusAllWidgets();

    void moveWidgetToFront(const Widget::Ptr& widget);
    void moveWidgetToBack(const Widget::Ptr& widget);

protected:
    // The topmost visible child under a point given in client coordinates, or null.
    virtual Widget::Ptr childAt(sf::Vector2f point) const;
    // Whether children are cut to the client area, for drawing and for the mouse.
    virtual bool clipsChildren() const { return false; }

    virtual void childAdded(const Widget::Ptr&) {}
    virtual void childRemoved(const Widget::Ptr&) {}
    virtual void childRequisitionChanged(Widget&) {}

    void sizeChanged() override;
    void refreshLayoutDeep() override;
    void resetInputState() override;
    void timeElapsed(float seconds) override;
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
    void drawChildren(sf::RenderTarget& target, sf::RenderStates states) const;

    bool isRoot() const { return root; }
    void markAsRoot() { root = true; }

private:
    friend class Widget;
    friend class Gui;

    // Whether this container is the widget or lies somewhere below it.
    bool isInside(const Widget& widget) const;

    std::vector<Widget::Ptr> widgets;
    Widget* focusedChild = nullptr;
    bool root = false;
};

} // namespace ui
