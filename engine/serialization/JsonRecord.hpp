#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace orv {

// Reading members of saved records. A wrong shape or a missing member is an orv::JsonError
// ("must be an object, but is array"), with the member's key as its path where there is one.

// The member, which must be there ("<key>: is missing" otherwise).
const nlohmann::json& requiredMember(const nlohmann::json& record, const std::string& key);

// The member, or a null value when it is missing.
const nlohmann::json& memberOrNull(const nlohmann::json& record, const std::string& key);

// The member, which must be there and be an array.
const nlohmann::json& requiredArray(const nlohmann::json& record, const std::string& key);

// Throws unless the value is an object.
void requireObject(const nlohmann::json& value);

// Throws unless the value is an array.
void requireArray(const nlohmann::json& value);

} // namespace orv
