#include "game/lights/LoadLight.hpp"

#include "game/content/Identifiers.hpp"
#include "game/json/JsonObject.hpp"
#include "game/lights/PointSpotLight.hpp"

namespace tarsk {

std::unique_ptr<Light> loadLight(const nlohmann::json& data) {
    requireJsonObject(data);
    if (data.at(id::light::typeKey) == PointSpotLight::TypeName)
        return PointSpotLight::fromJson(data);
    return nullptr;
}

} // namespace tarsk
