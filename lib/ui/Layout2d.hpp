#pragma once

#include "ui/Layout.hpp"

#include <SFML/System/Vector2.hpp>

#include <string>

namespace ui {

// A position or size as two layouts. One expression string applies to both axes, with "size"
// and percentages taken on each axis: "(&.size - size) / 2" centres a widget in its parent.
class Layout2d {
public:
    Layout2d() = default;
    Layout2d(sf::Vector2f value) : x(value.x), y(value.y) {}
    Layout2d(Layout x, Layout y) : x(std::move(x)), y(std::move(y)) {}
    Layout2d(const char* expression) : x(expression), y(expression) {}
    Layout2d(const std::string& expression) : x(expression), y(expression) {}

    sf::Vector2f evaluate(sf::Vector2f parentSize, sf::Vector2f ownSize) const {
        return {x.evaluate({LayoutAxis::X, parentSize, ownSize}),
                y.evaluate({LayoutAxis::Y, parentSize, ownSize})};
    }

    Layout x;
    Layout y;
};

} // namespace ui
