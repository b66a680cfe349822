#pragma once

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

namespace orv {

// The value at key, converted; a missing key is a misuse of the data format.
template <class T>
T getRequiredJsonValue(const nlohmann::json& json, const std::string& key) {
    auto it = json.find(key);
    if (it == json.end())
        throw std::logic_error("json does not contain required value");
    return it->template get<T>();
}

} // namespace orv
