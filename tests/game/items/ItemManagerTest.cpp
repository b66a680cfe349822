#include "game/items/support/ItemTestKit.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/resources/DefaultResourceLoader.hpp"
#include "engine/serialization/BlueprintComponent.hpp"
#include "game/items/PredefinedItem.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

namespace {

using itemtest::ItemKit;
using itemtest::itemObject;
using itemtest::Json;

std::vector<std::string> idsOf(const tarsk::ItemManager& items) {
    std::vector<std::string> ids;
    for (const tarsk::ItemDefinition& definition : items.getDefinitions())
        ids.push_back(definition.id);
    return ids;
}

template <class E, class F>
std::string messageOf(F&& call) {
    try {
        call();
    } catch (const E& error) {
        return error.what();
    }
    return "(no exception)";
}

TEST(ItemDefinitions, AnArrayOfOneDefinesOneKindMadeOnDemand) {
    ItemKit kit;
    kit.define(Json::array({itemObject("WOOD", "Wood", "wood.png")}));

    ASSERT_EQ(idsOf(kit.items), std::vector<std::string>{"WOOD"});
    std::unique_ptr<tarsk::Item> wood = kit.items.createItem("WOOD");
    EXPECT_EQ(wood->getId(), "WOOD");
    EXPECT_EQ(wood->getName(), "Wood");
    EXPECT_EQ(wood->getIconPath(), "./data/items/wood.png");
    ASSERT_NE(wood->getProperties(), nullptr);
    EXPECT_TRUE(wood->getProperties()->is_null());
    // The icon is decoded once, however many items show it.
    kit.items.createItem("WOOD");
    EXPECT_EQ(kit.files.reads["./data/items/wood.png"], 1);
}

TEST(ItemDefinitions, ASingleObjectFileAndPropertiesOfAnyShape) {
    ItemKit kit;
    kit.define(itemObject("FISH", "Fish", "fish.png", {{"NutritionalValue", 5}, {"tags", {"food"}}}));
    std::unique_ptr<tarsk::Item> fish = kit.items.createItem("FISH");
    EXPECT_EQ(*fish->getProperties(), Json::parse(R"({"NutritionalValue": 5, "tags": ["food"]})"));
}

TEST(ItemDefinitions, ItemsKeepTheirPropertiesWhileMoreKindsAreLoaded) {
    ItemKit kit;
    kit.define(itemObject("FISH", "Fish", "fish.png", {{"NutritionalValue", 5}}));
    std::unique_ptr<tarsk::Item> fish = kit.items.createItem("FISH");
    const Json* properties = fish->getProperties();
    for (int i = 0; i < 200; ++i)
        kit.define(itemObject("KIND_" + std::to_string(i), "Kind", "kind.png", {{"n", i}}));
    EXPECT_EQ(fish->getProperties(), properties);
    EXPECT_EQ(fish->getProperties()->at("NutritionalValue"), 5);
}

TEST(ItemDefinitions, TheFirstDefinitionOfAnIdWins) {
    ItemKit kit;
    kit.define(itemObject("FISH", "Fish", "fish.png"));
    kit.define(Json::array({itemObject("FISH", "Other fish", "other.png")}));
    EXPECT_EQ(idsOf(kit.items), (std::vector<std::string>{"FISH", "FISH"}));
    EXPECT_EQ(kit.items.createItem("FISH")->getName(), "Fish");
    EXPECT_EQ(kit.items.findDefinition("FISH")->iconTexture, "fish.png");
    EXPECT_EQ(kit.items.findDefinition("CRAB"), nullptr);
}

TEST(ItemDefinitions, BadFilesAreRejectedWithTheirMessages) {
    ItemKit kit;
    EXPECT_EQ(messageOf<std::runtime_error>([&] { kit.items.loadItemFile("WOOD"); }), "invalid item file");
    EXPECT_EQ(messageOf<std::runtime_error>([&] { kit.items.loadItemFile(nullptr); }), "invalid item file");

    // Elements before a bad one stay defined.
    for (const char* icon : {"wood.png", "f.png"})
        kit.files.files[std::string("./data/items/") + icon] = itemtest::iconBytes();
    const Json mixed =
        Json::array({itemObject("WOOD", "Wood", "wood.png"), 7, itemObject("FISH", "Fish", "f.png")});
    EXPECT_EQ(messageOf<std::runtime_error>([&] { kit.items.loadItemFile(mixed); }),
              "[1]: invalid element in item file array");
    EXPECT_EQ(idsOf(kit.items), std::vector<std::string>{"WOOD"});

    EXPECT_EQ(messageOf<orv::JsonError>([&] {
                  kit.items.loadItemFile(Json{{"id", "X"}, {"iconTexture", "x.png"}});
              }),
              "name: [json.exception.out_of_range.403] key 'name' not found");
    const std::string wrongType = messageOf<orv::JsonError>([&] {
        kit.items.loadItemFile(Json{{"id", 3}, {"name", "Three"}, {"iconTexture", "x.png"}});
    });
    EXPECT_NE(wrongType.find("type must be string, but is number"), std::string::npos) << wrongType;
    EXPECT_EQ(idsOf(kit.items), std::vector<std::string>{"WOOD"});
}

TEST(ItemDefinitions, UnknownKindsFailCreationAndUnreadableIconsTheLoad) {
    ItemKit kit;
    kit.defineBasics();
    EXPECT_EQ(messageOf<std::runtime_error>([&] { kit.items.createItem("wood"); }),
              "Item not found, id: wood");
    EXPECT_EQ(messageOf<std::runtime_error>([&] { kit.items.createItemEntity("CRAB"); }),
              "Item not found, id: CRAB");

    // An icon that cannot be read is refused with its kind.
    const std::string missing = messageOf<std::runtime_error>(
        [&] { kit.items.loadItemFile(itemObject("GHOST", "Ghost", "missing.png")); });
    EXPECT_NE(missing.find("./data/items/missing.png"), std::string::npos) << missing;
    EXPECT_EQ(kit.items.findDefinition("GHOST"), nullptr);
    EXPECT_THROW(kit.items.createItem("GHOST"), std::runtime_error);
}

TEST(ItemDefinitions, ItemsCompareByKind) {
    ItemKit kit;
    kit.defineBasics();
    auto first = kit.items.createItem("FISH");
    auto second = kit.items.createItem("FISH");
    auto wood = kit.items.createItem("WOOD");
    EXPECT_NE(first.get(), second.get());
    EXPECT_TRUE(first->equals(*second));
    EXPECT_FALSE(first->notEquals(*second));
    EXPECT_FALSE(first->equals(*wood));
    EXPECT_TRUE(wood->notEquals(*first));
}

TEST(ItemDefinitions, AnItemEntityComesFromTheItemBlueprint) {
    ItemKit kit;
    kit.defineBasics();
    std::unique_ptr<orv::Entity> entity = kit.items.createItemEntity("FISH");
    EXPECT_FALSE(entity->getInitStatus());
    auto* component = entity->getComponent<tarsk::ItemComponent>();
    ASSERT_TRUE(component->hasItem());
    EXPECT_EQ(component->getItem()->getId(), "FISH");
    EXPECT_EQ(entity->getComponent<orv::BlueprintComponent>()->getBlueprintName(), "item_base");
    EXPECT_NE(entity->findComponent<orv::PhysicsComponent>(), nullptr);

    entity->init();
    EXPECT_EQ(entity->getComponent<tarsk::SpriteComponent>()->getTextureId(), "./data/items/fish.png");
}

// Files on disk, read through the resource manager as the game reads them.
class ItemFolder : public ::testing::Test {
protected:
    testsupport::TempFolder folder;
    // The item files from the folder; every icon is a real image.
    orv::ResourceManager resources{[] {
        struct Loader : orv::ResourceLoader {
            std::string load(const std::string& path) override {
                if (path.starts_with("./data/items/"))
                    return itemtest::iconBytes();
                return orv::DefaultResourceLoader().load(path);
            }
        };
        return std::make_unique<Loader>();
    }};
    orv::SerializationManager serialization{resources, {}, {}, {}};
    tarsk::ItemManager items{resources, serialization};
};

TEST_F(ItemFolder, ReadsJsonFilesAtAnyDepthInPathOrder) {
    folder.write("b_tools.json", itemObject("AXE", "Axe", "axe.png").dump());
    folder.write("a_food/fish.json", Json::array({itemObject("FISH", "Fish", "fish.png")}).dump());
    folder.write("a_food/more/z.json", itemObject("CRAB", "Crab", "crab.png").dump());
    folder.write("notes.txt", itemObject("TXT", "Text", "t.png").dump());
    folder.write("shouting.JSON", itemObject("LOUD", "Loud", "l.png").dump());

    items.loadDirectory(folder.path());
    EXPECT_EQ(idsOf(items), (std::vector<std::string>{"FISH", "CRAB", "AXE"}));
}

TEST_F(ItemFolder, ErrorsNameTheFileAndThePathOfTheBadValue) {
    folder.write("food.json",
                 Json::array({itemObject("FISH", "Fish", "fish.png"), itemObject("CRAB", "Crab", "crab.png"),
                              Json{{"id", "BREAD"}, {"name", "Bread"}, {"iconTexture", 5}}})
                     .dump());
    const std::string file = (folder / "food.json").generic_string();
    EXPECT_EQ(messageOf<orv::JsonError>([&] { items.loadDirectory(folder.path()); }),
              file + ": [2].iconTexture: [json.exception.type_error.302] type must be string, but is number");

    // Properties nested far deeper than any item needs are refused as the file is read.
    folder.write("a_soup.json", R"({"id": "SOUP", "name": "Soup", "iconTexture": "s.png", "properties": )" +
                                    std::string(100000, '[') + std::string(100000, ']') + "}");
    EXPECT_EQ(messageOf<orv::JsonError>([&] { items.loadDirectory(folder.path()); }),
              (folder / "a_soup.json").generic_string() + ": the document is nested deeper than 256 levels");
}

TEST_F(ItemFolder, AMissingFolderAndABrokenFileFail) {
    EXPECT_THROW(items.loadDirectory(folder / "absent"), std::filesystem::filesystem_error);
    folder.write("broken.json", "{\"id\": ");
    EXPECT_ANY_THROW(items.loadDirectory(folder.path()));
    EXPECT_TRUE(items.getDefinitions().empty());
}

} // namespace
