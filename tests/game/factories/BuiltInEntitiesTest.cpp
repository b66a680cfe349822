#include "ContentKit.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/SerializableComponent.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/content/Identifiers.hpp"
#include "game/dialogue/DialogueSenderComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/lights/LightComponent.hpp"
#include "game/lights/PointSpotLight.hpp"
#include "game/needs/CookingComponent.hpp"
#include "game/needs/NeedsComponent.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/render/SpriteComponent.hpp"
#include "game/resources/SfTextureResourceCache.hpp"
#include "game/spawner/SpawnerComponent.hpp"

#include <box2d/b2_polygon_shape.h>
#include <gtest/gtest.h>

#include <cfloat>

namespace {

namespace fid = tarsk::id::factory;

struct Footprint {
    std::string id;
    b2BodyType type;
    float linearDamping;
    float density;
    float halfWidth;
    float halfHeight;
    b2Vec2 centre;
    std::string texture;
};

// The body of every object with a box; the wall's is a chain and checked on its own.
const std::vector<Footprint> footprints = {
    {fid::tree, b2_staticBody, 0.f, 0.f, 0.3f, 0.15f, {0.f, -0.15f}, "./data/object_tree.png"},
    {fid::palm, b2_staticBody, 0.f, 0.f, 0.3f, 0.15f, {-0.125f, 1.7f}, "./data/object_palm.png"},
    {fid::coconut, b2_dynamicBody, 1.f, 0.f, 0.5f, 0.5f, {0.f, 0.f}, "./data/object_coconut.png"},
    {fid::wood, b2_dynamicBody, 1.f, 0.f, 0.625f, 0.625f, {0.f, 0.f}, "./data/object_wood.png"},
    {fid::bush, b2_staticBody, 1.f, 0.f, 0.75f, 0.1875f, {0.f, 0.8125f}, "./data/object_bush.png"},
    {fid::torch, b2_dynamicBody, 1.f, 0.f, 0.15625f, 0.3125f, {0.f, 0.f}, "./data/object_torch.png"},
    {fid::fireplace, b2_staticBody, 0.f, 1.f, 0.5f, 0.5f, {0.f, -0.5f}, "./data/tex/fireplace.png"},
    {fid::enemyFrog, b2_dynamicBody, 0.95f, 1.f, 0.4f, 0.2f, {0.f, 0.3f}, "./data/tex/enemy_frog.png"},
    {fid::specialFinalChest, b2_staticBody, 0.f, 0.f, 0.75f, 0.375f, {0.f, -0.375f}, "./data/finalChest.png"},
    {fid::escapeShip, b2_staticBody, 0.f, 0.f, 0.75f, 0.375f, {0.f, -0.375f}, "./data/tex/ship.png"},
    {fid::oldMan, b2_staticBody, 0.f, 0.f, 0.3125f, 0.1875f, {0.1875f, -0.1875f}, "./data/old_man.png"},
    {fid::oldManInDungeon,
     b2_staticBody,
     0.f,
     0.f,
     0.3125f,
     0.1875f,
     {0.1875f, -0.1875f},
     "./data/old_man.png"},
};

std::vector<std::string> allIds() {
    std::vector<std::string> ids;
    for (const tarsk::EntityFactory& factory : tarsk::generateDefaultEntityFactories())
        ids.push_back(factory.id);
    return ids;
}

nlohmann::json savedForm(const orv::Entity& entity) {
    nlohmann::json data = nlohmann::json::object();
    for (const auto& [type, component] : entity.getComponents()) {
        if (const auto* serializable = dynamic_cast<const orv::SerializableComponent*>(component.get()))
            data[serializable->getName()] = serializable->toJsonData();
    }
    return data;
}

struct BuiltInEntities : ::testing::Test {
    std::unique_ptr<orv::Entity> make(const std::string& id) { return content.factories.createEntity(id); }

