#include "engine/physics/PhysicsJsonValues.hpp"

#include "engine/common/Finite.hpp"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace orv {

float jsonToFloat(const nlohmann::json& value, const std::string& key) {
    const double wide = value.get<double>();
    if (!isFiniteAsFloat(wide))
        throw std::runtime_error("physics: \"" + key + "\" holds a non-finite number");
    return static_cast<float>(wide);
}

long long jsonToInteger(const nlohmann::json& value, const std::string& key, long long min, long long max) {
    const double wide = std::trunc(value.get<double>());
    if (!isFinite(wide) || wide < double(min) || wide > double(max))
        throw std::runtime_error("physics: \"" + key + "\" must be an integer from " + std::to_string(min) +
                                 " to " + std::to_string(max));
    return static_cast<long long>(wide);
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
