#include "ui/HorizontalLayout.hpp"

namespace ui {

HorizontalLayout::Ptr HorizontalLayout::create(const Layout2d& size) {
    auto layout = std::make_shared<HorizontalLayout>();
    layout->setSize(size);
    return layout;
}

} // namespace ui
