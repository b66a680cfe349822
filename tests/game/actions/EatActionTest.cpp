#include "ActionWorld.hpp"

#include "game/actions/DefaultItemActionGenerator.hpp"
#include "game/actions/ItemEatAction.hpp"
#include "game/actions/TargetBounds.hpp"

#include <gtest/gtest.h>

#include <exception>

namespace {

using actiontest::ActionWorld;
using actiontest::namesOf;
using itemtest::Json;

class EatActionTest : public ::testing::Test, public ActionWorld {
protected:
    EatActionTest() {
        kit.define(itemtest::itemObject("BERRY", "Berry", "berry.png", {{"NutritionalValue", 25}}));
        kit.define(itemtest::itemObject("ROCK", "Rock", "rock.png", {{"weight", 3}}));
    }

    const tarsk::Item* give(const orv::Entity* actor, const std::string& id) {
        std::unique_ptr<tarsk::Item> item = kit.items.createItem(id);
        const tarsk::Item* held = item.get();
        inventoryOf(actor).addItem(std::move(item));
        return held;
    }

    static const tarsk::Needs& needsOf(const orv::Entity* actor) {
        return actor->getComponent<tarsk::NeedsComponent>()->getNeeds();
    }

    tarsk::DefaultItemActionGenerator generator;
};

TEST_F(EatActionTest, EdibleItemsAreEatenIntoTheFirstNeed) {
    const orv::Entity* actor = addActor({0.f, 0.f});
    const tarsk::Item* berry = give(actor, "BERRY");
    give(actor, "WOOD");

    std::vector<std::unique_ptr<tarsk::ItemAction>> actions = generator.generate(world, actor, berry);
    ASSERT_EQ(namesOf(actions), std::vector<std::string>{"Eat"});
    actions[0]->execute();
    EXPECT_EQ(needsOf(actor).first, 75.f);
    EXPECT_EQ(needsOf(actor).second, 50.f);
    EXPECT_EQ(inventoryOf(actor).toJson(), Json::parse(R"(["WOOD"])"));
}

TEST_F(EatActionTest, OnlyFoodForACreatureWithNeedsAndAnInventory) {
    const orv::Entity* actor = addActor({0.f, 0.f});
    EXPECT_TRUE(generator.generate(world, actor, give(actor, "WOOD")).empty());
    EXPECT_TRUE(generator.generate(world, actor, give(actor, "ROCK")).empty());

    const orv::Entity* statue = addActor({5.f, 0.f}, {.needs = false});
    EXPECT_TRUE(generator.generate(world, statue, give(statue, "BERRY")).empty());
    const orv::Entity* beggar = addActor({10.f, 0.f}, {.inventory = false});
    const std::unique_ptr<tarsk::Item> berry = kit.items.createItem("BERRY");
    EXPECT_TRUE(generator.generate(world, beggar, berry.get()).empty());
}

TEST_F(EatActionTest, AStaleSecondMealFailsWithoutFeeding) {
    const orv::Entity* actor = addActor({0.f, 0.f});
    const tarsk::Item* berry = give(actor, "BERRY");
    auto first = generator.generate(world, actor, berry);
    auto second = generator.generate(world, actor, berry);

    first[0]->execute();
    EXPECT_THROW(second[0]->execute(), std::exception);
    EXPECT_EQ(needsOf(actor).first, 75.f);
    EXPECT_TRUE(inventoryOf(actor).getItems().empty());
}

TEST_F(EatActionTest, FoodWithoutANutritionalValueCannotBeEaten) {
    const orv::Entity* actor = addActor({0.f, 0.f});
    const tarsk::Item* rock = give(actor, "ROCK");
    tarsk::ItemEatAction eatRock(actor, inventoryOf(actor), rock);
    try {
        eatRock.execute();
        FAIL() << "a rock was eaten";
    } catch (const Json::invalid_iterator& error) {
        EXPECT_NE(std::string(error.what()).find("cannot get value"), std::string::npos);
    }
    tarsk::ItemEatAction eatWood(actor, inventoryOf(actor), give(actor, "WOOD"));
    EXPECT_THROW(eatWood.execute(), Json::invalid_iterator);
    EXPECT_EQ(inventoryOf(actor).getItems().size(), 2u);
    EXPECT_EQ(needsOf(actor).first, 50.f);
}

TEST_F(EatActionTest, AnActorWithoutNeedsKeepsItsFood) {
    const orv::Entity* statue = addActor({0.f, 0.f}, {.needs = false});
    tarsk::ItemEatAction eat(statue, inventoryOf(statue), give(statue, "BERRY"));
    EXPECT_THROW(eat.execute(), std::logic_error);
    EXPECT_EQ(inventoryOf(statue).getItems().size(), 1u);
}

TEST_F(EatActionTest, TargetsWithoutABodyHaveNoBounds) {
    orv::Entity loose;
    EXPECT_EQ(tarsk::bodyBounds(loose), sf::FloatRect(0.f, 0.f, 0.f, 0.f));
    // A physics component outside a simulation has no body yet.
    loose.addComponent(actiontest::boxBody(1.f, 1.f), typeid(orv::PhysicsComponent));
    EXPECT_EQ(tarsk::bodyBounds(loose), sf::FloatRect(0.f, 0.f, 0.f, 0.f));
}

} // namespace
