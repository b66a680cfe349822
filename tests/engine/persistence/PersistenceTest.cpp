#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/persistence/PeristenceRealmSystem_global.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/persistence/PersistenceSystem.hpp"
#include "engine/transform/TransformationComponent.hpp"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <vector>

namespace persistence_test {

// A saved component with a fixed record.
class Tag : public orv::SerializableComponent {
public:
    inline static const std::string Name = "tag";
    explicit Tag(std::string value) : value(std::move(value)) {}
    void onPreInit(orv::Entity*) override {}
    void onInit() override {}
    nlohmann::json toJsonData() const override { return {{"value", value}}; }
    const std::string& getName() const override { return Name; }
    std::string value;
};

// A component that is not saved.
class Scratch : public orv::Component {
public:
    void onPreInit(orv::Entity*) override {}
    void onInit() override {}
};

} // namespace persistence_test

namespace {

using Batch = std::vector<const orv::Entity*>;
using persistence_test::Scratch;
using persistence_test::Tag;

std::unique_ptr<orv::Entity> makeEntity(bool withPersistence, bool persistent = true) {
    auto entity = std::make_unique<orv::Entity>();
    entity->addComponent<orv::TransformationComponent>();
    if (withPersistence)
        entity->addComponent<orv::PersistenceComponent>(persistent);
    entity->init();
    return entity;
}

// A world with its persistence system, initialised before any entity arrives.
struct SavedWorld {
    SavedWorld() {
        system = world.registerSystem<orv::PersistenceSystem>();
        world.initSystems();
    }
    orv::World world;
    orv::PersistenceSystem* system;
};

TEST(PersistenceComponent, SavesTheSerialisableComponentsPresentAtInit) {
    orv::Entity entity;
    entity.addComponent<Tag>("before");
    entity.addComponent<Scratch>();
    entity.addComponent<orv::TransformationComponent>()->setPositionXY({3, 4});
    auto* persistence = entity.addComponent<orv::PersistenceComponent>();
    EXPECT_TRUE(persistence->isPersistent());
    entity.init();

    EXPECT_EQ(persistence->getSavedComponents().size(), 2u);
    const nlohmann::json expected = {
        {"tag", {{"value", "before"}}},
        {"transform", {{"position", {3.0, 4.0, 0.0}}, {"rotation", 0.0}, {"scale", {1.0, 1.0}}}}};
    EXPECT_EQ(persistence->toJson(), expected);

    // Later additions are not saved, and later changes of saved ones are.
    struct Late : Tag {
        using Tag::Tag;
    };
    entity.addComponent<Late>("after");
    entity.getComponent<Tag>()->value = "changed";
    EXPECT_EQ(persistence->toJson().size(), 2u);
    EXPECT_EQ(persistence->toJson()["tag"]["value"], "changed");
}

TEST(PersistenceComponent, EntityWithoutSavedComponentsWritesAnEmptyObject) {
    orv::Entity entity;
    auto* persistence = entity.addComponent<orv::PersistenceComponent>(false);
    entity.init();
    EXPECT_FALSE(persistence->isPersistent());
    EXPECT_EQ(persistence->toJson(), nlohmann::json::object());
}

TEST(PersistenceSystem, TracksEntitiesWithTheComponentAndSavesThePersistentOnes) {
    SavedWorld saved;
    auto plain = makeEntity(false);
    auto player = makeEntity(true, false);
    auto tree = makeEntity(true);
    const orv::Entity* playerRaw = player.get();
    const orv::Entity* treeRaw = tree.get();
    std::vector<std::unique_ptr<orv::Entity>> batch;
    batch.push_back(std::move(plain));
    batch.push_back(std::move(player));
    batch.push_back(std::move(tree));
    saved.world.addEntities(std::move(batch));

    EXPECT_EQ(saved.system->getTrackedEntities(), (Batch{playerRaw, treeRaw}));
    EXPECT_EQ(saved.system->getPersistentEntities(), (Batch{treeRaw}));
}

TEST(PersistenceSystem, RemovalUntracksAndReturnAppends) {
    SavedWorld saved;
    const orv::Entity* a = saved.world.addEntity(makeEntity(true));
    const orv::Entity* b = saved.world.addEntity(makeEntity(true));
    const orv::Entity* c = saved.world.addEntity(makeEntity(true));
    auto removed = saved.world.removeEntities({a});
    EXPECT_EQ(saved.system->getPersistentEntities(), (Batch{b, c}));
    saved.world.addEntities(std::move(removed));
    EXPECT_EQ(saved.system->getPersistentEntities(), (Batch{b, c, a}));
    saved.world.markForRemoval(c);
    saved.world.removeMarkedEntities();
    EXPECT_EQ(saved.system->getPersistentEntities(), (Batch{b, a}));
}

TEST(PersistenceSystem, MovedEntityChangesLists) {
    orv::WorldManager manager(0);
    std::vector<orv::PersistenceSystem*> systems;
    for (std::uint32_t id : {1u, 2u}) {
        auto world = std::make_unique<orv::World>();
        systems.push_back(world->registerSystem<orv::PersistenceSystem>());
        world->initSystems();
        manager.addExistingWorldContainer(orv::WorldContainer(id, std::move(world), true, "w"));
    }
    const orv::Entity* entity = manager.getWorldContainer(1)->getWorld()->addEntity(makeEntity(true));
    manager.moveEntity(2, entity);
    EXPECT_TRUE(systems[0]->getPersistentEntities().empty());
    EXPECT_EQ(systems[1]->getPersistentEntities(), (Batch{entity}));
}

TEST(PeristenceRealmSystem, SavesItsFixedRecord) {
    auto system = orv::PeristenceRealmSystem_global::create({{"ignored", true}});
    EXPECT_EQ(
        system->toJson(),
        nlohmann::json::parse(R"({"TEST_YOO": "i am a test", "_SystemTypeId": "PeristenceRealmSystem"})"));
    EXPECT_EQ(system->getUpdatePriority(), 0);

    orv::WorldManager manager(3);
    manager.registerSystem(std::move(system), typeid(orv::PeristenceRealmSystem_global));
    manager.initSystems();
    EXPECT_NO_THROW(manager.update());
    EXPECT_EQ(manager.getSystem<orv::PeristenceRealmSystem_global>()->getSystemTypeName(),
              "PeristenceRealmSystem");
}

} // namespace
