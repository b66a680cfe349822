#include "game/render/RenderComponent.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/render/ForwardRenderer.hpp"
#include "engine/resources/RequiredJsonValue.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "engine/transform/UnitConversions.hpp"

namespace tarsk {

std::unique_ptr<RenderComponent> RenderComponent::fromJson(const nlohmann::json& data) {
    auto component = std::make_unique<RenderComponent>();
    component->sortingOffset = {orv::getRequiredJsonValue<float>(data, "sortingOffset.x"),
                                orv::getRequiredJsonValue<float>(data, "sortingOffset.y"),
                                orv::getRequiredJsonValue<float>(data, "sortingOffset.z")};
    return component;
}

void RenderComponent::onPreInit(orv::Entity* entity) {
    transform = entity->findComponent<orv::TransformationComponent>();
}

nlohmann::json RenderComponent::toJsonData() const {
    return {{"sortingOffset.x", double(sortingOffset.x)},
            {"sortingOffset.y", double(sortingOffset.y)},
            {"sortingOffset.z", double(sortingOffset.z)}};
}

void RenderComponent::addRenderer(sf::Drawable* drawable) {
    parts.push_back(drawable);
    setRenderer(std::make_unique<orv::ForwardRenderer>(std::vector<sf::Drawable*>(parts)));
}

sf::Vector3f RenderComponent::getSortPosition() const {
    if (!transform)
        return sortingOffset;
    return transform->getPosition() * orv::PixelsPerUnit + sortingOffset;
}

} // namespace tarsk
