#include "bt/Convert.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <system_error>

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
    return value;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

template <>
std::string convertFromString<std::string>(std::string_view text) {
    return std::string(text);
}

template <>
int convertFromString<int>(std::string_view text) {
    return parseNumber<int>(text, "int");
}

template <>
unsigned convertFromString<unsigned>(std::string_view text) {
    return parseNumber<unsigned>(text, "unsigned int");
}

template <>
long convertFromString<long>(std::string_view text) {
    return parseNumber<long>(text, "long");
}

template <>
unsigned long convertFromString<unsigned long>(std::string_view text) {
    return parseNumber<unsigned long>(text, "unsigned long");
}

template <>
long long convertFromString<long long>(std::string_view text) {
    return parseNumber<long long>(text, "long long");
}

template <>
unsigned long long convertFromString<unsigned long long>(std::string_view text) {
    return parseNumber<unsigned long long>(text, "unsigned long long");
}

template <>
float convertFromString<float>(std::string_view text) {
    return parseNumber<float>(text, "float");
}

template <>
double convertFromString<double>(std::string_view text) {
    return parseNumber<double>(text, "double");
}

template <>
bool convertFromString<bool>(std::string_view original) {
    const std::string_view text = trim(original);
    if (text == "1" || equalsIgnoringCase(text, "true"))
        return true;
    if (text == "0" || equalsIgnoringCase(text, "false"))
        return false;
    throw RuntimeError("cannot convert \"", original, "\" to bool");
}

template <>
NodeStatus convertFromString<NodeStatus>(std::string_view original) {
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
