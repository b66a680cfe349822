#pragma once

#include "game/items/support/ItemTestKit.hpp"

#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/needs/CookingComponent.hpp"
#include "game/needs/NeedsComponent.hpp"
#include "game/orientation/OrientationComponent.hpp"
#include "game/random/RandomNumberGenerator.hpp"

#include <box2d/b2_circle_shape.h>
#include <box2d/b2_polygon_shape.h>

#include <memory>
#include <string>
#include <vector>

namespace actiontest {

using itemtest::Json;

template <class A>
std::vector<std::string> namesOf(const std::vector<std::unique_ptr<A>>& actions) {
    std::vector<std::string> names;
    for (const auto& action : actions)
        names.push_back(action->getDescription());
    return names;
}

inline std::unique_ptr<orv::PhysicsComponent> boxBody(float halfWidth, float halfHeight) {
    b2BodyDef body;
    auto shape = std::make_unique<b2PolygonShape>();
    shape->SetAsBox(halfWidth, halfHeight);
    return orv::PhysicsComponent::make(body, std::move(shape), b2FixtureDef{});
}

struct ActorSpec {
    bool inventory = true;
    bool needs = true;
    tarsk::OrientationComponent::Orientation facing = tarsk::OrientationComponent::SOUTH;
};

// A world with physics, the game's item kinds, and helpers that place actors and targets in it.
// Facing south, an actor at the origin looks down the positive y axis.
class ActionWorld {
public:
    ActionWorld() {
        kit.defineBasics();
        world.registerSystem<orv::PhysicsSystem>();
        world.initSystems();
    }

    const orv::Entity* addActor(sf::Vector2f position, ActorSpec spec = {}) {
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<orv::TransformationComponent>()->setPositionXY(position);
        entity->addComponent<tarsk::OrientationComponent>(spec.facing);
        b2BodyDef body;
        body.type = b2_dynamicBody;
        auto shape = std::make_unique<b2CircleShape>();
        shape->m_radius = 0.3f;
        entity->addComponent(orv::PhysicsComponent::make(body, std::move(shape), b2FixtureDef{}),
                             typeid(orv::PhysicsComponent));
        if (spec.inventory)
            entity->addComponent<tarsk::InventoryComponent>();
        if (spec.needs)
            entity->addComponent<tarsk::NeedsComponent>(tarsk::Needs{50.f, 50.f});
        return add(std::move(entity));
    }

    const orv::Entity* addItem(const std::string& id, sf::Vector2f position) {
        auto entity = kit.items.createItemEntity(id);
        entity->getComponent<orv::TransformationComponent>()->setPositionXY(position);
        return add(std::move(entity));
    }

    const orv::Entity* addFireplace(sf::Vector2f position, const std::string& itemId = "") {
        std::unique_ptr<orv::Entity> entity;
        if (itemId.empty()) {
            entity = std::make_unique<orv::Entity>();
            entity->addComponent<orv::TransformationComponent>();
            entity->addComponent(boxBody(0.5f, 0.5f), typeid(orv::PhysicsComponent));
        } else {
            entity = kit.items.createItemEntity(itemId);
        }
        entity->getComponent<orv::TransformationComponent>()->setPositionXY(position);
        entity->addComponent<tarsk::CookingComponent>(kit.items, random);
        return add(std::move(entity));
    }

    // A target with a body and nothing to do with it.
    const orv::Entity* addRock(sf::Vector2f position) {
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<orv::TransformationComponent>()->setPositionXY(position);
        entity->addComponent(boxBody(0.5f, 0.5f), typeid(orv::PhysicsComponent));
        return add(std::move(entity));
    }

    const orv::Entity* add(std::unique_ptr<orv::Entity> entity) {
        entity->init();
        return world.addEntity(std::move(entity));
    }

    static tarsk::Inventory& inventoryOf(const orv::Entity* entity) {
        return entity->getComponent<tarsk::InventoryComponent>()->getInventory();
    }

    itemtest::ItemKit kit;
    tarsk::RandomNumberGenerator random{1234u};
    orv::World world;
};

} // namespace actiontest
