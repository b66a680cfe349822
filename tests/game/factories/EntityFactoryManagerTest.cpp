#include "game/factories/EntityFactoryManager.hpp"

#include "ContentKit.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/content/Identifiers.hpp"
#include "game/spawner/SpawnerComponent.hpp"

#include <gtest/gtest.h>

namespace {

using tarsk::EntityFactory;

struct FactoryRegistry : ::testing::Test {
    contentkit::Content content;
};

TEST_F(FactoryRegistry, BuiltInFactoriesComeInTheirOrderUnderTheirIds) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {tarsk::id::factory::tree, "Tree"},
        {tarsk::id::factory::palm, "Palm"},
        {tarsk::id::factory::coconut, "Coconut"},
        {tarsk::id::factory::wood, "Wood"},
        {tarsk::id::factory::bush, "Bush"},
        {tarsk::id::factory::torch, "Torch"},
        {tarsk::id::factory::fireplace, "Fireplace"},
        {tarsk::id::factory::enemyFrog, "Enemy: Frog"},
        {tarsk::id::factory::wallTest, "Wall: Test"},
        {tarsk::id::factory::specialFinalChest, "Special: Final chest"},
        {tarsk::id::factory::escapeShip, "Escape Ship"},
        {tarsk::id::factory::oldMan, "Old Man (Quest Giver)"},
        {tarsk::id::factory::oldManInDungeon, "Old Man (In dungeon)"},
    };
    const std::vector<EntityFactory> factories = tarsk::generateDefaultEntityFactories();
    ASSERT_EQ(factories.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(factories[i].id, expected[i].first);
        EXPECT_EQ(factories[i].name, expected[i].second);
        EXPECT_TRUE(content.factories.hasFactory(expected[i].first));
    }
}

TEST_F(FactoryRegistry, UnknownIdThrowsAndBuildsNothing) {
    try {
        content.factories.createEntity("entity_internal_DRAGON");
        FAIL() << "an unknown id was built";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid map<K, T> key");
    }
}

TEST_F(FactoryRegistry, FirstFactoryOfAnIdWins) {
    int firstCalls = 0;
    int secondCalls = 0;
    content.factories.addFactory({"crate", "Crate", [&](const EntityFactory::Resources&) {
                                      ++firstCalls;
                                      return std::make_unique<orv::Entity>();
                                  }});
    content.factories.addFactory({"crate", "Other crate", [&](const EntityFactory::Resources&) {
                                      ++secondCalls;
                                      return std::make_unique<orv::Entity>();
                                  }});
    content.factories.createEntity("crate");
    EXPECT_EQ(firstCalls, 1);
    EXPECT_EQ(secondCalls, 0);
    EXPECT_EQ(content.factories.getFactories().at("crate").name, "Crate");
}

TEST_F(FactoryRegistry, FactoryWithoutRecipeIsRefused) {
    EXPECT_THROW(content.factories.addFactory({"ghost", "Ghost", nullptr}), std::invalid_argument);
    EXPECT_FALSE(content.factories.hasFactory("ghost"));
}

TEST_F(FactoryRegistry, EntityBlueprintsBecomeFactoriesBesideBuiltIns) {
    auto& blueprints = content.serialization.getBlueprintManager();
    blueprints.add({{"_type", "Tree"}, {"_inherit", {"basic_tree"}}, {"_isEntity", true}});
    blueprints.add({{"_type", tarsk::id::factory::tree}, {"_inherit", {"basic_tree"}}, {"_isEntity", true}});
    blueprints.add({{"_type", "not_an_entity"}, {"_inherit", nlohmann::json::array()}, {"_isEntity", false}});
    blueprints.compileAll();
    for (EntityFactory& factory : tarsk::makeBlueprintEntityFactories(content.serialization))
        content.factories.addFactory(std::move(factory));

    EXPECT_TRUE(content.factories.hasFactory(tarsk::id::factory::basicTree));
    EXPECT_FALSE(content.factories.hasFactory("not_an_entity"));
    ASSERT_TRUE(content.factories.hasFactory("Tree"));
    EXPECT_EQ(content.factories.getFactories().at("Tree").name, "Tree");
    // The blueprint tree has no spawner; the built-in one keeps its id.
    EXPECT_FALSE(content.factories.createEntity("Tree")->hasComponent<tarsk::SpawnerComponent>());
    EXPECT_TRUE(
        content.factories.createEntity(tarsk::id::factory::tree)->hasComponent<tarsk::SpawnerComponent>());
}

TEST_F(FactoryRegistry, ABlueprintWithoutItsTextureFileStopsTheStartNamingItsFile) {
    auto& blueprints = content.serialization.getBlueprintManager();
    blueprints.add({{"_type", "ghost_tree"},
                    {"_inherit", {"basic_tree"}},
                    {"_isEntity", true},
                    {"sprite", {{"textureResourceId", "./data/tex/no_such_tree.png"}}}},
                   "data/blueprint/ghost.json");
    blueprints.compileAll();
    try {
        tarsk::makeBlueprintEntityFactories(content.serialization);
        FAIL() << "a missing texture was accepted";
    } catch (const orv::JsonError& error) {
        EXPECT_STREQ(error.what(), "data/blueprint/ghost.json: sprite.textureResourceId: cannot read "
                                   "./data/tex/no_such_tree.png: there is no such file");
    }
}

TEST_F(FactoryRegistry, EveryCallBuildsAFreshEntityOutsideAnyWorld) {
    auto first = content.factories.createEntity(tarsk::id::factory::enemyFrog);
    auto second = content.factories.createEntity(tarsk::id::factory::enemyFrog);
    ASSERT_NE(first.get(), second.get());
    EXPECT_FALSE(first->getInitStatus());
    EXPECT_EQ(first->getWorld(), nullptr);
    first->getComponent<orv::TransformationComponent>()->setPositionXY({4.f, 5.f});
    EXPECT_EQ(second->getComponent<orv::TransformationComponent>()->getPositionXY(), sf::Vector2f(0.f, 0.f));
}

} // namespace
