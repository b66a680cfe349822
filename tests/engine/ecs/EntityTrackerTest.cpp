#include "Probes.hpp"

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/World.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

using ecs_test::readyEntity;

namespace {

using Batch = std::vector<const orv::Entity*>;

struct Tag : orv::Component {
    void onPreInit(orv::Entity*) override {}
    void onInit() override {}
    int visits = 0;
};

std::unique_ptr<orv::Entity> tagged() {
    auto entity = std::make_unique<orv::Entity>();
    entity->addComponent<Tag>();
    entity->init();
    return entity;
}

struct Followed {
    Followed() {
        before = world.addEntity(tagged());
        tracker.follow(
            world, [this](const orv::Entity* e, Tag&) { log.push_back(e); },
            [this](const orv::Entity* e, Tag&) { log.push_back(e); });
    }
    const orv::Entity* add() { return world.addEntity(tagged()); }

    orv::World world;
    orv::EntityTracker<Tag> tracker;
    const orv::Entity* before = nullptr;
    Batch log;
};

TEST(EntityTracker, ListsLaterHoldersInArrivalOrderAndDropsTheRemoved) {
    Followed f;
    std::vector<std::unique_ptr<orv::Entity>> batch;
    batch.push_back(tagged());
    batch.push_back(readyEntity());
    batch.push_back(tagged());
    const Batch added = f.world.addEntities(std::move(batch));
    const orv::Entity* last = f.add();
    EXPECT_EQ(f.tracker.entities(), (Batch{added[0], added[2], last}));

    f.world.removeEntities({added[2], added[1], f.before});
    EXPECT_EQ(f.tracker.entities(), (Batch{added[0], last}));
    EXPECT_FALSE(f.tracker.contains(added[2]));
    EXPECT_EQ(f.log, (Batch{added[0], added[2], last, added[2]}));

    // A removed entity that comes back goes to the end.
    f.world.addEntity(std::move(f.world.removeEntities({added[0]}).front()));
    EXPECT_EQ(f.tracker.entities(), (Batch{last, added[0]}));
}

TEST(EntityTracker, AWalkSkipsWhatItsWorkRemovesAndLeavesWhatItAddsForTheNextWalk) {
    Followed f;
    const Batch listed = {f.add(), f.add(), f.add(), f.add()};
    Batch visited;
    Batch stayed;
    const orv::Entity* spawned = nullptr;
    f.tracker.forEach(
        [&](const orv::Entity* entity, Tag& tag) {
            visited.push_back(entity);
            ++tag.visits;
            if (entity == listed[1]) // dies, and takes a later one along
                f.world.removeEntities({listed[1], listed[3]});
            if (entity == listed[2])
                spawned = f.add();
        },
        [&](const orv::Entity* entity, Tag&) { stayed.push_back(entity); });
    EXPECT_EQ(visited, (Batch{listed[0], listed[1], listed[2]}));
    EXPECT_EQ(stayed, (Batch{listed[0], listed[2]}));
    EXPECT_EQ(spawned->getComponent<Tag>()->visits, 0);

    visited.clear();
    f.tracker.forEach([&](const orv::Entity* entity, Tag&) { visited.push_back(entity); });
    EXPECT_EQ(visited, (Batch{listed[0], listed[2], spawned}));
    ASSERT_EQ(f.tracker.entries().size(), 3u);
    EXPECT_EQ(f.tracker.entries()[2].component, spawned->getComponent<Tag>());
    EXPECT_THROW(f.tracker.forEach([&](const orv::Entity*, Tag&) { f.tracker.entries(); }), std::logic_error);
}

TEST(EntityTracker, KeepsFindingEntriesAfterReorderingAndCompacting) {
    Followed f;
    Batch listed;
    for (int i = 0; i < 6; ++i)
        listed.push_back(f.add());
    f.tracker.reorder([](auto& list) {
        std::reverse(list.begin(), list.end());
        return true;
    });
    f.world.removeEntities({listed[5], listed[4], listed[1], listed[0]}); // compacts
    f.world.removeEntities({listed[2]});
    EXPECT_EQ(f.tracker.entities(), Batch{listed[3]});
    EXPECT_EQ(f.tracker.size(), 1u);
}

TEST(EntityTracker, RemovesOneByOneInConstantTime) {
    // Erasing from the front of a plain list of this size one at a time moves ~10^11 bytes.
    constexpr int count = 100000;
    std::vector<std::unique_ptr<orv::Entity>> owned;
    Batch all;
    for (int i = 0; i < count; ++i) {
        owned.push_back(tagged());
        all.push_back(owned.back().get());
    }
    orv::EntityTracker<Tag> tracker;
    tracker.add(all);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count - 1; ++i)
        tracker.remove(all[static_cast<std::size_t>(i)]);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(tracker.entities(), Batch{all.back()});
    EXPECT_LT(took, std::chrono::seconds(3));
}

} // namespace
