#pragma once

#include "ui/LayoutNode.hpp"

#include <string>
#include <type_traits>

namespace ui {

// One coordinate of a widget's position or size: a constant or a parsed expression that is
// re-evaluated whenever the parent's or the widget's own size changes.
class Layout {
public:
    Layout() = default;
    template <class T>
    requires std::is_arithmetic_v<T> Layout(T value) : constantValue(static_cast<float>(value)) {}
    Layout(const char* expression);
    Layout(const std::string& expression);

    float evaluate(const LayoutContext& context) const;
    bool isConstant() const { return node == nullptr; }
    // The original text of an expression; empty for a constant.
    const std::string& getExpression() const { return expression; }

private:
    LayoutNode::Ptr node;
    float constantValue = 0.f;
    std::string expression;
};

} // namespace ui
