// Adding, updating and removing a world's worth of entities, the way a loaded or generated world
// and its frames do it.
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/persistence/PersistenceSystem.hpp"
#include "engine/transform/TransformationComponent.hpp"

#include "tools/bench-report/BenchmarkMain.hpp"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

int EntityCount = 10'000;

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

void UpdateWorld(benchmark::State& state) {
    auto world = makeWorld();
    world->addEntities(makeEntities());
    for (auto _ : state)
        world->update();
    state.SetItemsProcessed(state.iterations() * EntityCount);
}

// The same drift over the same components held in a plain vector: what a frame costs without
// the world around it.
void UpdateBareLoop(benchmark::State& state) {
    std::vector<orv::TransformationComponent> transforms(EntityCount);
    for (auto _ : state) {
        for (orv::TransformationComponent& t : transforms) {
            const sf::Vector2f p = t.getPositionXY();
            t.setPositionXY({p.x + 0.01f, p.y});
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * EntityCount);
}

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

void registerAll(const orvbench::Scale& scale) {
    EntityCount = scale.pick(10'000, 10);
    const int repetitions = scale.pick(5, 1);
    auto fixed = [&](benchmark::internal::Benchmark* b, benchmark::TimeUnit unit) {
        b->Repetitions(repetitions)->Unit(unit);
        if (scale.smoke)
            b->Iterations(1);
    };
    fixed(benchmark::RegisterBenchmark("AddEntities", AddEntities)->Arg(0)->Arg(1)->ArgName("oneByOne"),
          benchmark::kMillisecond);
    fixed(benchmark::RegisterBenchmark("UpdateWorld", UpdateWorld), benchmark::kMicrosecond);
    fixed(benchmark::RegisterBenchmark("UpdateBareLoop", UpdateBareLoop), benchmark::kMicrosecond);
    fixed(benchmark::RegisterBenchmark("RemoveEntities", RemoveEntities)->Arg(0)->Arg(1)->ArgName("marked"),
          benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    return orvbench::runBenchmarks(argc, argv, registerAll,
                                   {{"AddEntities/oneByOne:1", {"AddEntities/oneByOne:0"}},
                                    {"UpdateWorld", {"UpdateBareLoop"}},
                                    {"RemoveEntities/marked:1", {"RemoveEntities/marked:0"}}});
}
