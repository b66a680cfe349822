#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "game/content/Identifiers.hpp"

#include <memory>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class AnimationComponent;
class TimeSystem;

// Runs the animation of every entity that has one, once per frame with the frame's game time.
// Saved as "AnimationSystem", without data.
class AnimationSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string& TypeName = id::system::animation;

    AnimationSystem();

    static std::unique_ptr<AnimationSystem> create(const nlohmann::json& data);

    // Needs the world's time system. Only entities added from here on are animated.
    void onPreInit(orv::World* world) override;
    void onInit() override {}
    // Every listed animation, in order of arrival.
    void onUpdate() override;

    const std::string& getSystemTypeName() const override { return TypeName; }

    std::vector<const orv::Entity*> getAnimated() const { return animated.entities(); }

private:
    TimeSystem* timeSystem = nullptr;
    orv::EntityTracker<AnimationComponent> animated;
};

} // namespace tarsk
