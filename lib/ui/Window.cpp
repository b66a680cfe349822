#include "ui/Window.hpp"

#include <algorithm>

namespace ui {

Window::Window() {
    setTitleButtons(TitleButton::None);
    useAutoSize();
}

Window::Ptr Window::create(const std::string& title) {
    auto window = std::make_shared<Window>();
    window->setTitle(title);
    return window;
}

std::optional<sf::Vector2f> Window::getNaturalSize() const {
    sf::Vector2f content;
    for (const Widget::Ptr& child : getWidgets()) {
        const sf::Vector2f wanted = child->getRequisition();
        content.x = std::max(content.x, wanted.x);
        content.y = std::max(content.y, wanted.y);
    }
    const float width = std::max(content.x, getTitleWidth());
    return sf::Vector2f(width + 2 * borderWidth, content.y + 2 * borderWidth + titleBarHeight);
}

void Window::fit() {
    updateLayout();
    arrange();
    requisitionChanged();
}

void Window::childAdded(const Widget::Ptr&) {
    fit();
}

void Window::childRemoved(const Widget::Ptr&) {
    fit();
}

void Window::childRequisitionChanged(Widget&) {
    fit();
}

void Window::sizeChanged() {
    arrange();
}

void Window::refreshLayoutDeep() {
    ChildWindow::refreshLayoutDeep();
    fit();
}

void Window::arrange() {
    const sf::Vector2f inner = getInnerSize();
    const std::vector<Widget::Ptr> children = getWidgets();
    for (const Widget::Ptr& child : children) {
        child->setPosition(0.f, 0.f);
        child->setSize(inner.x, inner.y);
    }
}

} // namespace ui
