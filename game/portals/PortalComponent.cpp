#include "game/portals/PortalComponent.hpp"

#include "engine/common/JsonNumber.hpp"

namespace tarsk {

PortalComponent::PortalComponent(std::uint64_t id, Target target, bool hasTarget)
    : id(id), target(std::move(target)), targetSet(hasTarget) {}

std::unique_ptr<PortalComponent> PortalComponent::fromJson(const nlohmann::json& data) {
    auto portal = std::make_unique<PortalComponent>();
    if (!data.is_object())
        return portal;
    if (auto it = data.find("id"); it != data.end())
        portal->id = orv::jsonNumber<std::uint64_t>(*it, "id");
    if (auto it = data.find("target_world"); it != data.end())
        portal->target.first =
            it->is_boolean() ? it->get<bool>() : orv::jsonNumber<std::uint32_t>(*it, "target_world");
    if (auto it = data.find("target_id"); it != data.end())
        portal->target.second = orv::jsonNumber<std::uint64_t>(*it, "target_id");
    if (auto it = data.find("hasTarget"); it != data.end())
        portal->targetSet = it->get<bool>();
    return portal;
}

nlohmann::json PortalComponent::toJsonData() const {
    return {
        {"id", id}, {"target_world", target.first}, {"target_id", target.second}, {"hasTarget", targetSet}};
}

void PortalComponent::initId(std::uint64_t value) {
    if (id != 0)
        throw "cannot init portal id again";
    id = value;
}

} // namespace tarsk
