// Searches across a square field of unit cells crossed by walls, each with one gap at
// alternating ends, so the route snakes through the whole field.
#include "engine/navigation/NavmeshBuilder.hpp"
#include "engine/navigation/RegionType.hpp"

#include "tools/bench-report/BenchmarkMain.hpp"

#include <benchmark/benchmark.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

struct Field {
    std::unique_ptr<orv::RegionType> ground = orv::makeRegionEntry("ground");
    std::unique_ptr<orv::RegionType> boundary = orv::makeRegionEntry("boundary");
    std::unique_ptr<orv::Navmesh> mesh;
    int size;

    explicit Field(int size) : size(size) {
        orv::NavmeshBuilder builder(0.3f, 10.f, boundary.get());
        std::vector<orv::NavgraphNode*> cells(size * size, nullptr);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const float fx = float(x);
                const float fy = float(y);
                if (isWall(x, y)) {
                    builder.addObstacle({{fx, fy}, {fx + 1, fy}, {fx + 1, fy + 1}, {fx, fy + 1}});
                    continue;
                }
                const auto id = builder.addPolygon(ground.get(),
                                                   {{fx, fy}, {fx + 1, fy}, {fx + 1, fy + 1}, {fx, fy + 1}});
                cells[y * size + x] = &builder.addNode({fx + 0.5f, fy + 0.5f}, ground.get(), {id});
            }
        }
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                orv::NavgraphNode* cell = cells[y * size + x];
                if (cell == nullptr)
                    continue;
                if (x + 1 < size && cells[y * size + x + 1])
                    builder.connect(*cell, *cells[y * size + x + 1]);
                if (y + 1 < size && cells[(y + 1) * size + x])
                    builder.connect(*cell, *cells[(y + 1) * size + x]);
            }
        }
        mesh = builder.build();
    }

    // Every fourth row is a wall with a gap at the left or the right end.
    bool isWall(int x, int y) const {
        if (y % 4 != 2)
            return false;
        const bool gapLeft = (y / 4) % 2 == 1;
        return gapLeft ? x != 0 : x != size - 1;
    }
};

void FindPathAcrossField(benchmark::State& state) {
    const Field field(static_cast<int>(state.range(0)));
    const sf::Vector2f start{0.5f, 0.5f};
    const sf::Vector2f goal{field.size - 0.5f, field.size - 0.5f};
    for (auto _ : state) {
        orv::Navpath path = field.mesh->findPath(start, goal);
        if (!path.isValid())
            state.SkipWithError("no path across the field");
        benchmark::DoNotOptimize(path);
    }
}

void FindNodePathAcrossField(benchmark::State& state) {
    const Field field(static_cast<int>(state.range(0)));
    const orv::NavgraphNode* start = &field.mesh->graph.nodes.front();
    const orv::NavgraphNode* goal = &field.mesh->graph.nodes.back();
    for (auto _ : state) {
        auto nodes = field.mesh->graph.findNodePath(start, goal, field.boundary.get(), {});
        benchmark::DoNotOptimize(nodes);
    }
}

void registerAll(const orvbench::Scale& scale) {
    for (auto [name, function] : {std::pair{"FindPathAcrossField", &FindPathAcrossField},
                                  std::pair{"FindNodePathAcrossField", &FindNodePathAcrossField}}) {
        auto* b = benchmark::RegisterBenchmark(name, function)->Unit(benchmark::kMicrosecond);
        if (scale.smoke)
            b->Arg(8)->Iterations(1);
        else
            b->Arg(16)->Arg(32)->Arg(64)->Repetitions(5);
    }
}

} // namespace

// The whole search (graph search, funnel and shortening) beside the graph search alone, and how
// the search grows with the field: a 64-wide field has four times the cells of a 32-wide one.
int main(int argc, char** argv) {
    return orvbench::runBenchmarks(argc, argv, registerAll,
                                   {{"FindPathAcrossField/64", {"FindNodePathAcrossField/64"}},
                                    {"FindPathAcrossField/64", {"FindPathAcrossField/32"}},
                                    {"FindNodePathAcrossField/64", {"FindNodePathAcrossField/32"}}});
}
