#include "game/items/support/ItemTestKit.hpp"

#include "game/inventory/InventoryComponent.hpp"

#include <gtest/gtest.h>

#include <exception>
#include <stdexcept>

namespace {

using itemtest::ItemKit;
using itemtest::Json;

class InventoryTest : public ::testing::Test {
protected:
    InventoryTest() { kit.defineBasics(); }

    // Counts the changed signals of an inventory.
    int& watch(tarsk::Inventory& inventory) {
        inventory.changed.connect([this] { ++changes; });
        return changes;
    }

    ItemKit kit;
    int changes = 0;
};

TEST_F(InventoryTest, ReadsAndWritesItsItemsInOrder) {
    auto component = tarsk::InventoryComponent::fromJson(
        Json::parse(R"({"inventory": ["WOOD", "WOOD", "FISH"]})"), kit.items);
    tarsk::Inventory& inventory = component->getInventory();
    ASSERT_EQ(inventory.getItems().size(), 3u);
    EXPECT_EQ(inventory.countItemsById("WOOD"), 2);
    EXPECT_EQ(inventory.countItemsById("FISH"), 1);
    EXPECT_NE(inventory.getItems()[0].get(), inventory.getItems()[1].get());
    EXPECT_EQ(inventory.toJson(), Json::parse(R"(["WOOD", "WOOD", "FISH"])"));
    EXPECT_EQ(component->getName(), "inventory");
    EXPECT_EQ(component->toJsonData(), Json::parse(R"({"inventory": ["WOOD", "WOOD", "FISH"]})"));

    auto empty = tarsk::InventoryComponent::fromJson(Json::parse(R"({"inventory": []})"), kit.items);
    EXPECT_TRUE(empty->getInventory().getItems().empty());
    EXPECT_EQ(empty->toJsonData(), Json::parse(R"({"inventory": []})"));
}

TEST_F(InventoryTest, RejectsRecordsThatAreNotListsOfKnownIds) {
    try {
        tarsk::InventoryComponent::fromJson(Json::array({"WOOD"}), kit.items);
        FAIL();
    } catch (const Json::type_error& error) {
        EXPECT_NE(std::string(error.what()).find("cannot use operator[] with a string argument with array"),
                  std::string::npos);
    }
    EXPECT_THROW(tarsk::InventoryComponent::fromJson(Json::object(), kit.items), Json::out_of_range);
    try {
        tarsk::InventoryComponent::fromJson(Json::parse(R"({"inventory": ["WOOD", 4]})"), kit.items);
        FAIL();
    } catch (const Json::type_error& error) {
        EXPECT_NE(std::string(error.what()).find("type must be string, but is number"), std::string::npos);
    }
    // A lone id is not a list of one.
    EXPECT_THROW(tarsk::InventoryComponent::fromJson(Json::parse(R"({"inventory": "WOOD"})"), kit.items),
                 Json::type_error);
    try {
        tarsk::InventoryComponent::fromJson(Json::parse(R"({"inventory": ["WOOD", "ROCK"]})"), kit.items);
        FAIL();
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Item not found, id: ROCK");
    }
}

TEST_F(InventoryTest, AddingAnnouncesEveryRealItem) {
    tarsk::Inventory inventory;
    watch(inventory);
    inventory.addItem(nullptr);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(inventory.getItems().empty());

    inventory.addItem(kit.items.createItem("FISH"));
    inventory.addItem(kit.items.createItem("WOOD"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(inventory.toJson(), Json::parse(R"(["FISH", "WOOD"])"));
}

TEST_F(InventoryTest, FindsByIdAndRemovesByIdentity) {
    tarsk::Inventory inventory(Json::parse(R"(["WOOD", "FISH", "WOOD"])"), kit.items);
    watch(inventory);
    EXPECT_EQ(inventory.findItemById("ROCK"), nullptr);
    EXPECT_EQ(inventory.countItemsById("ROCK"), 0);

    const tarsk::Item* firstWood = inventory.findItemById("WOOD");
    const tarsk::Item* secondWood = inventory.getItems()[2].get();
    EXPECT_EQ(firstWood, inventory.getItems()[0].get());

    std::unique_ptr<tarsk::Item> removed = inventory.removeItem(firstWood);
    EXPECT_EQ(removed.get(), firstWood);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(inventory.toJson(), Json::parse(R"(["FISH", "WOOD"])"));
    EXPECT_EQ(inventory.findItemById("WOOD"), secondWood);
}

TEST_F(InventoryTest, RemovingAnItemItDoesNotHoldChangesNothing) {
    tarsk::Inventory inventory(Json::parse(R"(["WOOD"])"), kit.items);
    watch(inventory);
    // An equal item of the same kind is still another object.
    std::unique_ptr<tarsk::Item> lookalike = kit.items.createItem("WOOD");
    EXPECT_THROW(inventory.removeItem(lookalike.get()), std::exception);
    EXPECT_THROW(inventory.removeItem(nullptr), std::exception);

    const tarsk::Item* held = inventory.getItems()[0].get();
    inventory.removeItem(held);
    EXPECT_THROW(inventory.removeItem(held), std::exception);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(inventory.getItems().empty());
}

} // namespace
