#pragma once

#include "engine/common/JsonNumber.hpp"
#include "engine/common/MissingJsonValue.hpp"

#include <nlohmann/json.hpp>

#include <string>
#include <type_traits>

namespace orv {

// The value at key, converted (numbers through jsonNumber); a missing key is a misuse of the data format.
template <class T>
T getRequiredJsonValue(const nlohmann::json& json, const std::string& key) {
    auto it = json.find(key);
    if (it == json.end())
        throw MissingJsonValue(key);
    if constexpr (std::is_arithmetic_v<T> && !std::is_same_v<T, bool>)
        return jsonNumber<T>(*it, key);
    else
        return it->template get<T>();
}

} // namespace orv
