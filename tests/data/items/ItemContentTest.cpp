#include "game/items/support/ItemTestKit.hpp"

#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/serialization/Blueprint.hpp"
#include "game/content/Identifiers.hpp"
#include "game/resources/SfTextureResourceCache.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

using itemtest::Json;

// The shipped blueprints and item files, read from the data folder the way the game reads them:
// by their "./data/..." paths from the folder the game runs in.
class ItemContentTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { std::filesystem::current_path(ORV_SOURCE_DIR); }

    ItemContentTest() {
        serialization.getBlueprintManager().loadAll();
        items.loadDirectory(tarsk::id::itemsFolder);
        world.registerSystem<orv::PhysicsSystem>();
        world.initSystems();
    }

    const orv::Entity* place(std::unique_ptr<orv::Entity> entity, sf::Vector2f position) {
        entity->getComponent<orv::TransformationComponent>()->setPositionXY(position);
        entity->init();
        return world.addEntity(std::move(entity));
    }

    orv::ResourceManager resources;
    tarsk::ItemManager items{resources, serialization};
    orv::SerializationManager serialization{
        resources, itemtest::ItemKit::componentFactories(items, resources), {}, {}};
    orv::World world;
};

TEST_F(ItemContentTest, EveryKindTheGameNamesIsDefinedOnce) {
    std::multiset<std::string> ids;
    for (const tarsk::ItemDefinition& definition : items.getDefinitions())
        ids.insert(definition.id);
    for (const char* id : {"WOOD", "COCONUT", "FISH", "FISH_COOKED", "FISH_BURNED", "MYTHICAL_ARTIFACT"})
        EXPECT_EQ(ids.count(id), 1u) << id;
    for (const std::string& id : ids)
        EXPECT_EQ(ids.count(id), 1u) << id << " is defined twice; only the first would count";
}

TEST_F(ItemContentTest, EveryKindHasASmallIconAndFoodHasANutritionalValue) {
    for (const tarsk::ItemDefinition& definition : items.getDefinitions()) {
        std::unique_ptr<tarsk::Item> item = items.createItem(definition.id);
        EXPECT_FALSE(item->getName().empty()) << definition.id;
        const auto icon =
            resources.get(item->getIconPath()).getCache<tarsk::ResourceCache::SfTextureResourceCache>();
        EXPECT_EQ(icon->getSize(), sf::Vector2u(16, 16)) << item->getIconPath();
        const Json& properties = *item->getProperties();
        if (properties.contains(tarsk::id::nutritionalValue)) {
            EXPECT_TRUE(properties.at(tarsk::id::nutritionalValue).is_number()) << definition.id;
        }
    }
    // The cook turns raw fish into something better to eat; burning wastes most of it.
    const auto nutrition = [this](const std::string& id) {
        return items.createItem(id)->getProperties()->at(tarsk::id::nutritionalValue).get<float>();
    };
    EXPECT_GT(nutrition("FISH_COOKED"), nutrition("FISH"));
    EXPECT_LT(nutrition("FISH_BURNED"), nutrition("FISH"));
}

TEST_F(ItemContentTest, ItemEntitiesLieInTheWorldWithTheirIcon) {
    float x = 0.f;
    for (const tarsk::ItemDefinition& definition : items.getDefinitions()) {
        const orv::Entity* entity = place(items.createItemEntity(definition.id), {x += 3.f, 0.f});
        EXPECT_EQ(entity->getComponent<tarsk::SpriteComponent>()->getTextureId(),
                  "./data/items/" + definition.iconTexture);
        const b2Body* body = entity->getComponent<orv::PhysicsComponent>()->getBody();
        ASSERT_NE(body, nullptr);
        EXPECT_EQ(body->GetType(), b2_dynamicBody);
        // Not a sensor: the area queries that offer "Pick up" skip sensors.
        EXPECT_FALSE(body->GetFixtureList()->IsSensor());
    }
    EXPECT_FALSE(serialization.getBlueprintManager().get(tarsk::id::itemBaseBlueprint).isEntity());
}

TEST_F(ItemContentTest, TheBasicTreeIsAnEntityBlueprintThatStandsStill) {
    const orv::Blueprint& tree = serialization.getBlueprintManager().get(tarsk::id::factory::basicTree);
    EXPECT_TRUE(tree.isEntity());
    const orv::Entity* entity = place(serialization.instantiate(tree.getName()), {4.f, 4.f});
    const b2Body* body = entity->getComponent<orv::PhysicsComponent>()->getBody();
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->GetType(), b2_staticBody);
    EXPECT_TRUE(std::filesystem::exists(entity->getComponent<tarsk::SpriteComponent>()->getTextureId()));
}

} // namespace
