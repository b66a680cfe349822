#include "ActionWorld.hpp"

#include "game/actions/DefaultActionGenerator.hpp"
#include "game/actions/PickupItemAction.hpp"

#include <gtest/gtest.h>

namespace {

using actiontest::ActionWorld;
using actiontest::namesOf;
using itemtest::Json;

// What a character that can talk carries, for the talk maker of these tests.
class Chatty : public orv::Component {
public:
    void onPreInit(orv::Entity*) override {}
    void onInit() override {}
};

class TalkAction : public tarsk::Action {
public:
    std::string getDescription() const override { return "Talk to"; }
    sf::FloatRect getTargetBounds() const override { return {}; }
    void execute() override {}
};

class DefaultActionGeneratorTest : public ::testing::Test, public ActionWorld {
protected:
    std::vector<std::string> offers(const orv::Entity* actor) {
        return namesOf(generator.generate(world, actor));
    }

    tarsk::DefaultActionGenerator generator;
};

TEST_F(DefaultActionGeneratorTest, OffersToPickUpItemsInFrontAndInReach) {
    const orv::Entity* actor = addActor({0.f, 0.f});
    addItem("WOOD", {0.f, 2.f});
    addItem("FISH", {0.f, -2.f});
    addItem("FISH", {0.f, 6.5f});
    addRock({1.f, 1.5f});

    std::vector<std::unique_ptr<tarsk::Action>> actions = generator.generate(world, actor);
    ASSERT_EQ(namesOf(actions), std::vector<std::string>{"Pick up: Wood"});
    const sf::FloatRect bounds = actions[0]->getTargetBounds();
    // The item's box with Box2D's polygon skin of 0.01.
    EXPECT_NEAR(bounds.left, -0.41f, 1e-4f);
    EXPECT_NEAR(bounds.top, 1.59f, 1e-4f);
    EXPECT_NEAR(bounds.width, 0.82f, 1e-4f);
    EXPECT_NEAR(bounds.height, 0.82f, 1e-4f);

    // Turned round, the actor sees the fish behind it instead.
    const orv::Entity* turned = addActor({10.f, 0.f}, {.facing = tarsk::OrientationComponent::NORTH});
    addItem("FISH", {10.f, -2.f});
    addItem("WOOD", {10.f, 2.f});
    EXPECT_EQ(offers(turned), std::vector<std::string>{"Pick up: Fish"});
}

TEST_F(DefaultActionGeneratorTest, AnItemOnAFireIsPickedUpBeforeCooking) {
    const orv::Entity* actor = addActor({0.f, 0.f});
    addFireplace({0.f, 2.f}, "FISH");
    EXPECT_EQ(offers(actor), (std::vector<std::string>{"Pick up: Fish", "Cook"}));
}

TEST_F(DefaultActionGeneratorTest, WithoutAnInventoryOnlyTalkIsOffered) {
    tarsk::DefaultActionGenerator talking([](const orv::Entity* actor, const orv::Entity* target) {
        const bool canTalk = actor->findComponent<Chatty>() && target->findComponent<Chatty>();
        return canTalk ? std::make_unique<TalkAction>() : nullptr;
    });
    const orv::Entity* actor = addActor({0.f, 0.f}, {.inventory = false});
    const_cast<orv::Entity*>(actor)->addComponent<Chatty>();
    addItem("WOOD", {0.f, 1.5f});
    addFireplace({-1.f, 3.f});
    auto oldMan = std::make_unique<orv::Entity>();
    oldMan->addComponent<orv::TransformationComponent>()->setPositionXY({1.f, 3.f});
    oldMan->addComponent(actiontest::boxBody(0.3f, 0.3f), typeid(orv::PhysicsComponent));
    oldMan->addComponent<Chatty>();
    add(std::move(oldMan));

    EXPECT_EQ(namesOf(talking.generate(world, actor)), std::vector<std::string>{"Talk to"});
    // The same actor with an inventory gets everything, and without a talk maker no talk.
    const orv::Entity* carrier = addActor({0.f, 0.5f});
    const_cast<orv::Entity*>(carrier)->addComponent<Chatty>();
    EXPECT_EQ(namesOf(talking.generate(world, carrier)),
              (std::vector<std::string>{"Pick up: Wood", "Cook", "Talk to"}));
    EXPECT_EQ(offers(carrier).size(), 2u);
}

TEST_F(DefaultActionGeneratorTest, PickingUpMovesTheItemAndRemovesItsEntityAtTheEndOfTheFrame) {
    const orv::Entity* actor = addActor({0.f, 0.f});
    const orv::Entity* wood = addItem("WOOD", {0.f, 2.f});
    tarsk::Inventory& inventory = inventoryOf(actor);
    int changes = 0;
    inventory.changed.connect([&] { ++changes; });

    std::vector<std::unique_ptr<tarsk::Action>> actions = generator.generate(world, actor);
    ASSERT_EQ(actions.size(), 1u);
    actions[0]->execute();
    EXPECT_EQ(inventory.toJson(), Json::parse(R"(["WOOD"])"));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(world.contains(wood));
    EXPECT_EQ(world.getMarkedForRemoval(), std::vector<const orv::Entity*>{wood});

    // Held again within the frame: the action is spent.
    EXPECT_EQ(actions[0]->getDescription(), "Pick up: #error#");
    actions[0]->execute();
    EXPECT_EQ(inventory.getItems().size(), 1u);
    EXPECT_EQ(changes, 1);
    // An emptied item entity is no longer offered, and after the frame it is gone.
    EXPECT_TRUE(offers(actor).empty());
    world.removeMarkedEntities();
    EXPECT_FALSE(world.contains(wood));
}

TEST_F(DefaultActionGeneratorTest, APickUpNeedsAnItemComponentOnItsTarget) {
    const orv::Entity* actor = addActor({0.f, 0.f});
    const orv::Entity* rock = addRock({0.f, 2.f});
    EXPECT_THROW(tarsk::PickupItemAction(world, inventoryOf(actor), rock), std::logic_error);
}

} // namespace
