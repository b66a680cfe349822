#pragma once

#include "bt/Tree.hpp"
#include "engine/ecs/SerializableComponent.hpp"
#include "engine/navigation/Steering.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "game/ai/Vector2fConversion.hpp"
#include "game/content/Identifiers.hpp"

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class b2Body;

namespace orv {
class Entity;
class PhysicsComponent;
class TransformationComponent;
} // namespace orv

namespace tarsk {

class AiManager;

// Lets an entity act on its own: a behaviour tree from the library, a circular sensor that keeps
// the entities within reach, and a steering object whose force moves the physics body. The AI
// system ticks the tree and applies the force once per frame. Saved under "ai" with the tree's
// name only.
class AiComponent : public orv::SerializableComponent {
public:
    inline static const std::string& Name = id::component::ai;
    static constexpr float DefaultDetectionRadius = 5.f;
    static constexpr std::uint16_t AllCategories = 0xFFFF;
    // How far the sensor may lag behind its entity; it is made larger by as much.
    static constexpr float DetectionSlack = 1.f;
    static constexpr float MaxForce = 100.f;
    static constexpr float MaxSpeed = 60.f;
    // Within this distance of a seek target the entity slows down.
    static constexpr float SeekSlowingRadius = 2.f;
    static constexpr float PathArriveRadius = 2.f;
    static constexpr float PathReachDistance = 0.1f;

    // With a behaviour name the tree is made at once; a name the library lacks throws.
    // The sensor detects the main bodies whose collision category is in detectionMask.
    AiComponent(std::optional<std::string> behavior, AiManager& library,
                float maxDetectionRadius = DefaultDetectionRadius,
                std::uint16_t detectionMask = AllCategories);

    // "behavior" (string), "maxDetectionRadius" and "detectionMaskBits" (numbers) are all
    // optional.
    static std::unique_ptr<AiComponent> fromJson(const nlohmann::json& data, AiManager& library);

    // Needs the entity's transformation and physics components.
    void onPreInit(orv::Entity* entity) override;
    // Registers the detection sensor; the entity must not be in a physics simulation yet.
    void onInit() override;

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    // One tick of the tree, if there is one. A built-in node of the library that cannot use its
    // input (the game's own nodes fail by themselves) stops this tick: the tree is halted, the
    // fault said once, and the next tick starts the tree afresh.
    void tick();
    // Applies the force wished for since the last call, then starts the next frame's wishes with
    // the path and the seek-until-arrive target. Does nothing while the body is not simulated.
    void updateSteering(float seconds);
    // Hands every game node of the tree its entity.
    void injectEntity(const orv::Entity* entity);
    // Says what went wrong in the tree, once per tree (AiManager::reportTreeFault).
    void reportTreeFault(const std::string& text) const;

    // Every main body within maxDetectionRadius, in the order they came; bodies up to twice the
    // slack farther out may be among them.
    const std::vector<const orv::Entity*>& getDetectedEntities() const { return detectedEntities; }
    orv::Steering& getSteering() { return steering; }
    const std::optional<std::string>& getBehavior() const { return behavior; }
    std::optional<bt::Tree>& getTree() { return tree; }
    const std::optional<bt::Tree>& getTree() const { return tree; }
    float getMaxDetectionRadius() const { return maxDetectionRadius; }
    std::uint16_t getDetectionMask() const { return detectionMask; }
    // Null until the entity is in the physics simulation.
    b2Body* getSensorBody() const { return sensorBody; }

    // Walks toward target until within arrivalRadius (inclusive); a second call replaces the
    // target.
    void seekUntilArrive(sf::Vector2f target, float arrivalRadius);
    void abortSeekUntilArrive();
    bool isSeekingUntilArrive() const { return seekActive; }
    void followPath(std::vector<sf::Vector2f> points);

private:
    void onAddedToSimulation();

    orv::TransformationComponent* transform = nullptr;
    orv::PhysicsComponent* physics = nullptr;
    // The root state's, which outlives every world.
    const AiManager* library;
    std::optional<std::string> behavior;
    std::optional<bt::Tree> tree;
    orv::Steering steering;
    float maxDetectionRadius;
    std::uint16_t detectionMask;
    unsigned sensorIndex = 0;
    b2Body* sensorBody = nullptr;
    std::vector<const orv::Entity*> detectedEntities;
    sf::Vector2f seekTarget;
    float seekArrivalRadius = 0.f;
    bool seekActive = false;
    // Last: the slots on the physics component go before anything they touch.
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
