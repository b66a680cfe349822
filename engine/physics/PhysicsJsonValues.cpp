#include "engine/physics/PhysicsJsonValues.hpp"

#include "engine/common/JsonNumber.hpp"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace orv {

float jsonToFloat(const nlohmann::json& value, const std::string& key) {
    return jsonNumber<float>(value, key);
}

long long jsonToInteger(const nlohmann::json& value, const std::string& key, long long min, long long max) {
    const long long number = jsonNumber<long long>(value, key);
    if (number < min || number > max)
        throw JsonError(key, "must be an integer from " + std::to_string(min) + " to " + std::to_string(max));
    return number;
}

b2Vec2 jsonToPoint(const nlohmann::json& value, const std::string& key) {
    return {jsonToFloat(value.at(0), key), jsonToFloat(value.at(1), key)};
}

void readOptional(const nlohmann::json& data, const std::string& key, float& target) {
    if (auto it = data.find(key); it != data.end())
        target = jsonToFloat(*it, key);
}

void readOptional(const nlohmann::json& data, const std::string& key, bool& target) {
    if (auto it = data.find(key); it != data.end())
        target = it->get<bool>();
}

float readFloatAt(const nlohmann::json& data, const std::string& key) {
    return jsonToFloat(data.at(key), key);
}

b2Vec2 readPointAt(const nlohmann::json& data, const std::string& keyX, const std::string& keyY) {
    return {readFloatAt(data, keyX), readFloatAt(data, keyY)};
}

} // namespace orv
