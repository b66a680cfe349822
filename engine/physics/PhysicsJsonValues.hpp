#pragma once

#include <box2d/b2_math.h>
#include <nlohmann/json.hpp>

#include <string>

namespace orv {

// Checked readers for physics records. A value of the wrong JSON type raises the JSON
// library's type error; a number that is not finite as a float, or out of range, raises
// std::runtime_error naming the key.

float jsonToFloat(const nlohmann::json& value, const std::string& key);
// Truncated towards zero like a plain conversion, then checked against [min, max].
long long jsonToInteger(const nlohmann::json& value, const std::string& key, long long min, long long max);
// A two-number array [x, y].
b2Vec2 jsonToPoint(const nlohmann::json& value, const std::string& key);

// Optional keys: a missing key leaves target as it is.
void readOptional(const nlohmann::json& data, const std::string& key, float& target);
void readOptional(const nlohmann::json& data, const std::string& key, bool& target);

// Keys every record of its kind has: read with at(), so a missing one names itself.
float readFloatAt(const nlohmann::json& data, const std::string& key);
b2Vec2 readPointAt(const nlohmann::json& data, const std::string& keyX, const std::string& keyY);

} // namespace orv
