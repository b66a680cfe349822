#include "game/lights/LightComponent.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/render/ForwardRenderer.hpp"
#include "engine/resources/RequiredJsonValue.hpp"
#include "engine/transform/TransformationComponent.hpp"

#include <stdexcept>
#include <utility>

namespace tarsk {

LightComponent::LightComponent(std::unique_ptr<Light> light) : light(std::move(light)) {
    if (!this->light)
        throw std::invalid_argument("LightComponent needs a light");
    initialPositionOffset = this->light->getPosition();
    setRenderer(std::make_unique<orv::ForwardRenderer>(&this->light->getRenderer()));
}

std::unique_ptr<LightComponent> LightComponent::fromJson(const nlohmann::json& data,
                                                         const LightMaker& makeLight) {
    auto component =
        std::make_unique<LightComponent>(makeLight(orv::getRequiredJsonValue<nlohmann::json>(data, "light")));
    component->initialPositionOffset = {orv::getRequiredJsonValue<float>(data, "initalPositionOffset.x"),
                                        orv::getRequiredJsonValue<float>(data, "initalPositionOffset.y")};
    return component;
}

void LightComponent::onPreInit(orv::Entity* entity) {
    transform = entity->getComponent<orv::TransformationComponent>();
    follow(transform->getPosition());
    transform->getPositionChangedSignal().connectTracked(
        connections, [this](const sf::Vector3f& position) { follow(position); });
}

void LightComponent::follow(const sf::Vector3f& position) {
    light->setPosition(sf::Vector2f(position.x, position.y) + initialPositionOffset);
}

nlohmann::json LightComponent::toJsonData() const {
    return {{"light", light->toJson()},
            {"initalPositionOffset.x", double(initialPositionOffset.x)},
            {"initalPositionOffset.y", double(initialPositionOffset.y)}};
}

} // namespace tarsk
