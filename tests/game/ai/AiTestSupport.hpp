#pragma once

#include "bt/BehaviorTree.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/tiles/Tile.hpp"
#include "engine/tiles/Tileset.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/ai/AiComponent.hpp"
#include "game/ai/AiManager.hpp"
#include "game/ai/AiSystem.hpp"
#include "game/combat/AttackManager.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/combat/FighterSystem.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/random/RandomNumberGenerator.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/terrain/TerrainSystem.hpp"
#include "game/time/TimeSystem.hpp"
#include "support/TempFolder.hpp"

#include <box2d/b2_circle_shape.h>
#include <box2d/b2_polygon_shape.h>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace aitest {

// One tree named "Main" around the given nodes.
inline std::string treeText(const std::string& body) {
    return R"(<root main_tree_to_execute="Main"><BehaviorTree ID="Main">)" + body + "</BehaviorTree></root>";
}

// The behaviour-tree library over a folder of the given trees (name -> text), with its services.
struct Library {
    explicit Library(const std::map<std::string, std::string>& trees, std::uint32_t seed = 7) : random(seed) {
        for (const auto& [name, text] : trees)
            folder.write(name + ".xml", text);
        manager = std::make_unique<tarsk::AiManager>(resources, random, attacks, folder.path());
    }
    tarsk::AiManager& operator*() { return *manager; }
    tarsk::AiManager* operator->() { return manager.get(); }

    testsupport::TempFolder folder;
    orv::ResourceManager resources;
    tarsk::RandomNumberGenerator random;
    tarsk::AttackManager attacks;
    std::unique_ptr<tarsk::AiManager> manager;
};

inline std::unique_ptr<orv::PhysicsComponent> ballBody(b2BodyType type = b2_dynamicBody, float radius = 0.3f,
                                                       float density = 1.f) {
    b2BodyDef body;
    body.type = type;
    auto shape = std::make_unique<b2CircleShape>();
    shape->m_radius = radius;
    b2FixtureDef fixture;
    fixture.density = density;
    return orv::PhysicsComponent::make(body, std::move(shape), fixture);
}

// A body shaped and damped like a frog's.
inline std::unique_ptr<orv::PhysicsComponent> frogBody() {
    b2BodyDef body;
    body.type = b2_dynamicBody;
    body.linearDamping = 0.95f;
    body.allowSleep = false;
    body.fixedRotation = true;
    auto shape = std::make_unique<b2PolygonShape>();
    shape->SetAsBox(0.4f, 0.2f, {0.f, 0.3f}, 0.f);
    b2FixtureDef fixture;
    fixture.density = 1.f;
    return orv::PhysicsComponent::make(body, std::move(shape), fixture);
}

// An uninitialised entity with a transformation at position and, when given, a body.
inline std::unique_ptr<orv::Entity> entityAt(sf::Vector2f position,
                                             std::unique_ptr<orv::PhysicsComponent> body = nullptr) {
    auto entity = std::make_unique<orv::Entity>();
    entity->addComponent<orv::TransformationComponent>()->setPositionXY(position);
    if (body)
        entity->addComponent(std::move(body), typeid(orv::PhysicsComponent));
    return entity;
}

inline void addAi(orv::Entity& entity, std::unique_ptr<tarsk::AiComponent> ai) {
    entity.addComponent(std::move(ai), typeid(tarsk::AiComponent));
}

inline void addFighter(orv::Entity& entity, std::vector<std::string> factions) {
    entity.addComponent<tarsk::HealthComponent>(100.f, 100.f);
    entity.addComponent<tarsk::FighterComponent>(10u, std::vector<std::string>{}, std::move(factions));
}

template <class T>
T* of(const orv::Entity* entity) {
    return entity->getComponent<T>();
}

inline sf::Vector2f positionOf(const orv::Entity* entity) {
    return of<orv::TransformationComponent>(entity)->getPositionXY();
}

