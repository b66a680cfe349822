#include "tools/assetgen/src/JsonText.hpp"

#include <algorithm>

namespace assetgen {

namespace {

bool isFlat(const nlohmann::json& value) {
    return value.is_array() &&
           std::none_of(value.begin(), value.end(), [](const auto& v) { return v.is_structured(); });
}

void write(const nlohmann::json& value, int indent, std::string& out) {
    const std::string pad(static_cast<std::size_t>(indent + 2), ' ');
    const std::string closePad(static_cast<std::size_t>(indent), ' ');
    if (value.is_object() && !value.empty()) {
        out += "{\n";
        std::size_t i = 0;
        for (auto it = value.begin(); it != value.end(); ++it, ++i) {
            out += pad + nlohmann::json(it.key()).dump() + ": ";
            write(it.value(), indent + 2, out);
            out += i + 1 < value.size() ? ",\n" : "\n";
        }
        out += closePad + "}";
    } else if (value.is_array() && !value.empty() && !isFlat(value)) {
        out += "[\n";
        for (std::size_t i = 0; i < value.size(); ++i) {
            out += pad;
            write(value[i], indent + 2, out);
            out += i + 1 < value.size() ? ",\n" : "\n";
        }
        out += closePad + "]";
    } else if (value.is_array()) {
        out += "[";
        for (std::size_t i = 0; i < value.size(); ++i) {
            out += (i ? ", " : "") + value[i].dump();
        }
        out += "]";
    } else {
        out += value.dump();
    }
}

} // namespace

std::string compactJsonText(const nlohmann::json& value) {
    std::string out;
    write(value, 0, out);
    out += "\n";
    return out;
}

} // namespace assetgen
