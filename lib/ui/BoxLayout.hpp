#pragma once

#include "ui/Group.hpp"

#include <cstddef>
#include <unordered_map>

namespace ui {

// A group that lines its children up along one axis, each taking a share of the length in
// proportion to its ratio (1 unless told otherwise) and the whole cross size. It places and
// sizes its children itself, overriding their own layouts.
class BoxLayout : public Group {
public:
    enum class Orientation { Horizontal, Vertical };

    explicit BoxLayout(Orientation orientation);

    using Container::add;
    void add(const Widget::Ptr& widget, float ratio, const std::string& name = {});
    // An empty stretch of the given ratio.
    void addSpace(float ratio = 1.f);
    // False when the widget or index is not in the layout.
    bool setRatio(const Widget::Ptr& widget, float ratio);
    bool setRatio(std::size_t index, float ratio);
    float getRatio(const Widget::Ptr& widget) const;
    float getRatio(std::size_t index) const;

    void setSpaceBetweenWidgets(float space);
    float getSpaceBetweenWidgets() const { return spacing; }
    Orientation getOrientation() const { return orientation; }

protected:
    void childAdded(const Widget::Ptr& widget) override;
    void childRemoved(const Widget::Ptr& widget) override;
    void sizeChanged() override;
    void refreshLayoutDeep() override;

private:
    void arrange();

    Orientation orientation;
    float spacing = 0.f;
    std::unordered_map<const Widget*, float> ratios;
};

} // namespace ui
