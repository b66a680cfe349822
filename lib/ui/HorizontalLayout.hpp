#pragma once

#include "ui/BoxLayout.hpp"

namespace ui {

class HorizontalLayout : public BoxLayout {
public:
    using Ptr = std::shared_ptr<HorizontalLayout>;

    HorizontalLayout() : BoxLayout(Orientation::Horizontal) {}
    static Ptr create(const Layout2d& size = {"100%", "100%"});
};

} // namespace ui
