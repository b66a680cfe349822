#include "game/items/support/ItemTestKit.hpp"

#include "engine/persistence/PersistenceComponent.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using itemtest::ItemKit;
using itemtest::Json;

class ItemComponentTest : public ::testing::Test {
protected:
    ItemComponentTest() { kit.defineBasics(); }
    ItemKit kit;
};

TEST_F(ItemComponentTest, ReadsAnItemIdOrStaysEmpty) {
    EXPECT_FALSE(tarsk::ItemComponent::fromJson(Json::array({"WOOD"}), kit.items)->hasItem());
    EXPECT_FALSE(tarsk::ItemComponent::fromJson("WOOD", kit.items)->hasItem());
    EXPECT_FALSE(tarsk::ItemComponent::fromJson(Json::object(), kit.items)->hasItem());
    EXPECT_FALSE(tarsk::ItemComponent::fromJson({{"item", "WOOD"}}, kit.items)->hasItem());

    auto wood = tarsk::ItemComponent::fromJson({{"itemId", "WOOD"}}, kit.items);
    ASSERT_TRUE(wood->hasItem());
    EXPECT_EQ(wood->getItem()->getId(), "WOOD");

    try {
        tarsk::ItemComponent::fromJson({{"itemId", 12}}, kit.items);
        FAIL() << "a numeric id was accepted";
    } catch (const Json::type_error& error) {
        EXPECT_NE(std::string(error.what()).find("type must be string, but is number"), std::string::npos);
    }
    EXPECT_THROW(tarsk::ItemComponent::fromJson({{"itemId", "ROCK"}}, kit.items), std::runtime_error);
}

TEST_F(ItemComponentTest, WritesWhatItReadsBack) {
    tarsk::ItemComponent fish(kit.items.createItem("FISH"));
    EXPECT_EQ(fish.getName(), "item");
    EXPECT_EQ(fish.toJsonData(), Json::parse(R"({"itemId": "FISH"})"));
    EXPECT_EQ(tarsk::ItemComponent::fromJson(fish.toJsonData(), kit.items)->getItem()->getId(), "FISH");

    // Once taken, the component writes an empty record, which reads back as empty.
    fish.takeItem();
    EXPECT_EQ(fish.toJsonData(), Json::object());
    EXPECT_FALSE(tarsk::ItemComponent::fromJson(fish.toJsonData(), kit.items)->hasItem());
}

TEST_F(ItemComponentTest, TakingAndSettingMoveOwnership) {
    tarsk::ItemComponent component;
    EXPECT_EQ(component.takeItem(), nullptr);
    EXPECT_FALSE(component.hasItem());

    std::unique_ptr<tarsk::Item> wood = kit.items.createItem("WOOD");
    const tarsk::Item* held = wood.get();
    component.setItem(std::move(wood));
    EXPECT_EQ(component.getItem(), held);

    try {
        component.setItem(kit.items.createItem("FISH"));
        FAIL() << "a second item was accepted";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "item already set");
    }
    EXPECT_EQ(component.getItem(), held);

    std::unique_ptr<tarsk::Item> taken = component.takeItem();
    EXPECT_EQ(taken.get(), held);
    EXPECT_FALSE(component.hasItem());
}

TEST_F(ItemComponentTest, ShowsItsItemThroughTheSprite) {
    auto entity = kit.items.createItemEntity("WOOD");
    entity->init();
    EXPECT_EQ(entity->getComponent<tarsk::SpriteComponent>()->getTextureId(), "./data/items/wood.png");

    // An empty item entity keeps the blueprint's picture.
    auto empty = kit.serialization.instantiate("item_base");
    const std::string blueprintTexture = empty->getComponent<tarsk::SpriteComponent>()->getTextureId();
    empty->init();
    EXPECT_EQ(empty->getComponent<tarsk::SpriteComponent>()->getTextureId(), blueprintTexture);

    // Holding an item without a sprite to show it is a broken entity.
    orv::Entity bare;
    bare.addComponent<tarsk::ItemComponent>(kit.items.createItem("WOOD"));
    EXPECT_THROW(bare.init(), std::logic_error);
}

TEST_F(ItemComponentTest, AnItemEntityIsSavedAsItsBlueprintAndItsKind) {
    auto entity = kit.items.createItemEntity("FISH");
    entity->getComponent<orv::TransformationComponent>()->setPosition({3.f, 4.f, 0.f});
    entity->addComponent<orv::PersistenceComponent>();
    entity->init();

    const Json saved = orv::SerializationManager::entityToJson(*entity);
    const Json& components = saved.at("components");
    EXPECT_EQ(components.at("blueprint"), Json::parse(R"({"type": "item_base"})"));
    EXPECT_EQ(components.at("item"), Json::parse(R"({"itemId": "FISH"})"));
    EXPECT_EQ(components.at("transform").size(), 1u);
    EXPECT_EQ(components.at("physics"), Json::object());

    auto loaded = kit.serialization.entityFromJson(saved);
    loaded->init();
    EXPECT_EQ(loaded->getComponent<tarsk::ItemComponent>()->getItem()->getId(), "FISH");
    EXPECT_EQ(loaded->getComponent<tarsk::SpriteComponent>()->getTextureId(), "./data/items/fish.png");
    EXPECT_EQ(loaded->getComponent<orv::TransformationComponent>()->getPositionXY(), sf::Vector2f(3.f, 4.f));
}

} // namespace
