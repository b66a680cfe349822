#pragma once

#include "ui/BoxLayout.hpp"

namespace ui {

class VerticalLayout : public BoxLayout {
public:
    using Ptr = std::shared_ptr<VerticalLayout>;

    VerticalLayout() : BoxLayout(Orientation::Vertical) {}
    static Ptr create(const Layout2d& size = {"100%", "100%"});
};

} // namespace ui
