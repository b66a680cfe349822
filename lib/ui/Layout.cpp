#include "ui/Layout.hpp"

#include "ui/LayoutParser.hpp"

namespace ui {

Layout::Layout(const char* expression) : Layout(std::string(expression)) {}

Layout::Layout(const std::string& expression) : expression(expression) {
    LayoutNode::Ptr parsed = LayoutParser::parse(expression);
    // Plain numbers stay constants, so a widget laid out with "20" behaves like one given 20.
    if (parsed->getKind() == LayoutNode::Kind::Constant)
        constantValue = parsed->evaluate({});
    else
        node = std::move(parsed);
}

float Layout::evaluate(const LayoutContext& context) const {
    return node ? node->evaluate(context) : constantValue;
}

} // namespace ui
