#include "ui/Panel.hpp"

#include "ui/Painter.hpp"

namespace ui {

Panel::Panel() {
    renderer.setBackgroundColor(sf::Color(235, 235, 235));
    renderer.setBorderColor(sf::Color(60, 60, 60));
}

Panel::Ptr Panel::create(const Layout2d& size) {
    auto panel = std::make_shared<Panel>();
    panel->setSize(size);
    return panel;
}

bool Panel::isMouseOnWidget(sf::Vector2f point) const {
    return Widget::isMouseOnWidget(point);
}

void Panel::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    const sf::FloatRect area({0.f, 0.f}, getSize());
    fillRect(target, states, area, renderer.getBackgroundColor());
    drawBorders(target, states, area, renderer.getBorders(), renderer.getBorderColor());
    drawChildren(target, states);
}

} // namespace ui
