#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace tarsk {

// Records that are read member by member must be objects. Anything else fails the way the
// JSON library fails a member access on it (type error 305), so callers see one kind of error
// whether they index the value themselves or go through here.
inline void requireJsonObject(const nlohmann::json& data) {
    if (!data.is_object())
        throw nlohmann::json::type_error::create(
            305, "cannot use operator[] with a string argument with " + std::string(data.type_name()), &data);
}

} // namespace tarsk
