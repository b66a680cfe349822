#include "game/ai/AiComponent.hpp"

#include "bt/Exceptions.hpp"
#include "engine/common/JsonNumber.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsLimits.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/ai/AiManager.hpp"
#include "game/ai/EntityInjectedBTNode_base.hpp"

#include <box2d/b2_body.h>
#include <box2d/b2_circle_shape.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace tarsk {

namespace {

sf::Vector2f toVector(const b2Vec2& v) {
    return {v.x, v.y};
}

std::optional<bt::Tree> makeTree(const std::optional<std::string>& behavior, AiManager& library) {
    if (!behavior)
        return std::nullopt;
    return library.createTree(*behavior);
}

} // namespace

AiComponent::AiComponent(std::optional<std::string> behavior, AiManager& library, float maxDetectionRadius,
                         std::uint16_t detectionMask)
    : library(&library), behavior(std::move(behavior)), tree(makeTree(this->behavior, library)),
      steering(MaxForce, MaxSpeed, 0.f, 1.f), maxDetectionRadius(maxDetectionRadius),
      detectionMask(detectionMask) {
    // Box2D asserts on a degenerate circle; refuse it while the mistake can still be traced.
    if (!std::isfinite(maxDetectionRadius) || !(maxDetectionRadius > 0.f))
        throw std::invalid_argument("AiComponent: maxDetectionRadius must be a finite number above 0");
    // The sensor circle is checked again when its body is made, which is too late to name the file.
    if (maxDetectionRadius > orv::PhysicsLimits::maxCoordinate)
        throw std::invalid_argument("AiComponent: maxDetectionRadius lies beyond 1e6 world units");
}

std::unique_ptr<AiComponent> AiComponent::fromJson(const nlohmann::json& data, AiManager& library) {
    std::optional<std::string> behavior;
    if (data.contains("behavior"))
        behavior = data.at("behavior").get<std::string>();
    float radius = DefaultDetectionRadius;
    if (data.contains("maxDetectionRadius"))
        radius = orv::jsonNumber<float>(data.at("maxDetectionRadius"), "maxDetectionRadius");
    std::uint16_t mask = AllCategories;
    if (data.contains("detectionMaskBits"))
        mask = orv::jsonNumber<std::uint16_t>(data.at("detectionMaskBits"), "detectionMaskBits");
    return std::make_unique<AiComponent>(std::move(behavior), library, radius, mask);
}

void AiComponent::onPreInit(orv::Entity* entity) {
    transform = entity->getComponent<orv::TransformationComponent>();
    physics = entity->getComponent<orv::PhysicsComponent>();
}

void AiComponent::onInit() {
    auto circle = std::make_unique<b2CircleShape>();
    // Larger by the slack it may lag behind: whatever lies within maxDetectionRadius of the
    // entity is always inside.
    circle->m_radius = maxDetectionRadius + DetectionSlack;
    orv::SensorBodyDefinition sensor;
    sensor.followSlack = DetectionSlack;
    // Bodies outside the mask never touch the sensor: no contact to keep for them at all.
    b2FixtureDef fixture;
    fixture.filter.maskBits = detectionMask;
    sensor.addFixture(fixture, std::move(circle));
    sensorIndex = physics->registerSensorBody(std::move(sensor));

    auto signals = physics->getSensorSignal(sensorIndex);
    signals.begin.connectTracked(connections,
                                 [this](const orv::Entity* other) { detectedEntities.push_back(other); });
    signals.end.connectTracked(connections,
                               [this](const orv::Entity* other) { std::erase(detectedEntities, other); });
    physics->addedToSimulation.connectTracked(connections, [this] { onAddedToSimulation(); });
    physics->removedFromSimulation.connectTracked(connections, [this] {
        sensorBody = nullptr;
        detectedEntities.clear();
    });
}

void AiComponent::onAddedToSimulation() {
    const b2Body* body = physics->getBody();
    steering.setOutputScale(body->GetMass());
    steering.update(toVector(body->GetPosition()), toVector(body->GetLinearVelocity()));
    sensorBody = physics->getSensorBody(sensorIndex);
}

nlohmann::json AiComponent::toJsonData() const {
    nlohmann::json data = nlohmann::json::object();
    if (behavior)
        data["behavior"] = *behavior;
    return data;
}

void AiComponent::tick() {
    if (!tree)
        return;
    try {
        tree->tickRoot();
    } catch (const bt::RuntimeError& error) {
        reportTreeFault(std::string(error.what()) + "; the tree starts again");
        tree->haltTree();
    }
}

void AiComponent::updateSteering(float seconds) {
    if (!physics || !physics->isInSimulation())
        return;
    b2Body* body = physics->getBody();
    const sf::Vector2f force = steering.calculate(seconds);
    // No force, no push: a resting body may fall asleep.
    if (body->GetType() == b2_dynamicBody && force != sf::Vector2f())
        physics->applyForceToCenter({force.x, force.y});
    steering.setOutputScale(body->GetMass());
    steering.update(toVector(body->GetPosition()), toVector(body->GetLinearVelocity()));

    if (!seekActive)
        return;
    const sf::Vector2f offset = transform->getPositionXY() - seekTarget;
    if (seekArrivalRadius >= std::hypot(offset.x, offset.y))
        seekActive = false;
    else
        steering.seek(seekTarget, SeekSlowingRadius);
}

void AiComponent::injectEntity(const orv::Entity* entity) {
    if (!tree)
        return;
    for (const auto& node : tree->getNodes()) {
        if (auto* injected = dynamic_cast<EntityInjectedBTNode_base*>(node.get()))
            injected->setEntity(entity);
    }
}

void AiComponent::seekUntilArrive(sf::Vector2f target, float arrivalRadius) {
    // Refused here rather than at the next steering update, far from the caller.
    if (!std::isfinite(target.x) || !std::isfinite(target.y))
        throw std::invalid_argument("AiComponent::seekUntilArrive: target must be finite");
    seekTarget = target;
    seekArrivalRadius = arrivalRadius;
    seekActive = true;
}

void AiComponent::abortSeekUntilArrive() {
    seekActive = false;
}

void AiComponent::reportTreeFault(const std::string& text) const {
    library->reportTreeFault(behavior.value_or(""), text);
}

void AiComponent::followPath(std::vector<sf::Vector2f> points) {
    steering.setPath(std::move(points), PathArriveRadius, PathReachDistance);
}

} // namespace tarsk
