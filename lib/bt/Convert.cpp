#include "bt/Convert.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>
#include <type_traits>

namespace bt {

namespace {

std::string_view trim(std::string_view text) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r';
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

template <class T>
T parseNumber(std::string_view original, const char* typeName) {
    std::string_view text = trim(original);
    // from_chars rejects a leading '+', which people do write in tree files.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    T value{};
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error == std::errc::invalid_argument || end != last)
        throw RuntimeError("cannot convert \"", original, "\" to ", typeName);
    if (error == std::errc::result_out_of_range)
        throw RuntimeError("value \"", original, "\" is out of range for ", typeName);
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value))
            throw RuntimeError("value \"", original, "\" is not a finite ", typeName);
    }
    return value;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string fromText(std::string_view text, As<std::string>) {
    return std::string(text);
}

int fromText(std::string_view text, As<int>) {
    return parseNumber<int>(text, "int");
}

unsigned fromText(std::string_view text, As<unsigned>) {
    return parseNumber<unsigned>(text, "unsigned int");
}

long fromText(std::string_view text, As<long>) {
    return parseNumber<long>(text, "long");
}

unsigned long fromText(std::string_view text, As<unsigned long>) {
    return parseNumber<unsigned long>(text, "unsigned long");
}

long long fromText(std::string_view text, As<long long>) {
    return parseNumber<long long>(text, "long long");
}

unsigned long long fromText(std::string_view text, As<unsigned long long>) {
    return parseNumber<unsigned long long>(text, "unsigned long long");
}

float fromText(std::string_view text, As<float>) {
    return parseNumber<float>(text, "float");
}

double fromText(std::string_view text, As<double>) {
    return parseNumber<double>(text, "double");
}

bool fromText(std::string_view original, As<bool>) {
    const std::string_view text = trim(original);
    if (text == "1" || equalsIgnoringCase(text, "true"))
        return true;
    if (text == "0" || equalsIgnoringCase(text, "false"))
        return false;
    throw RuntimeError("cannot convert \"", original, "\" to bool");
}

NodeStatus fromText(std::string_view original, As<NodeStatus>) {
    const std::string_view text = trim(original);
    for (NodeStatus status :
         {NodeStatus::IDLE, NodeStatus::RUNNING, NodeStatus::SUCCESS, NodeStatus::FAILURE}) {
        if (text == toStr(status))
            return status;
    }
    throw RuntimeError("cannot convert \"", original, "\" to NodeStatus");
}

std::vector<std::string_view> splitString(std::string_view text, char delimiter) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(delimiter, start);
        if (at == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

} // namespace bt
