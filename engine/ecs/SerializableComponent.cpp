#include "engine/ecs/SerializableComponent.hpp"

namespace orv {

nlohmann::json SerializableComponent::toJson() const {
    return toJsonData();
}

} // namespace orv
