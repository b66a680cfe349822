#pragma once

#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"

#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>

namespace orv {
class Entity;
}

namespace tarsk {

class InputEngine;

// Walks an entity (the player) with W, A, S and D by pushing its body once per frame; left Shift
// runs, left Control sneaks. The body's damping turns the push into a steady pace.
class EntityControllerGameState : public orv::GameState {
public:
    static constexpr float Force = 18000.f;
    static constexpr float RunMultiplier = 2.f;
    static constexpr float SneakMultiplier = 0.25f;

    // The entity needs a PhysicsComponent.
    EntityControllerGameState(orv::Entity* entity, InputEngine* input, const sf::Time& frameTime);

protected:
    void onInit() override;
    void onUpdate() override;
    void onDestroy() override {}

private:
    orv::Entity* entity;
    InputEngine* input;
    // Kept for frame-based control; the push itself is a force, which the step integrates.
    const sf::Time& frameTime;
    float force = Force;
    sf::Vector2f velocity{0.f, 0.f};
    float multiplier = 1.f;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
