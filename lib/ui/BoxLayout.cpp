#include "ui/BoxLayout.hpp"

#include <algorithm>

namespace ui {

BoxLayout::BoxLayout(Orientation orientation) : orientation(orientation) {}

void BoxLayout::add(const Widget::Ptr& widget, float ratio, const std::string& name) {
    Container::add(widget, name);
    setRatio(widget, ratio);
}

void BoxLayout::addSpace(float ratio) {
    add(std::make_shared<Group>(), ratio);
}

bool BoxLayout::setRatio(const Widget::Ptr& widget, float ratio) {
    const auto it = ratios.find(widget.get());
    if (it == ratios.end())
        return false;
    it->second = std::max(ratio, 0.f);
    arrange();
    return true;
}

bool BoxLayout::setRatio(std::size_t index, float ratio) {
    if (index >= getWidgets().size())
        return false;
    return setRatio(getWidgets()[index], ratio);
}

float BoxLayout::getRatio(const Widget::Ptr& widget) const {
    const auto it = ratios.find(widget.get());
    return it == ratios.end() ? 0.f : it->second;
}

float BoxLayout::getRatio(std::size_t index) const {
    return index < getWidgets().size() ? getRatio(getWidgets()[index]) : 0.f;
}

void BoxLayout::setSpaceBetweenWidgets(float space) {
    spacing = std::max(space, 0.f);
    arrange();
}

void BoxLayout::childAdded(const Widget::Ptr& widget) {
    ratios[widget.get()] = 1.f;
    arrange();
}

void BoxLayout::childRemoved(const Widget::Ptr& widget) {
    ratios.erase(widget.get());
    arrange();
}

void BoxLayout::sizeChanged() {
    arrange();
}

void BoxLayout::refreshLayoutDeep() {
    Group::refreshLayoutDeep();
    arrange();
}

void BoxLayout::arrange() {
    const std::vector<Widget::Ptr> children = getWidgets();
    if (children.empty())
        return;
    float total = 0.f;
    for (const Widget::Ptr& child : children)
        total += getRatio(child);
    const sf::Vector2f inner = getInnerSize();
    const bool horizontal = orientation == Orientation::Horizontal;
    const float length = horizontal ? inner.x : inner.y;
    const float cross = horizontal ? inner.y : inner.x;
    const float usable = std::max(length - spacing * static_cast<float>(children.size() - 1), 0.f);
    float offset = 0.f;
    for (const Widget::Ptr& child : children) {
        const float share = total > 0.f ? usable * getRatio(child) / total : 0.f;
        if (horizontal) {
            child->setSize(share, cross);
            child->setPosition(offset, 0.f);
        } else {
            child->setSize(cross, share);
            child->setPosition(0.f, offset);
        }
        offset += share + spacing;
    }
}

} // namespace ui
