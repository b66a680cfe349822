#include "engine/ecs/World.hpp"
#include "game/needs/AgricultureComponent.hpp"
#include "game/needs/AgricultureSystem.hpp"
#include "game/time/TimeSystem.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <typeinfo>
#include <vector>

namespace {

// A crop that only remembers the game time it was given.
class Crop : public tarsk::AgricultureComponent {
public:
    void onPreInit(orv::Entity*) override {}
    void onInit() override {}
    void grow(const sf::Time& gameTimeDelta) override { growth.push_back(gameTimeDelta); }

    std::vector<sf::Time> growth;
};

class AgricultureTest : public ::testing::Test {
protected:
    AgricultureTest() {
        time = world.registerSystem<tarsk::TimeSystem>();
        agriculture = world.registerSystem<tarsk::AgricultureSystem>();
        world.initSystems();
    }

    Crop* plant() {
        auto entity = std::make_unique<orv::Entity>();
        auto* crop = static_cast<Crop*>(
            entity->addComponent(std::make_unique<Crop>(), typeid(tarsk::AgricultureComponent)));
        entity->init();
        fields.push_back(world.addEntity(std::move(entity)));
        return crop;
    }

    orv::World world;
    tarsk::TimeSystem* time = nullptr;
    tarsk::AgricultureSystem* agriculture = nullptr;
    std::vector<const orv::Entity*> fields;
};

TEST_F(AgricultureTest, CropsGrowByTheGameTimeOfEachTick) {
    Crop* wheat = plant();
    Crop* corn = plant();
    time->setFrameTime(sf::milliseconds(500));
    world.update();
    time->setFrameTime(sf::Time::Zero);
    world.update();

    const std::vector<sf::Time> expected{sf::seconds(48.f), sf::Time::Zero};
    EXPECT_EQ(wheat->growth, expected);
    EXPECT_EQ(corn->growth, expected);
    // The tick drives growth, not the system's own update.
    agriculture->onUpdate();
    EXPECT_EQ(wheat->growth.size(), 2u);
}

TEST_F(AgricultureTest, HarvestedFieldsStopGrowing) {
    Crop* wheat = plant();
    Crop* corn = plant();
    auto harvested = world.removeEntities({fields[0]});
    EXPECT_EQ(agriculture->getEntities(), std::vector<const orv::Entity*>{fields[1]});

    time->setFrameTime(sf::seconds(1.f));
    world.update();
    EXPECT_TRUE(wheat->growth.empty());
    EXPECT_EQ(corn->growth.size(), 1u);
}

TEST(AgricultureSetup, NeedsTheWorldsTimeSystem) {
    orv::World world;
    world.registerSystem<tarsk::AgricultureSystem>();
    EXPECT_THROW(world.initSystems(), std::logic_error);
}

} // namespace
