#include "ui/LayoutParser.hpp"

#include <cctype>
#include <charconv>
#include <stdexcept>

namespace ui {

LayoutNode::Ptr LayoutParser::parse(std::string_view expression) {
    LayoutParser parser(expression);
    if (parser.atEnd())
        parser.fail("empty expression");
    LayoutNode::Ptr node = parser.parseSum();
    if (!parser.atEnd())
        parser.fail("unexpected '" + std::string(1, parser.text[parser.pos]) + "'");
    return node;
}

void LayoutParser::skipSpaces() {
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
}

bool LayoutParser::atEnd() {
    skipSpaces();
    return pos >= text.size();
}

bool LayoutParser::accept(char c) {
    skipSpaces();
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

void LayoutParser::fail(const std::string& reason) const {
    throw std::invalid_argument("invalid layout expression \"" + std::string(text) + "\": " + reason);
}

LayoutNode::Ptr LayoutParser::parseSum() {
    LayoutNode::Ptr node = parseProduct();
    while (true) {
        if (accept('+'))
            node = LayoutNode::binary(LayoutNode::Kind::Add, node, parseProduct());
        else if (accept('-'))
            node = LayoutNode::binary(LayoutNode::Kind::Subtract, node, parseProduct());
        else
            return node;
    }
}

LayoutNode::Ptr LayoutParser::parseProduct() {
    LayoutNode::Ptr node = parseUnary();
    while (true) {
        if (accept('*'))
            node = LayoutNode::binary(LayoutNode::Kind::Multiply, node, parseUnary());
        else if (accept('/'))
            node = LayoutNode::binary(LayoutNode::Kind::Divide, node, parseUnary());
        else
            return node;
    }
}

LayoutNode::Ptr LayoutParser::parseUnary() {
    if (accept('-'))
        return LayoutNode::negate(parseUnary());
    if (accept('+'))
        return parseUnary();
    return parsePrimary();
}

LayoutNode::Ptr LayoutParser::parsePrimary() {
    if (atEnd())
        fail("value expected at the end");
    if (accept('(')) {
        LayoutNode::Ptr inner = parseSum();
        if (!accept(')'))
            fail("missing ')'");
        return inner;
    }
    const char c = text[pos];
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.')
        return parseNumber();
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '&' || c == '_')
        return parseReference();
    fail("unexpected '" + std::string(1, c) + "'");
}

LayoutNode::Ptr LayoutParser::parseNumber() {
    const std::size_t start = pos;
    while (pos < text.size() && (std::isdigit(static_cast<unsigned char>(text[pos])) || text[pos] == '.'))
        ++pos;
    float value = 0.f;
    const char* first = text.data() + start;
    const char* last = text.data() + pos;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        fail("bad number \"" + std::string(first, last) + "\"");
    if (accept('%'))
        return LayoutNode::percent(value);
    return LayoutNode::constant(value);
}

std::string LayoutParser::parseIdentifier() {
    skipSpaces();
    const std::size_t start = pos;
    if (pos < text.size() && text[pos] == '&') {
        ++pos;
        return "&";
    }
    while (pos < text.size() && (std::isalnum(static_cast<unsigned char>(text[pos])) || text[pos] == '_'))
        ++pos;
    if (pos == start)
        fail("name expected");
    return std::string(text.substr(start, pos - start));
}

LayoutNode::Measure LayoutParser::parseMeasure(const std::string& name) {
    if (name == "width")
        return LayoutNode::Measure::Width;
    if (name == "height")
        return LayoutNode::Measure::Height;
    if (name == "size")
        return LayoutNode::Measure::Size;
    fail("unknown name \"" + name + "\"");
}

LayoutNode::Ptr LayoutParser::parseReference() {
    const std::string name = parseIdentifier();
    if (name == "parent" || name == "&") {
        if (!accept('.'))
            fail("'.' expected after \"" + name + "\"");
        return LayoutNode::parent(parseMeasure(parseIdentifier()));
    }
    return LayoutNode::own(parseMeasure(name));
}

} // namespace ui
