#include "engine/ecs/World.hpp"
#include "game/needs/NeedsComponent.hpp"
#include "game/needs/NeedsSystem.hpp"
#include "game/time/TimeSystem.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

TEST(NeedsComponentTest, ChangesAreClampedAndAnnounced) {
    tarsk::NeedsComponent component({10.f, 50.f});
    std::vector<tarsk::Needs> seen;
    component.changed.connect([&seen](const tarsk::Needs& needs) { seen.push_back(needs); });

    component.changeNeeds({-25.f, 70.f});
    EXPECT_EQ(component.getNeeds().first, 0.f);
    EXPECT_EQ(component.getNeeds().second, 100.f);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first, 0.f);
    EXPECT_EQ(seen[0].second, 100.f);

    // Eating at 90 fills up to the limit and leaves the other need alone.
    tarsk::NeedsComponent hungry({90.f, 40.f});
    hungry.changeNeeds({30.f, 0.f});
    EXPECT_EQ(hungry.getNeeds().first, 100.f);
    EXPECT_EQ(hungry.getNeeds().second, 40.f);

    // A new creature is fully fed; starting values are clamped like changes.
    EXPECT_EQ(tarsk::NeedsComponent().getNeeds().second, 100.f);
    tarsk::NeedsComponent outOfRange({-5.f, 250.f});
    EXPECT_EQ(outOfRange.getNeeds().first, 0.f);
    EXPECT_EQ(outOfRange.getNeeds().second, 100.f);
}

class NeedsSystemTest : public ::testing::Test {
protected:
    NeedsSystemTest() {
        time = world.registerSystem<tarsk::TimeSystem>();
        needs = world.registerSystem<tarsk::NeedsSystem>();
        world.initSystems();
    }

    tarsk::NeedsComponent* addCreature(tarsk::Needs initial = {100.f, 100.f}) {
        auto entity = std::make_unique<orv::Entity>();
        auto* component = entity->addComponent<tarsk::NeedsComponent>(initial);
        entity->init();
        creatures.push_back(world.addEntity(std::move(entity)));
        return component;
    }

    void frame(sf::Time realTime) {
        time->setFrameTime(realTime);
        world.update();
    }

    orv::World world;
    tarsk::TimeSystem* time = nullptr;
    tarsk::NeedsSystem* needs = nullptr;
    std::vector<const orv::Entity*> creatures;
};

TEST_F(NeedsSystemTest, OneRealSecondDrainsBothNeedsByAFiftieth) {
    tarsk::NeedsComponent* creature = addCreature();
    frame(sf::seconds(1.f));
    EXPECT_FLOAT_EQ(creature->getNeeds().first, 99.95f);
    EXPECT_FLOAT_EQ(creature->getNeeds().second, 99.95f);
}

TEST_F(NeedsSystemTest, AStillFrameStillAnnouncesEveryCreature) {
    tarsk::NeedsComponent* first = addCreature({40.f, 60.f});
    tarsk::NeedsComponent* second = addCreature();
    int announcements = 0;
    first->changed.connect([&](const tarsk::Needs&) { ++announcements; });
    second->changed.connect([&](const tarsk::Needs&) { ++announcements; });

    frame(sf::Time::Zero);
    EXPECT_EQ(announcements, 2);
    EXPECT_EQ(first->getNeeds().first, 40.f);
    EXPECT_EQ(first->getNeeds().second, 60.f);
}

TEST_F(NeedsSystemTest, FollowsOnlyCreaturesInItsWorld) {
    auto plain = std::make_unique<orv::Entity>();
    plain->init();
    world.addEntity(std::move(plain));
    tarsk::NeedsComponent* stays = addCreature();
    addCreature();
    EXPECT_EQ(needs->getEntities(), creatures);

    std::vector<std::unique_ptr<orv::Entity>> gone = world.removeEntities({creatures[1]});
    EXPECT_EQ(needs->getEntities(), std::vector<const orv::Entity*>{creatures[0]});
    frame(sf::seconds(2.f));
    EXPECT_FLOAT_EQ(stays->getNeeds().first, 99.9f);
    EXPECT_EQ(gone.front()->getComponent<tarsk::NeedsComponent>()->getNeeds().first, 100.f);
}

TEST_F(NeedsSystemTest, AListenerMayRemoveAndAddCreaturesDuringTheDrain) {
    tarsk::NeedsComponent* first = addCreature();
    addCreature();
    addCreature();
    std::vector<std::unique_ptr<orv::Entity>> gone;
    tarsk::NeedsComponent* newcomer = nullptr;
    first->changed.connect([&](const tarsk::Needs&) {
        if (newcomer)
            return;
        gone = world.removeEntities({creatures[1]});
        newcomer = addCreature();
    });

    frame(sf::seconds(1.f));
    EXPECT_EQ(gone.front()->getComponent<tarsk::NeedsComponent>()->getNeeds().first, 100.f);
    EXPECT_FLOAT_EQ(creatures[2]->getComponent<tarsk::NeedsComponent>()->getNeeds().first, 99.95f);
    EXPECT_EQ(newcomer->getNeeds().first, 100.f); // joins with the next frame
    frame(sf::seconds(1.f));
    EXPECT_FLOAT_EQ(newcomer->getNeeds().first, 99.95f);
    EXPECT_EQ(needs->getEntities(), (std::vector<const orv::Entity*>{creatures[0], creatures[2], creatures[3]}));
}

TEST(NeedsSystemSetup, NeedsTheWorldsTimeSystem) {
    orv::World world;
    world.registerSystem<tarsk::NeedsSystem>();
    try {
        world.initSystems();
        FAIL() << "initialised without a time system";
    } catch (const std::logic_error& error) {
        EXPECT_EQ(std::string(error.what()).rfind("System does not exist. SystemName: ", 0), 0u)
            << error.what();
    }
}

} // namespace
