#pragma once

#include <box2d/b2_body.h>
#include <nlohmann/json.hpp>

namespace orv {

// The body keys of a physics record, named after the Box2D expressions they hold.

// "body->GetType()" is required (std::logic_error "json does not contain required value");
// the other keys keep Box2D's defaults when absent.
b2BodyDef readBodyDefinition(const nlohmann::json& data);
// Writes all fifteen body keys into record.
void writeBodyDefinition(const b2BodyDef& def, nlohmann::json& record);
// The state of a live body as a definition: where it is and how it moves right now.
b2BodyDef snapshotBody(const b2Body& body);

} // namespace orv
