#include "ui/VerticalLayout.hpp"

namespace ui {

VerticalLayout::Ptr VerticalLayout::create(const Layout2d& size) {
    auto layout = std::make_shared<VerticalLayout>();
    layout->setSize(size);
    return layout;
}

} // namespace ui
