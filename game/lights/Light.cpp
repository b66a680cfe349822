#include "game/lights/Light.hpp"

#include "game/content/Identifiers.hpp"

#include <utility>

namespace tarsk {

Light::Light(std::string typeName) : typeName(std::move(typeName)) {}

Light::~Light() = default;

nlohmann::json Light::toJson() const {
    return {{id::light::typeKey, typeName}};
}

} // namespace tarsk
