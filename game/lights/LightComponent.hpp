#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "engine/render/Renderable.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "game/content/Identifiers.hpp"
#include "game/lights/Light.hpp"

#include <SFML/System/Vector2.hpp>
#include <SFML/System/Vector3.hpp>

#include <functional>
#include <memory>

namespace orv {
class TransformationComponent;
}

namespace tarsk {

// Keeps a light on its entity, at a fixed offset from the entity's position. Saved under "light".
class LightComponent : public orv::SerializableComponent, public orv::Renderable {
public:
    inline static const std::string& Name = id::component::light;

    // Makes a light of whatever kind the JSON names; the type registry's generic handlers.
    using LightMaker = std::function<std::unique_ptr<Light>(const nlohmann::json&)>;

    // The light's current position becomes the offset from the entity.
    explicit LightComponent(std::unique_ptr<Light> light);

    // "light" (made by makeLight), "initalPositionOffset.x" and "initalPositionOffset.y" are
    // required; a missing one throws std::logic_error.
    static std::unique_ptr<LightComponent> fromJson(const nlohmann::json& data, const LightMaker& makeLight);

    // Needs the entity's transform; from then on the light follows the entity.
    void onPreInit(orv::Entity* entity) override;
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    Light& getLight() const { return *light; }
    sf::Vector2f getInitialPositionOffset() const { return initialPositionOffset; }

private:
    void follow(const sf::Vector3f& position);

    orv::TransformationComponent* transform = nullptr;
    std::unique_ptr<Light> light;
    sf::Vector2f initialPositionOffset;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
