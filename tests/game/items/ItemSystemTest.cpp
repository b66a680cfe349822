#include "game/items/support/ItemTestKit.hpp"

#include "engine/ecs/World.hpp"
#include "game/items/ItemCollectorComponent.hpp"
#include "game/items/ItemSystem.hpp"

#include <gtest/gtest.h>

namespace {

using itemtest::ItemKit;

class ItemSystemTest : public ::testing::Test {
protected:
    ItemSystemTest() {
        kit.defineBasics();
        system = world.registerSystem<tarsk::ItemSystem>();
        world.initSystems();
    }

    const orv::Entity* addItem(const std::string& id) {
        auto entity = kit.items.createItemEntity(id);
        entity->init();
        return world.addEntity(std::move(entity));
    }

    const orv::Entity* addCollector() {
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<tarsk::ItemCollectorComponent>();
        entity->init();
        return world.addEntity(std::move(entity));
    }

    static tarsk::ItemCollectorComponent& collectorOf(const orv::Entity* entity) {
        return *entity->getComponent<tarsk::ItemCollectorComponent>();
    }

    ItemKit kit;
    orv::World world;
    tarsk::ItemSystem* system = nullptr;
};

TEST_F(ItemSystemTest, FollowsItemEntitiesAndCollectors) {
    EXPECT_EQ(system->getSystemTypeName(), "ItemSystem");
    EXPECT_EQ(system->toJson(), nlohmann::json::parse(R"({"_SystemTypeId": "ItemSystem"})"));

    const orv::Entity* wood = addItem("WOOD");
    auto plain = std::make_unique<orv::Entity>();
    plain->init();
    world.addEntity(std::move(plain));
    const orv::Entity* fish = addItem("FISH");
    const orv::Entity* collector = addCollector();

    EXPECT_EQ(system->getItemEntities(), (std::vector<const orv::Entity*>{wood, fish}));
    EXPECT_EQ(system->getCollectors(), std::vector<const orv::Entity*>{collector});

    world.removeEntities({wood, collector});
    EXPECT_EQ(system->getItemEntities(), std::vector<const orv::Entity*>{fish});
    EXPECT_TRUE(system->getCollectors().empty());
}

TEST_F(ItemSystemTest, ACollectedItemLeavesAtTheEndOfTheFrame) {
    const orv::Entity* wood = addItem("WOOD");
    const orv::Entity* collector = addCollector();

    collectorOf(collector).collected.emit(wood);
    EXPECT_TRUE(world.contains(wood));
    EXPECT_EQ(world.getMarkedForRemoval(), std::vector<const orv::Entity*>{wood});

    world.removeMarkedEntities();
    EXPECT_FALSE(world.contains(wood));
    EXPECT_TRUE(system->getItemEntities().empty());
}

TEST_F(ItemSystemTest, OnlyEntitiesOfItsWorldAreRemoved) {
    const orv::Entity* collector = addCollector();
    orv::World elsewhere;
    auto stranger = kit.items.createItemEntity("WOOD");
    stranger->init();
    const orv::Entity* foreign = elsewhere.addEntity(std::move(stranger));

    collectorOf(collector).collected.emit(foreign);
    EXPECT_TRUE(world.getMarkedForRemoval().empty());
    EXPECT_NO_THROW(world.removeMarkedEntities());
}

TEST_F(ItemSystemTest, ACollectorThatLeftTheWorldNoLongerRemovesAnything) {
    const orv::Entity* wood = addItem("WOOD");
    const orv::Entity* collector = addCollector();
    std::vector<std::unique_ptr<orv::Entity>> removed = world.removeEntities({collector});

    removed.front()->getComponent<tarsk::ItemCollectorComponent>()->collected.emit(wood);
    EXPECT_TRUE(world.getMarkedForRemoval().empty());
}

} // namespace
