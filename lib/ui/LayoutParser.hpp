#pragma once

#include "ui/LayoutNode.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace ui {

// Parses layout expressions such as "parent.width - width - 20", "(&.size - size) / 2" or
// "50%-width/2": numbers, percentages of the parent, + - * /, unary minus, parentheses, the
// widget's own width/height/size and the parent's ("parent." or "&."). Throws
// std::invalid_argument naming the expression and the fault.
class LayoutParser {
public:
    static LayoutNode::Ptr parse(std::string_view expression);

private:
    explicit LayoutParser(std::string_view text) : text(text) {}

    LayoutNode::Ptr parseSum();
    LayoutNode::Ptr parseProduct();
    LayoutNode::Ptr parseUnary();
    LayoutNode::Ptr parsePrimary();
    LayoutNode::Ptr parseNumber();
    LayoutNode::Ptr parseReference();
    std::string parseIdentifier();
    LayoutNode::Measure parseMeasure(const std::string& name);

    void skipSpaces();
    bool accept(char c);
    bool atEnd();
    [[noreturn]] void fail(const std::string& reason) const;

    std::string_view text;
    std::size_t pos = 0;
};

} // namespace ui
