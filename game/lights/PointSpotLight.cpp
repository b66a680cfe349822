#include "game/lights/PointSpotLight.hpp"

#include "engine/common/Finite.hpp"
#include "engine/common/JsonNumber.hpp"
#include "game/lights/PointSpotLightRenderer.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace tarsk {

namespace {

float checkedRadius(float radius) {
    if (!orv::isFinite(radius) || radius <= 0.f || radius > PointSpotLight::MaxRadius)
        throw std::invalid_argument("PointSpotLight radius must be a positive finite number of at most " +
                                    std::to_string(int(PointSpotLight::MaxRadius)) + " units, got " +
                                    std::to_string(radius));
    return radius;
}

float clampedFocus(float focus) {
    return std::isnan(focus) ? 0.f : std::clamp(focus, 0.f, 1.f);
}

std::uint8_t readChannel(const nlohmann::json& data, const char* key) {
    return static_cast<std::uint8_t>(std::clamp(orv::jsonNumber<double>(data.at(key), key), 0.0, 255.0));
}

} // namespace

PointSpotLight::PointSpotLight(float radius, float focus, sf::Color color)
    : Light(TypeName), color(color), radius(checkedRadius(radius)), focus(clampedFocus(focus)) {
    setRenderer(std::make_unique<PointSpotLightRenderer>(*this));
}

std::unique_ptr<PointSpotLight> PointSpotLight::fromJson(const nlohmann::json& data) {
    const sf::Color color(readChannel(data, "color.r"), readChannel(data, "color.g"),
                          readChannel(data, "color.b"), readChannel(data, "color.a"));
    const float focus = orv::jsonNumber<float>(data.at("focus"), "focus");
    const float radius = orv::jsonNumber<float>(data.at("radius"), "radius");
    return std::make_unique<PointSpotLight>(radius, focus, color);
}

nlohmann::json PointSpotLight::toJson() const {
    nlohmann::json data = Light::toJson();
    data["color.r"] = unsigned(color.r);
    data["color.g"] = unsigned(color.g);
    data["color.b"] = unsigned(color.b);
    data["color.a"] = unsigned(color.a);
    data["radius"] = double(radius);
    data["focus"] = double(focus);
    return data;
}

} // namespace tarsk
