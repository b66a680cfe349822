#pragma once

#include "game/lights/Light.hpp"

#include <nlohmann/json.hpp>

#include <memory>

namespace tarsk {

// The generic handler for lights: a PointSpotLight for "light_type" "PointSpotLight", null
// (declined) for any other kind. A value that is not an object is the JSON library's type
// error 305; an object without "light_type" its out_of_range.
std::unique_ptr<Light> loadLight(const nlohmann::json& data);

} // namespace tarsk
