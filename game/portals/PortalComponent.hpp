#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "game/content/Identifiers.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace tarsk {

// A door between worlds: its own id, and optionally a target (a world container's id and the
// id of the portal there) to which it sends the player on touch. Id 0 means not assigned yet;
// the world manager's portal system assigns one when the portal enters a world. Saved under
// "portal".
class PortalComponent : public orv::SerializableComponent {
public:
    inline static const std::string& Name = id::component::portal;

    // The world container's id, then the id of the portal to arrive at.
    using Target = std::pair<std::uint32_t, std::uint64_t>;

    PortalComponent() = default;
    PortalComponent(std::uint64_t id, Target target, bool hasTarget);

    // Every key is optional, and a value that is not an object is a portal with all defaults.
    static std::unique_ptr<PortalComponent> fromJson(const nlohmann::json& data);

    void onPreInit(orv::Entity*) override {}
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    std::uint64_t getId() const { return id; }
    bool hasTarget() const { return targetSet; }
    const Target& getTarget() const { return target; }

    // Only once: an assigned id is part of the saved world and of other portals' targets, so a
    // second assignment throws the C string "cannot init portal id again".
    void initId(std::uint64_t value);

private:
    std::uint64_t id = 0;
    Target target{0, 0};
    bool targetSet = false;
};

} // namespace tarsk