inline orv::Tileset grassAndSand() {
    std::vector<orv::Tile> tiles;
    tiles.emplace_back("GRASS", "Grass", std::vector<std::string>{}, sf::IntRect(0, 0, 16, 16));
    tiles.emplace_back("SAND", "Sand", std::vector<std::string>{}, sf::IntRect(16, 0, 16, 16));
    return orv::Tileset(std::move(tiles), nullptr);
}

// A world with the systems the AI lives among, in the order the game registers them.
struct AiWorld {
    // Without the AI system, a test ticks the trees itself.
    explicit AiWorld(bool withAiSystem = true) {
        time = world.registerSystem<tarsk::TimeSystem>();
        world.registerSystem<tarsk::RenderSystem>();
        physics = world.registerSystem<orv::PhysicsSystem>();
        world.registerSystem<tarsk::TerrainSystem>();
        world.registerSystem<tarsk::FighterSystem>([](const std::string& id) -> std::unique_ptr<orv::Entity> {
            throw std::out_of_range("no entity factory " + id);
        });
        if (withAiSystem)
            ai = world.registerSystem<tarsk::AiSystem>();
        world.initSystems();
    }

    const orv::Entity* add(std::unique_ptr<orv::Entity> entity) {
        if (!entity->getInitStatus())
            entity->init();
        return world.addEntity(std::move(entity));
    }

    // An all-grass ground of the given size, in cells.
    const orv::Entity* addTerrain(const orv::Tileset& tileset, sf::Vector2u size) {
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<tarsk::RenderComponent>();
        entity->addComponent<tarsk::TerrainComponent>(tileset, size);
        return add(std::move(entity));
    }

    // One frame as the game runs it: the time system and the physics step get the frame time.
    void frame(sf::Time duration = sf::seconds(1.f / 64.f)) {
        time->setFrameTime(duration);
        physics->setTimeStep(duration);
        world.update();
    }

    orv::World world;
    tarsk::TimeSystem* time = nullptr;
    orv::PhysicsSystem* physics = nullptr;
    tarsk::AiSystem* ai = nullptr;
};

// One AI entity with tree "main" (around the given nodes) in a world without an AI system: the
// test ticks the tree itself, with the entity already handed to the nodes. `extend` adds further
// components to the entity before it is initialised.
struct Scene {
    explicit Scene(const std::string& body, sf::Vector2f at = {0, 0},
                   std::unique_ptr<orv::PhysicsComponent> physics = ballBody(), std::uint32_t seed = 7,
                   const std::function<void(orv::Entity&)>& extend = {})
        : library({{"main", treeText(body)}}, seed), w(false) {
        auto entity = entityAt(at, std::move(physics));
        addAi(*entity, std::make_unique<tarsk::AiComponent>("main", *library));
        if (extend)
            extend(*entity);
        agent = w.add(std::move(entity));
        ai = of<tarsk::AiComponent>(agent);
        ai->injectEntity(agent);
    }

    bt::NodeStatus tick() { return ai->getTree()->tickRoot(); }

    // A frame as the game runs it: the other systems first, then the tree and the steering.
    bt::NodeStatus frame(sf::Time duration = sf::seconds(1.f / 64.f)) {
        w.frame(duration);
        const bt::NodeStatus status = tick();
        ai->updateSteering(w.physics->getStepTime().asSeconds());
        return status;
    }

    bt::Blackboard& blackboard() { return *ai->getTree()->getRootBlackboard(); }
    sf::Vector2f wish() const { return ai->getSteering().getDesiredVelocity(); }

    // The first node of the tree of type T.
    template <class T>
    T* node() {
        for (const auto& candidate : ai->getTree()->getNodes()) {
            if (auto* found = dynamic_cast<T*>(candidate.get()))
                return found;
        }
        return nullptr;
    }

    Library library;
    AiWorld w;
    const orv::Entity* agent = nullptr;
    tarsk::AiComponent* ai = nullptr;
};

} // namespace aitest
