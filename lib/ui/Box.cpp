#include "ui/Box.hpp"

#include <algorithm>

namespace ui {

Box::Box(Orientation orientation, float spacing) : orientation(orientation), spacing(std::max(spacing, 0.f)) {
    updateLayout();
}

Box::Ptr Box::create(Orientation orientation, float spacing) {
    return std::make_shared<Box>(orientation, spacing);
}

void Box::setSpacing(float value) {
    spacing = std::max(value, 0.f);
    contentChanged();
}

std::optional<sf::Vector2f> Box::getNaturalSize() const {
    const bool vertical = orientation == Orientation::Vertical;
    sf::Vector2f total;
    for (const Widget::Ptr& child : getWidgets()) {
        const sf::Vector2f wanted = child->getRequisition();
        if (vertical) {
            total.x = std::max(total.x, wanted.x);
            total.y += wanted.y;
        } else {
            total.x += wanted.x;
            total.y = std::max(total.y, wanted.y);
        }
    }
    const std::size_t count = getWidgets().size();
    const float gaps = count > 1 ? spacing * static_cast<float>(count - 1) : 0.f;
    (vertical ? total.y : total.x) += gaps;
    return total;
}

void Box::contentChanged() {
    updateLayout();
    arrange();
    requisitionChanged();
}

void Box::childAdded(const Widget::Ptr&) {
    contentChanged();
}

void Box::childRemoved(const Widget::Ptr&) {
    contentChanged();
}

void Box::childRequisitionChanged(Widget&) {
    contentChanged();
}

void Box::sizeChanged() {
    arrange();
}

void Box::refreshLayoutDeep() {
    Container::refreshLayoutDeep();
    contentChanged();
}

void Box::arrange() {
    const bool vertical = orientation == Orientation::Vertical;
    const sf::Vector2f inner = getInnerSize();
    float offset = 0.f;
    const std::vector<Widget::Ptr> children = getWidgets();
    for (const Widget::Ptr& child : children) {
        const sf::Vector2f wanted = child->getRequisition();
        if (vertical) {
            child->setPosition(0.f, offset);
            child->setSize(inner.x, wanted.y);
            offset += wanted.y + spacing;
        } else {
            child->setPosition(offset, 0.f);
            child->setSize(wanted.x, inner.y);
            offset += wanted.x + spacing;
        }
    }
}

} // namespace ui
