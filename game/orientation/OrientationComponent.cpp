#include "game/orientation/OrientationComponent.hpp"

#include "engine/common/JsonNumber.hpp"
#include "engine/common/MissingJsonValue.hpp"
#include "game/json/JsonObject.hpp"

#include <stdexcept>

namespace tarsk {

OrientationComponent::OrientationComponent(Orientation orientation) : orientation(orientation) {}

std::unique_ptr<OrientationComponent> OrientationComponent::fromJson(const nlohmann::json& data) {
    requireJsonObject(data);
    const auto it = data.find("orientation");
    if (it == data.end())
        throw orv::MissingJsonValue("orientation");
    return std::make_unique<OrientationComponent>(
        static_cast<Orientation>(orv::jsonNumber<std::uint32_t>(*it, "orientation")));
}

nlohmann::json OrientationComponent::toJsonData() const {
    return {{"orientation", std::uint32_t(orientation)}};
}

void OrientationComponent::setOrientation(Orientation value) {
    orientation = value;
    orientationChanged.emit(orientation);
}

float OrientationComponent::angleOf(Orientation orientation) {
    switch (orientation) {
    case NORTH:
        return 180.f;
    case SOUTH:
        return 0.f;
    case WEST:
        return 90.f;
    case EAST:
        return 270.f;
    case NORTH_EAST:
        return 225.f;
    case SOUTH_EAST:
        return 315.f;
    case NORTH_WEST:
        return 135.f;
    case SOUTH_WEST:
        return 45.f;
    }
    return 0.f;
}

} // namespace tarsk
