#include "app/player/EntityControllerGameState.hpp"

#include "app/input/InputEngine.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/physics/PhysicsComponent.hpp"

namespace tarsk {

EntityControllerGameState::EntityControllerGameState(orv::Entity* entity, InputEngine* input,
                                                     const sf::Time& frameTime)
    : entity(entity), input(input), frameTime(frameTime) {}

void EntityControllerGameState::onInit() {
    // Held signals fire in ascending key order and the handlers assign: of two opposite keys
    // the later code wins (D over A, W over S), of the modifiers Shift over Control.
    input->keyHeld(sf::Keyboard::W).connectTracked(connections, [this] { velocity.y = -force; });
    input->keyHeld(sf::Keyboard::S).connectTracked(connections, [this] { velocity.y = force; });
    input->keyHeld(sf::Keyboard::A).connectTracked(connections, [this] { velocity.x = -force; });
    input->keyHeld(sf::Keyboard::D).connectTracked(connections, [this] { velocity.x = force; });
    input->keyHeld(sf::Keyboard::LShift).connectTracked(connections, [this] { multiplier = RunMultiplier; });
    input->keyHeld(sf::Keyboard::LControl).connectTracked(connections, [this] {
        multiplier = SneakMultiplier;
    });
}

void EntityControllerGameState::onUpdate() {
    const sf::Vector2f push = velocity * multiplier;
    velocity = {0.f, 0.f};
    multiplier = 1.f;

    b2Body* body = entity->getComponent<orv::PhysicsComponent>()->getBody();
    if (!body || body->GetType() != b2_dynamicBody)
        return;
    // Box2D's force application wakes the body and resets its sleep time.
    body->ApplyForceToCenter(b2Vec2(push.x, push.y), true);
}

} // namespace tarsk
