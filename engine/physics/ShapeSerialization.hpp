#pragma once

#include <box2d/b2_shape.h>
#include <nlohmann/json.hpp>

#include <memory>

namespace orv {

// A shape record: "shape_type" (Box2D's type number) and the shape's Box2D member names.
// Edge and chain records carry "m_radius" as the text "b2_polygonRadius", which is never read
// back: those shapes always get Box2D's polygon radius.
nlohmann::json serializeShape(const b2Shape& shape);

// Every key of the record's type is required. Records Box2D would refuse (or abort on) raise
// std::runtime_error; a polygon "count" below 1 raises std::out_of_range.
std::unique_ptr<b2Shape> deserializeShape(const nlohmann::json& record);

} // namespace orv
