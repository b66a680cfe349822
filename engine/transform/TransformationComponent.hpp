#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "engine/signals/Signal.hpp"

#include <SFML/System/Vector2.hpp>
#include <SFML/System/Vector3.hpp>

#include <memory>
#include <string>

namespace orv {

// Where an entity is: a position in world units with a depth, a rotation in degrees and a
// scale. Saved under "transform".
class TransformationComponent : public SerializableComponent {
public:
    inline static const std::string Name = "transform";

    TransformationComponent() = default;

    // Every key is optional. Short arrays, wrong types and non-finite numbers throw.
    static std::unique_ptr<TransformationComponent> fromJson(const nlohmann::json& data);

    void onPreInit(Entity*) override {}
    void onInit() override {}
    // Throws on a non-finite value, which no JSON reader could take back.
    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    sf::Vector3f getPosition() const { return position; }
    sf::Vector2f getPositionXY() const { return {position.x, position.y}; }
    float getRotation() const { return rotation; }
    sf::Vector2f getScale() const { return scale; }

    // Keeps the depth; listeners get the whole position.
    void setPositionXY(const sf::Vector2f& xy);
    void setPosition(const sf::Vector3f& value);
    // Silent on purpose: the physics body writes its angle back through here every step, and
    // only explicit turns (which listeners emit themselves) should move the body.
    void setRotation(float degrees) { rotation = degrees; }
    void setScale(sf::Vector2f value);

    smartsignals::Signal<void(const sf::Vector3f&)>& getPositionChangedSignal() { return positionChanged; }
    smartsignals::Signal<void(float)>& getRotationChangedSignal() { return rotationChanged; }
    smartsignals::Signal<void(sf::Vector2f)>& getScaleChangedSignal() { return scaleChanged; }

private:
    sf::Vector3f position{0.f, 0.f, 0.f};
    float rotation = 0.f;
    sf::Vector2f scale{1.f, 1.f};
    smartsignals::Signal<void(const sf::Vector3f&)> positionChanged;
    smartsignals::Signal<void(float)> rotationChanged;
    smartsignals::Signal<void(sf::Vector2f)> scaleChanged;
};

} // namespace orv
