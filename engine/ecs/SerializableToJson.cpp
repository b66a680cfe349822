#include "engine/ecs/SerializableToJson.hpp"

namespace orv {

SerializableToJson::~SerializableToJson() = default;

} // namespace orv
