#include "game/camera/CameraComponent.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "engine/transform/UnitConversions.hpp"
#include "game/lights/Light.hpp"
#include "game/lights/LightComponent.hpp"
#include "game/render/RenderComponent.hpp"

#include <stdexcept>

namespace tarsk {

void CameraComponent::onPreInit(orv::Entity* entity) {
    owner = entity;
    transform = entity->getComponent<orv::TransformationComponent>();
    const sf::Vector3f position = transform->getPosition();
    view.setViewport({0.f, 0.f, 1.f, 1.f});
    view.setCenter(position.x * orv::PixelsPerUnit, position.y * orv::PixelsPerUnit);
    view.setRotation(transform->getRotation());
    applyScale(transform->getScale());

    transform->getPositionChangedSignal().connectTracked(connections, [this](const sf::Vector3f& moved) {
        view.setCenter(moved.x * orv::PixelsPerUnit, moved.y * orv::PixelsPerUnit);
    });
    transform->getRotationChangedSignal().connectTracked(
        connections, [this](float degrees) { view.setRotation(degrees); });
    transform->getScaleChangedSignal().connectTracked(connections,
                                                      [this](sf::Vector2f scale) { applyScale(scale); });
}

void CameraComponent::applyScale(sf::Vector2f scale) {
    view.setSize(scale.x * viewSize.x * orv::PixelsPerUnit, scale.y * viewSize.y * orv::PixelsPerUnit);
}

void CameraComponent::renderRenderables(sf::RenderTarget& target,
                                        const std::vector<RenderSystem::RenderableEntry>& renderables,
                                        const sf::RenderStates& states) const {
    target.setView(view);
    for (const RenderSystem::RenderableEntry& entry : renderables)
        target.draw(entry.component->getRenderer(), states);
    target.setView(target.getDefaultView());
}

void CameraComponent::renderDrawables(sf::RenderTarget& target, const std::vector<sf::Drawable*>& drawables,
                                      const sf::RenderStates& states) const {
    target.setView(view);
    for (const sf::Drawable* drawable : drawables) {
        if (drawable)
            target.draw(*drawable, states);
    }
    target.setView(target.getDefaultView());
}

void CameraComponent::renderLightMap(const std::vector<const Light*>& lights, sf::Color ambient,
                                     sf::Vector2u windowSize) {
    lightMap.begin(windowSize, ambient, view);
    for (const Light* light : lights)
        lightMap.draw(*light);
    lightMap.end();
}

void CameraComponent::renderLightMap(const std::vector<RenderSystem::LightEntry>& lights, sf::Color ambient,
                                     sf::Vector2u windowSize) {
    lightMap.begin(windowSize, ambient, view);
    for (const RenderSystem::LightEntry& entry : lights)
        lightMap.draw(entry.component->getLight());
    lightMap.end();
}

void CameraComponent::trackEntityPosition(const orv::Entity* entity) {
    tracking.disconnectAll();
    if (!entity)
        return;
    if (!transform)
        throw std::logic_error("CameraComponent cannot track an entity before it is initialized");
    // Following itself would move it on its own move, without end.
    if (entity == owner)
        throw std::invalid_argument("CameraComponent cannot track its own entity");
    entity->getComponent<orv::TransformationComponent>()->getPositionChangedSignal().connectTracked(
        tracking, [this](const sf::Vector3f& position) { transform->setPosition(position); });
}

} // namespace tarsk
