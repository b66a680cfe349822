#pragma once

#include "ui/Container.hpp"

namespace ui {

// An invisible container that fills its parent unless sized. The mouse is on a group only where
// it is on one of the group's visible children, so a group never blocks the world behind it.
class Group : public Container {
public:
    using Ptr = std::shared_ptr<Group>;

    Group();
    static Ptr create(const Layout2d& size = {"100%", "100%"});

    bool isMouseOnWidget(sf::Vector2f point) const override;
};

} // namespace ui
