#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "game/animation/Animation.hpp"
#include "game/content/Identifiers.hpp"

#include <SFML/System/Time.hpp>

#include <memory>
#include <string>

namespace tarsk {

class AnimationDataManager;

// Holds the animation that changes its entity's look each frame. Saved under
// "AnimationComponent" by the animation's id.
class AnimationComponent : public orv::SerializableComponent {
public:
    inline static const std::string& Name = id::component::animation;

    // The animation must not be null (std::invalid_argument).
    explicit AnimationComponent(std::unique_ptr<Animation> animation);

    // The required string "AnimationId", made by the registry. A non-object is the JSON
    // library's type error 305, a non-string id its type error 302, a missing one
    // std::logic_error and an unknown one std::runtime_error.
    static std::unique_ptr<AnimationComponent> fromJson(const nlohmann::json& data,
                                                        const AnimationDataManager& animations);

    void onPreInit(orv::Entity*) override {}
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    void update(const orv::Entity& entity, sf::Time frameTime) { animation->update(entity, frameTime); }
    const Animation& getAnimation() const { return *animation; }

private:
    std::unique_ptr<Animation> animation;
};

} // namespace tarsk
