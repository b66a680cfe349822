#include "ui/LayoutNode.hpp"

#include <stdexcept>

namespace ui {

LayoutNode::LayoutNode(Kind kind, float value, Measure measure, Ptr lhs, Ptr rhs)
    : kind(kind), value(value), measure(measure), lhs(std::move(lhs)), rhs(std::move(rhs)) {}

LayoutNode::Ptr LayoutNode::constant(float value) {
    return Ptr(new LayoutNode(Kind::Constant, value, Measure::Size, nullptr, nullptr));
}

LayoutNode::Ptr LayoutNode::percent(float value) {
    return Ptr(new LayoutNode(Kind::Percent, value, Measure::Size, nullptr, nullptr));
}

LayoutNode::Ptr LayoutNode::own(Measure measure) {
    return Ptr(new LayoutNode(Kind::Own, 0.f, measure, nullptr, nullptr));
}

LayoutNode::Ptr LayoutNode::parent(Measure measure) {
    return Ptr(new LayoutNode(Kind::Parent, 0.f, measure, nullptr, nullptr));
}

LayoutNode::Ptr LayoutNode::binary(Kind kind, Ptr lhs, Ptr rhs) {
    if (kind != Kind::Add && kind != Kind::Subtract && kind != Kind::Multiply && kind != Kind::Divide)
        throw std::invalid_argument("ui::LayoutNode::binary(): not a binary operator");
    return Ptr(new LayoutNode(kind, 0.f, Measure::Size, std::move(lhs), std::move(rhs)));
}

LayoutNode::Ptr LayoutNode::negate(Ptr operand) {
    return Ptr(new LayoutNode(Kind::Negate, 0.f, Measure::Size, std::move(operand), nullptr));
}

float LayoutNode::measureOf(sf::Vector2f size, Measure measure, LayoutAxis axis) {
    switch (measure) {
    case Measure::Width:
        return size.x;
    case Measure::Height:
        return size.y;
    case Measure::Size:
        break;
    }
    return axis == LayoutAxis::X ? size.x : size.y;
}

float LayoutNode::evaluate(const LayoutContext& context) const {
    switch (kind) {
    case Kind::Constant:
        return value;
    case Kind::Percent:
        return value / 100.f * measureOf(context.parentSize, Measure::Size, context.axis);
    case Kind::Own:
        return measureOf(context.ownSize, measure, context.axis);
    case Kind::Parent:
        return measureOf(context.parentSize, measure, context.axis);
    case Kind::Add:
        return lhs->evaluate(context) + rhs->evaluate(context);
    case Kind::Subtract:
        return lhs->evaluate(context) - rhs->evaluate(context);
    case Kind::Multiply:
        return lhs->evaluate(context) * rhs->evaluate(context);
    case Kind::Divide: {
        const float divisor = rhs->evaluate(context);
        return divisor == 0.f ? 0.f : lhs->evaluate(context) / divisor;
    }
    case Kind::Negate:
        return -lhs->evaluate(context);
    }
    return 0.f;
}

} // namespace ui
