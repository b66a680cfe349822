#pragma once

#include <SFML/Graphics/Color.hpp>

namespace ui {

// The look of one widget. Every widget type fills in its own defaults; a property a widget does
// not draw is simply ignored by it.
class Renderer {
public:
    void setBackgroundColor(sf::Color color) { backgroundColor = color; }
    sf::Color getBackgroundColor() const { return backgroundColor; }
    void setBackgroundColorHover(sf::Color color) { backgroundColorHover = color; }
    sf::Color getBackgroundColorHover() const { return backgroundColorHover; }
    void setBackgroundColorDown(sf::Color color) { backgroundColorDown = color; }
    sf::Color getBackgroundColorDown() const { return backgroundColorDown; }
    void setBackgroundColorDisabled(sf::Color color) { backgroundColorDisabled = color; }
    sf::Color getBackgroundColorDisabled() const { return backgroundColorDisabled; }

    void setBorderColor(sf::Color color) { borderColor = color; }
    sf::Color getBorderColor() const { return borderColor; }
    void setBorders(float thickness) { borders = thickness < 0.f ? 0.f : thickness; }
    float getBorders() const { return borders; }

    void setTextColor(sf::Color color) { textColor = color; }
    sf::Color getTextColor() const { return textColor; }
    void setTextColorHover(sf::Color color) { textColorHover = color; }
    sf::Color getTextColorHover() const { return textColorHover; }
    void setTextColorDisabled(sf::Color color) { textColorDisabled = color; }
    sf::Color getTextColorDisabled() const { return textColorDisabled; }
    void setTextOutlineColor(sf::Color color) { textOutlineColor = color; }
    sf::Color getTextOutlineColor() const { return textOutlineColor; }
    void setTextOutlineThickness(float thickness) { textOutlineThickness = thickness; }
    float getTextOutlineThickness() const { return textOutlineThickness; }

    void setFillColor(sf::Color color) { fillColor = color; }
    sf::Color getFillColor() const { return fillColor; }
    void setSelectedBackgroundColor(sf::Color color) { selectedBackgroundColor = color; }
    sf::Color getSelectedBackgroundColor() const { return selectedBackgroundColor; }
    void setSelectedTextColor(sf::Color color) { selectedTextColor = color; }
    sf::Color getSelectedTextColor() const { return selectedTextColor; }
    void setTitleBarColor(sf::Color color) { titleBarColor = color; }
    sf::Color getTitleBarColor() const { return titleBarColor; }
    void setTitleColor(sf::Color color) { titleColor = color; }
    sf::Color getTitleColor() const { return titleColor; }
    void setCaretColor(sf::Color color) { caretColor = color; }
    sf::Color getCaretColor() const { return caretColor; }

private:
    sf::Color backgroundColor = sf::Color::Transparent;
    sf::Color backgroundColorHover = sf::Color::Transparent;
    sf::Color backgroundColorDown = sf::Color::Transparent;
    sf::Color backgroundColorDisabled = sf::Color::Transparent;
    sf::Color borderColor = sf::Color(60, 60, 60);
    float borders = 0.f;
    sf::Color textColor = sf::Color(60, 60, 60);
    sf::Color textColorHover = sf::Color(60, 60, 60);
    sf::Color textColorDisabled = sf::Color(125, 125, 125);
    sf::Color textOutlineColor = sf::Color::Transparent;
    float textOutlineThickness = 0.f;
    sf::Color fillColor = sf::Color(0, 110, 200);
    sf::Color selectedBackgroundColor = sf::Color(0, 110, 200);
    sf::Color selectedTextColor = sf::Color::White;
    sf::Color titleBarColor = sf::Color(170, 170, 170);
    sf::Color titleColor = sf::Color(40, 40, 40);
    sf::Color caretColor = sf::Color::Black;
};

} // namespace ui
