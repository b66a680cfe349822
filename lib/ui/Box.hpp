#pragma once

#include "ui/Container.hpp"

namespace ui {

// A desktop box: packs its children one after another, each as long as its requisition asks
// and as wide as the box, with a fixed spacing between them. Its own requisition is what its
// children need, so windows around it grow and shrink with its content.
class Box : public Container {
public:
    using Ptr = std::shared_ptr<Box>;
    enum class Orientation { Horizontal, Vertical };

    explicit Box(Orientation orientation = Orientation::Vertical, float spacing = 0.f);
    static Ptr create(Orientation orientation = Orientation::Vertical, float spacing = 0.f);

    void pack(const Widget::Ptr& widget) { add(widget); }
    void setSpacing(float spacing);
    float getSpacing() const { return spacing; }
    Orientation getOrientation() const { return orientation; }

protected:
    std::optional<sf::Vector2f> getNaturalSize() const override;
    void childAdded(const Widget::Ptr& widget) override;
    void childRemoved(const Widget::Ptr& widget) override;
    void childRequisitionChanged(Widget& widget) override;
    void sizeChanged() override;
    void refreshLayoutDeep() override;

private:
    void contentChanged();
    void arrange();

    Orientation orientation;
    float spacing;
};

} // namespace ui
