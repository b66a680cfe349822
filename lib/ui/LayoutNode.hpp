#pragma once

#include <SFML/System/Vector2.hpp>

#include <memory>

namespace ui {

enum class LayoutAxis { X, Y };

// What a layout expression can see: the parent's inner size and the widget's own size, and
// which axis the value is for ("size" and percentages follow the axis).
struct LayoutContext {
    LayoutAxis axis = LayoutAxis::X;
    sf::Vector2f parentSize;
    sf::Vector2f ownSize;
};

// One node of a parsed layout expression.
class LayoutNode {
public:
    enum class Kind { Constant, Percent, Own, Parent, Add, Subtract, Multiply, Divide, Negate };
    enum class Measure { Width, Height, Size };
    using Ptr = std::shared_ptr<const LayoutNode>;

    static Ptr constant(float value);
    static Ptr percent(float value);
    static Ptr own(Measure measure);
    static Ptr parent(Measure measure);
    static Ptr binary(Kind kind, Ptr lhs, Ptr rhs);
    static Ptr negate(Ptr operand);

    // Division by zero gives 0: a layout must stay finite while a parent has no size yet.
    float evaluate(const LayoutContext& context) const;

    Kind getKind() const { return kind; }

private:
    LayoutNode(Kind kind, float value, Measure measure, Ptr lhs, Ptr rhs);

    static float measureOf(sf::Vector2f size, Measure measure, LayoutAxis axis);

    Kind kind;
    float value;
    Measure measure;
    Ptr lhs;
    Ptr rhs;
};

} // namespace ui
