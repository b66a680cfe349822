#pragma once

#include "ui/ChildWindow.hpp"

namespace ui {

// A desktop window: a titled, draggable frame without a close button that is exactly as large
// as its content asks for (its children's requisitions), unless a size is set. Each child fills
// the client area.
class Window : public ChildWindow {
public:
    using Ptr = std::shared_ptr<Window>;

    Window();
    static Ptr create(const std::string& title = {});

protected:
    std::optional<sf::Vector2f> getNaturalSize() const override;
    void childAdded(const Widget::Ptr& widget) override;
    void childRemoved(const Widget::Ptr& widget) override;
    void childRequisitionChanged(Widget& widget) override;
    void sizeChanged() override;
    void refreshLayoutDeep() override;

private:
    void fit();
    void arrange();
};

} // namespace ui
