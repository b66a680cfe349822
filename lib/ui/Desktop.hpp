#pragma once

#include "ui/Gui.hpp"

#include <string>
#include <vector>

namespace ui {

// The root of the tool windows (Window, Box, Scale, Label, Button ...), kept apart from the
// game's screens and always in window pixels. Its owner feeds it events, advances it with
// update() and draws it. getWidgets() lists the top-level widgets; getAllocation() of each is
// its rectangle in window pixels, so input handling can tell whether the mouse is over one.
class Desktop {
public:
    Desktop() = default;
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    void setTarget(sf::RenderTarget& target) { gui.setTarget(target); }
    void setWindowSize(sf::Vector2u size) { gui.setWindowSize(size); }
    void setFont(const std::string& path) { gui.setFont(path); }
    void setFont(std::shared_ptr<const sf::Font> font) { gui.setFont(std::move(font)); }

    void handleEvent(const sf::Event& event) { gui.handleEvent(event); }
    void update(float seconds) { gui.update(seconds); }
    void draw() { gui.draw(); }

    void add(const Widget::Ptr& widget) { gui.add(widget); }
    bool remove(const Widget::Ptr& widget) { return gui.remove(widget); }
    void removeAll() { gui.removeAllWidgets(); }
    const std::vector<Widget::Ptr>& getWidgets() const { return gui.getWidgets(); }
    Widget::Ptr getFocusedLeaf() const { return gui.getFocusedLeaf(); }

private:
    Gui gui;
};

} // namespace ui
