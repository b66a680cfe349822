#include "ActionWorld.hpp"

#include "game/actions/CookAction.hpp"

#include <gtest/gtest.h>

namespace {

using actiontest::ActionWorld;
using itemtest::Json;

class CookActionTest : public ::testing::Test, public ActionWorld {
protected:
    CookActionTest() : cook(cookActor, addFireplace({0.f, 2.f})) {}

    const orv::Entity* actor() { return cookActor; }
    void give(const Json& ids) {
        for (const Json& id : ids)
            inventoryOf(actor()).addItem(kit.items.createItem(id.get<std::string>()));
    }

    const orv::Entity* cookActor = addActor({0.f, 0.f});
    tarsk::CookAction cook;
};

TEST_F(CookActionTest, WithoutFishNothingHappens) {
    give({"WOOD"});
    int changes = 0;
    inventoryOf(actor()).changed.connect([&] { ++changes; });
    EXPECT_EQ(cook.getDescription(), "Cook");
    cook.execute();
    EXPECT_EQ(inventoryOf(actor()).toJson(), Json::parse(R"(["WOOD"])"));
    EXPECT_EQ(changes, 0);
}

TEST_F(CookActionTest, OneOfTwoFishIsCooked) {
    give({"FISH", "WOOD", "FISH"});
    const tarsk::Item* second = inventoryOf(actor()).getItems()[2].get();
    cook.execute();

    const Json after = inventoryOf(actor()).toJson();
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[0], "WOOD");
    EXPECT_EQ(inventoryOf(actor()).getItems()[1].get(), second);
    EXPECT_TRUE(after[2] == "FISH_COOKED" || after[2] == "FISH_BURNED") << after;
}

TEST_F(CookActionTest, AFireThatCannotCookKeepsTheFish) {
    give({"FISH"});
    const orv::Entity* rock = addRock({0.f, 4.f});
    tarsk::CookAction atRock(actor(), rock);
    EXPECT_THROW(atRock.execute(), std::logic_error);
    EXPECT_EQ(inventoryOf(actor()).toJson(), Json::parse(R"(["FISH"])"));

    const orv::Entity* stranger = addActor({3.f, 0.f}, {.inventory = false});
    EXPECT_THROW(tarsk::CookAction(stranger, rock).execute(), std::logic_error);
}

TEST_F(CookActionTest, AFireWhoseItemsLackTheCookedFishRefusesAndKeepsTheFish) {
    itemtest::ItemKit bare;
    bare.define(itemtest::itemObject("FISH", "Fish", "fish.png"));
    auto fire = std::make_unique<orv::Entity>();
    fire->addComponent<orv::TransformationComponent>();
    fire->addComponent<tarsk::CookingComponent>(bare.items, random);
    const orv::Entity* placed = add(std::move(fire));
    give({"FISH"});
    testing::internal::CaptureStdout();
    for (int i = 0; i < 20; ++i)
        EXPECT_NO_THROW(tarsk::CookAction(actor(), placed).execute());
    EXPECT_NE(testing::internal::GetCapturedStdout().find("cooking refused: Item not found, id: FISH_"),
              std::string::npos);
    EXPECT_EQ(inventoryOf(actor()).toJson(), Json::parse(R"(["FISH"])"));
}

} // namespace
