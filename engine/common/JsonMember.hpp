#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace orv {

// The member `key` of a JSON object, or null when the value is no object or has no such member.
inline const nlohmann::json* findMember(const nlohmann::json& object, const std::string& key) {
    if (!object.is_object())
        return nullptr;
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

} // namespace orv
