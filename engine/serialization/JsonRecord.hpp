#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace orv {

// Reading members of saved records. A record that is not an object fails as the JSON library's
// operator[] would (type error 305), so a wrong shape is reported the same way wherever it is met.

// The member, which must be there (the JSON library's at(): out_of_range 403 when missing).
const nlohmann::json& requiredMember(const nlohmann::json& record, const std::string& key);

// The member, or a null value when it is missing.
const nlohmann::json& memberOrNull(const nlohmann::json& record, const std::string& key);

// The member, which must be there and be an array (type error 302 otherwise).
const nlohmann::json& requiredArray(const nlohmann::json& record, const std::string& key);

// Throws type error 305 unless the value is an object.
void requireObject(const nlohmann::json& value);

// Throws type error 302 unless the value is an array.
void requireArray(const nlohmann::json& value);

} // namespace orv
