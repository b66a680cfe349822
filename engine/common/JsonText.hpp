#pragma once

#include "engine/common/JsonError.hpp"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <istream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

namespace orv {

// Every document the game reads goes through here. Reading, copying, writing and destroying a JSON
// value recurse once per level, so a document nested deeper than this is refused before it is
// parsed; the game's own files stay far below it.
inline constexpr std::size_t MaxJsonDepth = 256;

namespace detail {

// Where the first value of text ends when it is an array or object (npos for a scalar), after
// checking that it nests no deeper than MaxJsonDepth. Brackets inside strings do not count.
inline std::size_t endOfNestedValue(std::string_view text) {
    std::size_t depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > MaxJsonDepth)
                throw JsonError("the document is nested deeper than " + std::to_string(MaxJsonDepth) +
                                " levels");
        } else if (c == ']' || c == '}') {
            if (depth == 0 || --depth == 0)
                return i + 1;
        } else if (depth == 0 && c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            return std::string_view::npos;
        }
    }
    return std::string_view::npos;
}

} // namespace detail

// The whole text as one JSON document (comments are not allowed, nothing may follow the value).
inline nlohmann::json parseJsonText(std::string_view text) {
    detail::endOfNestedValue(text);
    return nlohmann::json::parse(text, nullptr, true, false);
}

// The first JSON value of the text, as stream extraction reads it: what follows is not examined.
inline nlohmann::json parseFirstJsonValue(std::string_view text) {
    const std::size_t end = detail::endOfNestedValue(text);
    if (end != std::string_view::npos)
        return nlohmann::json::parse(text.substr(0, end), nullptr, true, false);
    nlohmann::json value;
    std::istringstream in{std::string(text)};
    in >> value;
    return value;
}

inline std::string readAllText(std::istream& in) {
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace orv
