#pragma once

#include <box2d/b2_fixture.h>
#include <nlohmann/json.hpp>

namespace orv {

// The fixture keys of a physics record. Restitution is neither read nor written; the shape
// pointer is left null for the owner of the shape to set.
b2FixtureDef readFixtureDefinition(const nlohmann::json& data);
void writeFixtureDefinition(const b2FixtureDef& def, nlohmann::json& record);

} // namespace orv
