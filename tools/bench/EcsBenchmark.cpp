// Adding, updating and removing a world's worth of entities, the way a loaded or generated world
// and its frames do it.
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/persistence/PersistenceSystem.hpp"
#include "engine/transform/TransformationComponent.hpp"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int EntityCount = 10'000;

// Follows every transformed entity and moves it a little each frame, as a movement system would.
class DriftSystem : public orv::System_base<orv::World> {
public:
    void onPreInit(orv::World* world) override {
        world->getEntitiesAddedSignal().connect([this](const std::vector<const orv::Entity*>& batch) {
            for (const orv::Entity* entity : batch) {
                if (auto* t = entity->findComponent<orv::TransformationComponent>())
                    transforms.push_back(t);
            }
        });
        world->getEntitiesRemovedSignal().connect(
            [this](const std::vector<const orv::Entity*>&) { transforms.clear(); });
    }
    void onInit() override {}
    void onUpdate() override {
        for (orv::TransformationComponent* t : transforms) {
            const sf::Vector2f p = t->getPositionXY();
            t->setPositionXY({p.x + 0.01f, p.y});
        }
    }

private:
    std::vector<orv::TransformationComponent*> transforms;
};

std::unique_ptr<orv::World> makeWorld() {
    auto world = std::make_unique<orv::World>();
    world->registerSystem<DriftSystem>();
    world->registerSystem<orv::PersistenceSystem>();
    world->initSystems();
    return world;
}

std::vector<std::unique_ptr<orv::Entity>> makeEntities() {
    std::vector<std::unique_ptr<orv::Entity>> entities;
    entities.reserve(EntityCount);
    for (int i = 0; i < EntityCount; ++i) {
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<orv::TransformationComponent>()->setPositionXY({float(i), 0.f});
        entity->addComponent<orv::PersistenceComponent>();
        entity->init();
        entities.push_back(std::move(entity));
    }
    return entities;
}

void AddEntities(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto world = makeWorld();
        auto entities = makeEntities();
        state.ResumeTiming();
        if (state.range(0) == 0) {
            world->addEntities(std::move(entities));
        } else {
            for (auto& entity : entities)
                world->addEntity(std::move(entity));
        }
        benchmark::DoNotOptimize(world->getEntityCount());
        state.PauseTiming();
        world.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * EntityCount);
}
BENCHMARK(AddEntities)->Arg(0)->Arg(1)->ArgName("oneByOne")->Unit(benchmark::kMillisecond);

void UpdateWorld(benchmark::State& state) {
    auto world = makeWorld();
    world->addEntities(makeEntities());
    for (auto _ : state)
        world->update();
    state.SetItemsProcessed(state.iterations() * EntityCount);
}
BENCHMARK(UpdateWorld)->Unit(benchmark::kMicrosecond);

void RemoveEntities(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto world = makeWorld();
        const std::vector<const orv::Entity*> added = world->addEntities(makeEntities());
        state.ResumeTiming();
        if (state.range(0) == 0) {
            benchmark::DoNotOptimize(world->removeEntities(added));
        } else {
            // Marked during a frame, removed after it.
            for (const orv::Entity* entity : added)
                world->markForRemoval(entity);
            world->removeMarkedEntities();
        }
        benchmark::DoNotOptimize(world->getEntityCount());
        state.PauseTiming();
        world.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * EntityCount);
}
BENCHMARK(RemoveEntities)->Arg(0)->Arg(1)->ArgName("marked")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