    contentkit::Content content;
};

TEST_F(BuiltInEntities, BodiesShapesAndTexturesFollowTheirTable) {
    for (const Footprint& expected : footprints) {
        SCOPED_TRACE(expected.id);
        const auto entity = make(expected.id);
        const auto* physics = entity->getComponent<orv::PhysicsComponent>();
        EXPECT_EQ(physics->getBodyDef().type, expected.type);
        EXPECT_FLOAT_EQ(physics->getBodyDef().linearDamping, expected.linearDamping);
        EXPECT_FLOAT_EQ(physics->getFixtureDef().density, expected.density);
        EXPECT_FLOAT_EQ(physics->getFixtureDef().friction, 0.2f);
        EXPECT_FALSE(physics->getFixtureDef().isSensor);

        ASSERT_EQ(physics->getShape().GetType(), b2Shape::e_polygon);
        const auto& box = static_cast<const b2PolygonShape&>(physics->getShape());
        ASSERT_EQ(box.m_count, 4);
        float minX = FLT_MAX, maxX = -FLT_MAX, minY = FLT_MAX, maxY = -FLT_MAX;
        for (int i = 0; i < box.m_count; ++i) {
            minX = std::min(minX, box.m_vertices[i].x);
            maxX = std::max(maxX, box.m_vertices[i].x);
            minY = std::min(minY, box.m_vertices[i].y);
            maxY = std::max(maxY, box.m_vertices[i].y);
        }
        EXPECT_NEAR((maxX - minX) / 2.f, expected.halfWidth, 1e-5f);
        EXPECT_NEAR((maxY - minY) / 2.f, expected.halfHeight, 1e-5f);
        EXPECT_NEAR((maxX + minX) / 2.f, expected.centre.x, 1e-5f);
        EXPECT_NEAR((maxY + minY) / 2.f, expected.centre.y, 1e-5f);

        const tarsk::SpriteDescription& sprite =
            entity->getComponent<tarsk::SpriteComponent>()->getDescription();
        EXPECT_EQ(sprite.textureResourceId, expected.texture);
        EXPECT_EQ(sprite.anchor, expected.id == fid::wood ? 3 : 5);
    }
}

TEST_F(BuiltInEntities, FrogIsAFighterWithExactlyEightComponents) {
    const auto frog = make(fid::enemyFrog);
    EXPECT_EQ(frog->getComponents().size(), 8u);
    const auto* physics = frog->getComponent<orv::PhysicsComponent>();
    EXPECT_TRUE(physics->getBodyDef().fixedRotation);
    EXPECT_FALSE(physics->getBodyDef().allowSleep);
    EXPECT_EQ(frog->getComponent<tarsk::SpriteComponent>()->getDescription().textureRect,
              sf::IntRect(0, 0, 16, 16));
    EXPECT_FLOAT_EQ(frog->getComponent<tarsk::HealthComponent>()->getMaxHealth(), 100.f);
    EXPECT_FLOAT_EQ(frog->getComponent<tarsk::HealthComponent>()->getMaxStamina(), 100.f);
    EXPECT_FLOAT_EQ(frog->getComponent<tarsk::NeedsComponent>()->getNeeds().first, 100.f);
    EXPECT_FLOAT_EQ(frog->getComponent<tarsk::NeedsComponent>()->getNeeds().second, 100.f);
    EXPECT_TRUE(frog->getComponent<tarsk::InventoryComponent>()->getInventory().getItems().empty());
    const auto* fighter = frog->getComponent<tarsk::FighterComponent>();
    EXPECT_EQ(fighter->getXpValue(), 10u);
    EXPECT_TRUE(fighter->getEntitiesToSpawnOnDeath().empty());
    EXPECT_TRUE(fighter->getFactions().empty());
}

TEST_F(BuiltInEntities, TreeStandsOnItsFootAndBreedsFrogs) {
    const auto tree = make(fid::tree);
    const auto height = content.resources.get("./data/object_tree.png")
                            .getCache<tarsk::ResourceCache::SfTextureResourceCache>()
                            ->getSize()
                            .y;
    ASSERT_GT(height, 0u);
    EXPECT_EQ(tree->getComponent<tarsk::SpriteComponent>()->getDescription().positionOffset,
              sf::Vector2f(0.f, -static_cast<float>(height) / 2.f));
    const tarsk::SpawnerSettings& spawner = tree->getComponent<tarsk::SpawnerComponent>()->getSettings();
    EXPECT_EQ(spawner.entityIdToSpawn, fid::enemyFrog);
    EXPECT_EQ(spawner.timeBetweenSpawnEvents, sf::seconds(600.f));
    EXPECT_FLOAT_EQ(spawner.spawnProbability, 0.25f);
    EXPECT_EQ(spawner.spawnCount, 1);
    EXPECT_FLOAT_EQ(spawner.spawnRadius, 3.f);
    EXPECT_EQ(spawner.maxConcurrentlySpawnedEntities, 1);
}

TEST_F(BuiltInEntities, FiresGiveLightAndTheFireplaceCooks) {
    auto torch = make(fid::torch);
    auto fireplace = make(fid::fireplace);
    const auto& torchLight =
        dynamic_cast<const tarsk::PointSpotLight&>(torch->getComponent<tarsk::LightComponent>()->getLight());
    EXPECT_FLOAT_EQ(torchLight.getRadius(), 6.f);
    EXPECT_FLOAT_EQ(torchLight.getFocus(), 0.1f);
    EXPECT_EQ(torchLight.getColor(), sf::Color(255, 170, 100, 255));

    const auto* fire = fireplace->getComponent<tarsk::LightComponent>();
    const auto& fireLight = dynamic_cast<const tarsk::PointSpotLight&>(fire->getLight());
    EXPECT_FLOAT_EQ(fireLight.getRadius(), 8.f);
    EXPECT_EQ(fire->getInitialPositionOffset(), sf::Vector2f(0.f, -0.5f));
    EXPECT_TRUE(fireplace->hasComponent<tarsk::CookingComponent>());
    EXPECT_EQ(fireplace->getComponent<tarsk::SpriteComponent>()->getDescription().positionOffset,
              sf::Vector2f(0.f, -8.f));

    // The light keeps its offset once the fireplace stands somewhere.
    fireplace->getComponent<orv::TransformationComponent>()->setPositionXY({3.f, 4.f});
    fireplace->init();
    fireplace->getComponent<orv::TransformationComponent>()->setPositionXY({3.f, 4.f});
    EXPECT_EQ(fire->getLight().getPosition(), sf::Vector2f(3.f, 3.5f));
}

TEST_F(BuiltInEntities, OldMenTellTheirDialogues) {
    const auto questGiver = make(fid::oldMan);
    const auto prisoner = make(fid::oldManInDungeon);
    EXPECT_EQ(questGiver->getComponent<tarsk::DialogueSenderComponent>()->getDialogueFactoryId(),
              "OLD_MAN_DIALOGUE_01");
    EXPECT_EQ(prisoner->getComponent<tarsk::DialogueSenderComponent>()->getDialogueFactoryId(),
              "OLD_MAN_DIALOGUE_02");
    EXPECT_TRUE(content.dialogues.hasFactory("OLD_MAN_DIALOGUE_01"));
    EXPECT_TRUE(content.dialogues.hasFactory("OLD_MAN_DIALOGUE_02"));
    EXPECT_EQ(prisoner->getComponent<tarsk::SpriteComponent>()->getDescription().baseSize,
              sf::Vector2f(17.4f, 31.2f));
}

TEST_F(BuiltInEntities, TestWallIsAClosedChain) {
    const auto wall = make(fid::wallTest);
    const b2Shape& shape = wall->getComponent<orv::PhysicsComponent>()->getShape();
    ASSERT_EQ(shape.GetType(), b2Shape::e_chain);
    EXPECT_EQ(shape.GetChildCount(), 4);
}

TEST_F(BuiltInEntities, TwoOfAKindAreDistinctButEqual) {
    for (const std::string& id : allIds()) {
        SCOPED_TRACE(id);
        const auto first = make(id);
        const auto second = make(id);
        EXPECT_NE(first.get(), second.get());
        EXPECT_EQ(savedForm(*first), savedForm(*second));
        EXPECT_EQ(first->getComponents().size(), second->getComponents().size());
    }
}

TEST_F(BuiltInEntities, EveryKindJoinsAGeneratedWorldAndLivesThroughSixtyFrames) {
    auto world = content.generators.generateById(tarsk::id::generator::defaultId);
    ASSERT_NE(world, nullptr);
    float x = 5.f;
    for (const std::string& id : allIds()) {
        SCOPED_TRACE(id);
        auto entity = make(id);
        entity->getComponent<orv::TransformationComponent>()->setPositionXY({x, 20.f});
        x += 4.f;
        entity->init();
        world->addEntity(std::move(entity));
    }
    auto* render = world->getSystem<tarsk::RenderSystem>();
    // The terrain and the thirteen objects; the torch and the fireplace glow.
    EXPECT_EQ(render->getRenderables().size(), 14u);
    EXPECT_EQ(render->getLights().size(), 2u);
    for (int frame = 0; frame < 60; ++frame)
        contentkit::Content::runFrame(*world);
    // The tree's first update fills its one frog slot.
    EXPECT_EQ(world->getEntityCount(), 15u);
}

} // namespace
