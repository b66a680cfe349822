// The game's frames without drawing: the shipped game file loaded through the real loader and
// the in-game root updated at 1/120 s, then the same island with a crowd of hunting frogs.
#include "engine/ecs/World.hpp"
#include "tools/bench-game/BenchFolder.hpp"
#include "tools/bench-game/FrogCrowd.hpp"
#include "tools/bench-game/GameSession.hpp"
#include "tools/bench-report/BenchmarkMain.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <utility>

namespace {

const sf::Time FrameTime = sf::seconds(1.f / 120.f);
const std::string FrogBlueprint = "hunting_frog";
// Frames run before timing starts: the first ones settle the player and the camera in.
constexpr int WarmUpFrames = 10;

// `islands` copies of the island's land hold the crowd, so crowds compare at equal density.
void simulate(benchmark::State& state, int frogs, int islands) {
    nlohmann::json game = nlohmann::json::parse(orvbench::shippedGameFile());
    orvbench::widenLand(game, islands);
    if (frogs > 0)
        orvbench::addCrowd(game, FrogBlueprint, frogs, 2024);
    // Frogs find the player standing about and bite on for the whole run; the player outlives it.
    orvbench::setPlayerHealth(game, 1e9);
    orvbench::BenchFolder folder(game.dump());
    orvbench::GameSession session(FrameTime);
    // No more warming up than the run itself has frames (the smoke run has two).
    for (int i = 0; i < std::min<benchmark::IterationCount>(WarmUpFrames, state.max_iterations); ++i)
        session.simulate();
    int frames = 0;
    for (auto _ : state) {
        if (!session.simulate()) {
            state.SkipWithError(("the player died after " + std::to_string(frames) + " frames").c_str());
            break;
        }
        ++frames;
    }
    state.counters["entities"] = static_cast<double>(session.playerWorld().getEntityCount());
}

void registerAll(const orvbench::Scale& scale) {
    benchmark::RegisterBenchmark("Simulation/shipped", [](benchmark::State& state) { simulate(state, 0, 1); })
        ->Iterations(scale.pick(3000, 2))
        ->Unit(benchmark::kMillisecond);
    // Steady play: thousands of frames, in which frogs hop for a moment and rest for long, rather
    // than only the first stampede. The largest crowd runs fewer so the whole run stays within a
    // minute, and is compared with 1,000 frogs over as few frames. 100 and 1,000 frogs share one
    // island; 5,000 get five islands' land, the density of 1,000, so their ratio shows how the
    // game scales rather than how crowding costs.
    struct Crowd {
        const char* name;
        int frogs;
        int frames;
        int islands;
    };
    for (const Crowd crowd :
         {Crowd{"frogs:100", 100, 3000, 1}, Crowd{"frogs:1000", 1000, 3000, 1},
          Crowd{"frogs:1000/300frames", 1000, 300, 1}, Crowd{"frogs:5000/300frames", 5000, 300, 5}}) {
        const int count = scale.pick(crowd.frogs, crowd.frogs / 100);
        const int islands = crowd.islands;
        benchmark::RegisterBenchmark(
            (std::string("Simulation/") + crowd.name).c_str(),
            [count, islands](benchmark::State& state) { simulate(state, count, islands); })
            ->Iterations(scale.pick(crowd.frames, 2))
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

// Per frame: the shipped game against its 1 ms budget, 1,000 frogs against 4 ms, and how the
// cost grows with the crowd (five times the frogs on five times the land should cost at most six
// times as much).
int main(int argc, char** argv) {
    return orvbench::runBenchmarks(
        argc, argv, registerAll,
        {{"Simulation/shipped", {}, 1.0, 1.0},
         {"Simulation/frogs:1000", {}, 4.0, 1.0},
         {"Simulation/frogs:1000", {"Simulation/frogs:100"}},
         {"Simulation/frogs:5000/300frames", {"Simulation/frogs:1000/300frames"}, 0.0, 6.0}});
}
