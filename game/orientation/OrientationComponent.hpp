#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "engine/signals/Signal.hpp"
#include "game/content/Identifiers.hpp"

#include <cstdint>
#include <memory>

namespace tarsk {

// Which of eight directions an entity faces; the player's animation draws by it and oriented
// attacks aim by its angle. Saved under "orientation".
class OrientationComponent : public orv::SerializableComponent {
public:
    inline static const std::string& Name = id::component::orientation;

    // Stored codes; other values may be stored and face angle 0.
    enum Orientation : std::uint32_t {
        NORTH = 0,
        SOUTH = 1,
        WEST = 2,
        EAST = 3,
        NORTH_EAST = 4,
        SOUTH_EAST = 5,
        NORTH_WEST = 6,
        SOUTH_WEST = 7,
    };

    explicit OrientationComponent(Orientation orientation = SOUTH);

    // The required "orientation" number, taken as a 32-bit integer. A non-object is the JSON
    // library's type error 305, a missing key std::logic_error.
    static std::unique_ptr<OrientationComponent> fromJson(const nlohmann::json& data);

    void onPreInit(orv::Entity*) override {}
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    Orientation getOrientation() const { return orientation; }
    // Emits the changed signal even when the code stays the same.
    void setOrientation(Orientation value);

    // Degrees clockwise on the screen from straight down: SOUTH 0, WEST 90, NORTH 180, EAST 270.
    float getAngle() const { return angleOf(orientation); }
    static float angleOf(Orientation orientation);

    smartsignals::Signal<void(const Orientation&)>& getOrientationChangedSignal() {
        return orientationChanged;
    }

private:
    Orientation orientation;
    smartsignals::Signal<void(const Orientation&)> orientationChanged;
};

} // namespace tarsk
