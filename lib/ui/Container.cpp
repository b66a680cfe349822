#include "ui/Container.hpp"

#include "ui/ClipScope.hpp"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

namespace ui {

Container::~Container() {
    // Children still held elsewhere must not point at a dead parent, nor keep a focus that no
    // longer leads anywhere (and there is nobody left to tell).
    Widget* focused = focusedChild;
    while (focused) {
        focused->focused = false;
        auto* container = dynamic_cast<Container*>(focused);
        focused = container ? std::exchange(container->focusedChild, nullptr) : nullptr;
    }
    for (const Widget::Ptr& widget : widgets)
        widget->parent = nullptr;
}

bool Container::isInside(const Widget& widget) const {
    for (const Widget* current = this; current; current = current->parent) {
        if (current == &widget)
            return true;
    }
    return false;
}

void Container::add(const Widget::Ptr& newWidget, const std::string& name) {
    if (!newWidget)
        throw std::invalid_argument("ui::Container::add(): null widget");
    if (isInside(*newWidget))
        throw std::invalid_argument("ui::Container::add(): a widget cannot contain itself");
    if (auto* container = dynamic_cast<Container*>(newWidget.get()); container && container->isRoot())
        throw std::invalid_argument("ui::Container::add(): a root cannot be added");
    // A copy: the reference may point into the list of the container it is taken from.
    const Widget::Ptr widget = newWidget;
    if (widget->parent)
        widget->parent->remove(widget);
    if (!name.empty())
        widget->setWidgetName(name);
    widget->parent = this;
    widgets.push_back(widget);
    widget->refreshLayoutDeep();
    childAdded(widget);
    // A widget told to take the focus before it had a place takes it now.
    if (widget->focused) {
        FocusNotes notes;
        widget->gainFocus(notes);
        if (!widget->canTakeFocus())
            widget->loseFocus(notes);
        announce(notes);
    }
}

bool Container::remove(const Widget::Ptr& oldWidget) {
    if (!oldWidget)
        return false;
    const auto it = std::find(widgets.begin(), widgets.end(), oldWidget);
    if (it == widgets.end())
        return false;
    // A copy: the reference may point into the very list the widget is erased from.
    const Widget::Ptr widget = oldWidget;
    FocusNotes notes;
    widget->loseFocus(notes);
    widget->resetInputState();
    widget->parent = nullptr;
    widgets.erase(std::find(widgets.begin(), widgets.end(), widget));
    childRemoved(widget);
    announce(notes);
    return true;
}

void Container::removeAllWidgets() {
    const std::vector<Widget::Ptr> copy = widgets;
    for (const Widget::Ptr& widget : copy)
        remove(widget);
}

Widget::Ptr Container::get(const std::string& name) const {
    for (const Widget::Ptr& widget : widgets) {
        if (widget->getWidgetName() == name)
            return widget;
    }
    return nullptr;
}

Widget::Ptr Container::getFocusedChild() const {
    return focusedChild ? focusedChild->shared_from_this() : nullptr;
}

Widget::Ptr Container::getFocusedLeaf() const {
    Widget* leaf = focusedChild;
    if (!leaf)
        return nullptr;
    while (auto* container = dynamic_cast<Container*>(leaf)) {
        if (!container->focusedChild)
            break;
        leaf = container->focusedChild;
    }
    return leaf->shared_from_this();
}

void Container::unfocusAllWidgets() {
    if (!focusedChild)
        return;
    FocusNotes notes;
    focusedChild->loseFocus(notes);
    announce(notes);
}

void Container::moveWidgetToFront(const Widget::Ptr& widget) {
    const auto it = std::find(widgets.begin(), widgets.end(), widget);
    if (it != widgets.end())
        std::rotate(it, it + 1, widgets.end());
}

void Container::moveWidgetToBack(const Widget::Ptr& widget) {
    const auto it = std::find(widgets.begin(), widgets.end(), widget);
    if (it != widgets.end())
        std::rotate(widgets.begin(), it, it + 1);
}

Widget::Ptr Container::childAt(sf::Vector2f point) const {
    if (clipsChildren()) {
        const sf::Vector2f inner = getInnerSize();
        if (point.x < 0.f || point.y < 0.f || point.x >= inner.x || point.y >= inner.y)
            return nullptr;
    }
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it) {
        if ((*it)->isVisible() && (*it)->isMouseOnWidget(point))
            return *it;
    }
    return nullptr;
}

void Container::sizeChanged() {
    const std::vector<Widget::Ptr> copy = widgets;
    for (const Widget::Ptr& widget : copy)
        widget->updateLayout();
}

void Container::refreshLayoutDeep() {
    updateLayout();
    const std::vector<Widget::Ptr> copy = widgets;
    for (const Widget::Ptr& widget : copy)
        widget->refreshLayoutDeep();
}

void Container::resetInputState() {
    Widget::resetInputState();
    for (const Widget::Ptr& widget : widgets)
        widget->resetInputState();
}

void Container::timeElapsed(float seconds) {
    const std::vector<Widget::Ptr> copy = widgets;
    for (const Widget::Ptr& widget : copy)
        widget->timeElapsed(seconds);
}

void Container::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    drawChildren(target, states);
}

void Container::drawChildren(sf::RenderTarget& target, sf::RenderStates states) const {
    states.transform.translate(getChildOffset());
    std::optional<ClipScope> clip;
    if (clipsChildren()) {
        clip.emplace(target, states, sf::FloatRect({0.f, 0.f}, getInnerSize()));
        if (clip->isEmpty())
            return;
    }
    for (const Widget::Ptr& widget : widgets) {
        if (!widget->isVisible())
            continue;
        sf::RenderStates childStates = states;
        childStates.transform.translate(widget->getPosition());
        widget->draw(target, childStates);
    }
}

} // namespace ui
