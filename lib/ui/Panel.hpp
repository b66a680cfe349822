#pragma once

#include "ui/Group.hpp"

namespace ui {

// A group with a background: the mouse is on it anywhere inside its rectangle, and children are
// cut to it.
class Panel : public Group {
public:
    using Ptr = std::shared_ptr<Panel>;

    Panel();
    static Ptr create(const Layout2d& size = {"100%", "100%"});

    bool isMouseOnWidget(sf::Vector2f point) const override;

protected:
    bool clipsChildren() const override { return true; }
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
};

} // namespace ui
