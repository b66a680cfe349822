#include "ui/Group.hpp"

namespace ui {

Group::Group() {
    setSize({"100%", "100%"});
}

Group::Ptr Group::create(const Layout2d& size) {
    auto group = std::make_shared<Group>();
    group->setSize(size);
    return group;
}

bool Group::isMouseOnWidget(sf::Vector2f point) const {
    return childAt(point - getPosition() - getChildOffset()) != nullptr;
}

} // namespace ui
