// Writing and reading back a world manager of 10,000 entities, beside plain parse and dump of the
// same document: the difference is what the save layer adds to the JSON library's own work.
// The second argument makes every entity a blueprint entity, saved relative to its blueprint.
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/SerializableComponent.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/persistence/PeristenceRealmSystem_global.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/persistence/PersistenceSystem.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/BindTypeIndex.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/serialization/WorldReader.hpp"
#include "engine/serialization/WorldWriter.hpp"
#include "engine/transform/TransformationComponent.hpp"

#include "tools/bench-report/BenchmarkMain.hpp"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>

namespace {

int EntityCount = 10'000;

// A small record of the kind most game components save.
class Vitals : public orv::SerializableComponent {
public:
    inline static const std::string Name = "vitals";
    static std::unique_ptr<Vitals> fromJson(const nlohmann::json& data) {
        auto vitals = std::make_unique<Vitals>();
        vitals->hp = data.at("hp").get<int>();
        vitals->label = data.at("label").get<std::string>();
        return vitals;
    }
    void onPreInit(orv::Entity*) override {}
    void onInit() override {}
    nlohmann::json toJsonData() const override { return {{"hp", hp}, {"label", label}}; }
    const std::string& getName() const override { return Name; }
    int hp = 0;
    std::string label;
};

struct Game {
    orv::ResourceManager resources;
    orv::SerializationManager types{
        resources,
        {{orv::TransformationComponent::Name,
          orv::bindTypeIndex<orv::TransformationComponent>(&orv::TransformationComponent::fromJson)},
         {Vitals::Name, orv::bindTypeIndex<Vitals>(&Vitals::fromJson)}},
        {},
        {}};

    Game() {
        types.getBlueprintManager().add(nlohmann::json::parse(R"({"_type": "frog", "_inherit": [],
            "_isEntity": true, "transform": {"_save": ["position"]},
            "vitals": {"hp": 3, "label": "frog"}})"));
        types.getBlueprintManager().compileAll();
    }

    std::unique_ptr<orv::WorldManager> build(bool fromBlueprint) {
        auto world = std::make_unique<orv::World>();
        world->registerSystem<orv::PersistenceSystem>();
        world->initSystems();
        std::vector<std::unique_ptr<orv::Entity>> entities;
        for (int i = 0; i < EntityCount; ++i) {
            std::unique_ptr<orv::Entity> entity;
            if (fromBlueprint) {
                entity = types.instantiate("frog");
            } else {
                entity = std::make_unique<orv::Entity>();
                entity->addComponent<orv::TransformationComponent>();
                auto* vitals = entity->addComponent<Vitals>();
                vitals->hp = i % 100;
                vitals->label = "entity " + std::to_string(i);
            }
            entity->getComponent<orv::TransformationComponent>()->setPosition(
                {float(i % 100) * 0.5f, float(i / 100) * 0.25f, 0.f});
            entity->addComponent<orv::PersistenceComponent>(true);
            entity->init();
            entities.push_back(std::move(entity));
        }
        world->addEntities(std::move(entities));

        auto manager = std::make_unique<orv::WorldManager>(2);
        manager->registerSystem<orv::PeristenceRealmSystem_global>();
        manager->initSystems();
        manager->addExistingWorldContainer(orv::WorldContainer(1, std::move(world), true, "island"));
        return manager;
    }
};

void setLabels(benchmark::State& state) {
    state.SetLabel(state.range(0) ? "blueprint entities" : "plain entities");
    state.SetItemsProcessed(state.iterations() * EntityCount);
}

// The save layer: running objects to a JSON tree.
void BM_WorldToJson(benchmark::State& state) {
    Game game;
    auto manager = game.build(state.range(0) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::worldManagerToJson(*manager));
    setLabels(state);
}

// The save layer: a JSON tree to running, initialised objects (destroying them included).
void BM_WorldFromJson(benchmark::State& state) {
    Game game;
    const nlohmann::json document = orv::worldManagerToJson(*game.build(state.range(0) != 0));
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::worldManagerFromJson(game.types, document));
    setLabels(state);
}

// The JSON library alone on the same document, as the game file is written and read.
void BM_JsonDump(benchmark::State& state) {
    Game game;
    const nlohmann::json document = orv::worldManagerToJson(*game.build(state.range(0) != 0));
    for (auto _ : state)
        benchmark::DoNotOptimize(document.dump(4));
    setLabels(state);
}

void BM_JsonParse(benchmark::State& state) {
    Game game;
    const std::string text = orv::worldManagerToJson(*game.build(state.range(0) != 0)).dump(4);
    for (auto _ : state)
        benchmark::DoNotOptimize(nlohmann::json::parse(text));
    setLabels(state);
}

// The whole round trip the game does: objects to text and text back to objects.
void BM_SaveAndLoadText(benchmark::State& state) {
    Game game;
    auto manager = game.build(state.range(0) != 0);
    for (auto _ : state) {
        const std::string text = orv::worldManagerToJson(*manager).dump(4);
        benchmark::DoNotOptimize(orv::worldManagerFromJson(game.types, nlohmann::json::parse(text)));
    }
    setLabels(state);
}

void registerAll(const orvbench::Scale& scale) {
    EntityCount = scale.pick(10'000, 10);
    for (auto [name, function] :
         {std::pair{"BM_WorldToJson", &BM_WorldToJson}, std::pair{"BM_JsonDump", &BM_JsonDump},
          std::pair{"BM_WorldFromJson", &BM_WorldFromJson}, std::pair{"BM_JsonParse", &BM_JsonParse},
          std::pair{"BM_SaveAndLoadText", &BM_SaveAndLoadText}}) {
        auto* b = benchmark::RegisterBenchmark(name, function)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
        if (scale.smoke)
            b->Iterations(1);
        else
            b->Repetitions(5);
    }
}

} // namespace

// The round trip beside the JSON library's own share of it (parse + dump of the same text).
int main(int argc, char** argv) {
    return orvbench::runBenchmarks(argc, argv, registerAll,
                                   {{"BM_SaveAndLoadText/0", {"BM_JsonParse/0", "BM_JsonDump/0"}, 0.0, 1.5},
                                    {"BM_SaveAndLoadText/1", {"BM_JsonParse/1", "BM_JsonDump/1"}, 0.0, 1.5},
                                    {"BM_WorldToJson/0", {"BM_JsonDump/0"}},
                                    {"BM_WorldToJson/1", {"BM_JsonDump/1"}},
                                    {"BM_WorldFromJson/0", {"BM_JsonParse/0"}},
                                    {"BM_WorldFromJson/1", {"BM_JsonParse/1"}}});
}
