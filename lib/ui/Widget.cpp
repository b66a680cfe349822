#include "ui/Widget.hpp"

#include "ui/Container.hpp"
#include "ui/RootContainer.hpp"

#include <algorithm>

namespace ui {

Widget::Widget() = default;

Widget::~Widget() = default;

void Widget::setPosition(const Layout2d& newPosition) {
    positionLayout = newPosition;
    updateLayout();
}

void Widget::setSize(const Layout2d& newSize) {
    sizeLayout = newSize;
    sizeSet = true;
    updateLayout();
}

void Widget::setWidth(Layout width) {
    setSize(Layout2d(std::move(width), sizeSet ? sizeLayout.y : Layout(size.y)));
}

void Widget::setHeight(Layout height) {
    setSize(Layout2d(sizeSet ? sizeLayout.x : Layout(size.x), std::move(height)));
}

void Widget::useAutoSize() {
    sizeSet = false;
    updateLayout();
}

sf::Vector2f Widget::getAbsolutePosition() const {
    sf::Vector2f result = position;
    for (const Container* ancestor = parent; ancestor; ancestor = ancestor->parent)
        result += ancestor->position + ancestor->getChildOffset();
    return result;
}

sf::FloatRect Widget::getAllocation() const {
    const sf::Vector2f origin = getAbsolutePosition();
    return {origin.x, origin.y, size.x, size.y};
}

void Widget::updateLayout() {
    const sf::Vector2f parentSize = parent ? parent->getInnerSize() : sf::Vector2f();
    sf::Vector2f newSize;
    const std::optional<sf::Vector2f> autoSize = sizeSet ? std::nullopt : getNaturalSize();
    if (autoSize)
        newSize = *autoSize;
    else
        newSize = sizeLayout.evaluate(parentSize, size);
    newSize.x = std::max(newSize.x, 0.f);
    newSize.y = std::max(newSize.y, 0.f);
    const bool resized = newSize != size;
    size = newSize;
    position = positionLayout.evaluate(parentSize, size);
    if (resized)
        sizeChanged();
}

void Widget::setVisible(bool value) {
    if (visible == value)
        return;
    visible = value;
    FocusNotes notes;
    if (!visible) {
        loseFocus(notes);
        resetInputState();
    }
    announce(notes);
}

void Widget::setEnabled(bool value) {
    if (enabled == value)
        return;
    enabled = value;
    FocusNotes notes;
    if (!enabled) {
        loseFocus(notes);
        resetInputState();
    }
    announce(notes);
}

void Widget::setFocused(bool value) {
    FocusNotes notes;
    if (value)
        gainFocus(notes);
    else
        loseFocus(notes);
    announce(notes);
}

bool Widget::canTakeFocus() const {
    for (const Widget* widget = this; widget; widget = widget->parent) {
        if (!widget->visible || !widget->enabled)
            return false;
    }
    return true;
}

void Widget::gainFocus(FocusNotes& notes) {
    if (!canTakeFocus())
        return;
    std::vector<Widget*> gained;
    Widget* current = this;
    while (true) {
        Container* owner = current->parent;
        if (owner && owner->focusedChild != current) {
            if (owner->focusedChild)
                owner->focusedChild->loseFocus(notes);
            owner->focusedChild = current;
        }
        if (!current->focused) {
            current->focused = true;
            gained.push_back(current);
        }
        if (!owner || owner->isRoot())
            break;
        current = owner;
    }
    // Outermost first, so a window hears of its focus before the field inside it.
    for (auto it = gained.rbegin(); it != gained.rend(); ++it) {
        (*it)->focusChanged(true);
        notes.push_back({(*it)->weak_from_this().lock(), *it, true});
    }
}

void Widget::loseFocus(FocusNotes& notes) {
    if (auto* container = dynamic_cast<Container*>(this); container && container->focusedChild)
        container->focusedChild->loseFocus(notes);
    if (parent && parent->focusedChild == this)
        parent->focusedChild = nullptr;
    if (!focused)
        return;
    focused = false;
    focusChanged(false);
    notes.push_back({weak_from_this().lock(), this, false});
}

void Widget::announce(const FocusNotes& notes) {
    // Losses first: whoever gains focus must not be told before the previous holder let go.
    for (const FocusNote& note : notes) {
        if (!note.gained)
            note.widget->onUnfocus.emit();
    }
    for (const FocusNote& note : notes) {
        if (note.gained && note.widget->focused)
            note.widget->onFocus.emit();
    }
}

void Widget::setHovered(bool value) {
    if (hovered == value)
        return;
    hovered = value;
    emitSignal(hovered ? onMouseEnter : onMouseLeave);
}

void Widget::resetInputState() {
    hovered = false;
}

bool Widget::isMouseOnWidget(sf::Vector2f point) const {
    return sf::FloatRect(position, size).contains(point);
}

void Widget::setTextSize(unsigned value) {
    if (value == 0 || value == textSize)
        return;
    textSize = value;
    updateLayout();
    requisitionChanged();
}

sf::Vector2f Widget::computeRequisition() const {
    return getNaturalSize().value_or(size);
}

sf::Vector2f Widget::getRequisition() const {
    const sf::Vector2f natural = computeRequisition();
    return {std::max(natural.x, customRequisition.x), std::max(natural.y, customRequisition.y)};
}

void Widget::setRequisition(sf::Vector2f minimum) {
    customRequisition = minimum;
    requisitionChanged();
}

void Widget::requisitionChanged() {
    if (parent)
        parent->childRequisitionChanged(*this);
}

Container* Widget::getTopContainer() const {
    Container* top = parent;
    while (top && top->parent)
        top = top->parent;
    return top;
}

TextMetrics Widget::getTextMetrics() const {
    if (const auto* root = dynamic_cast<const RootContainer*>(getTopContainer()))
        return root->getTextMetrics();
    if (const auto* root = dynamic_cast<const RootContainer*>(this))
        return root->getTextMetrics();
    return TextMetrics();
}

void Widget::moveToFront() {
    if (const Ptr self = weak_from_this().lock(); self && parent)
        parent->moveWidgetToFront(self);
}

void Widget::moveToBack() {
    if (const Ptr self = weak_from_this().lock(); self && parent)
        parent->moveWidgetToBack(self);
}

void Widget::draw(sf::RenderTarget&, sf::RenderStates) const {}

} // namespace ui
