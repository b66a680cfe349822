#include "engine/navigation/Navgraph.hpp"
#include "engine/navigation/RegionType.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using orv::CostModifiers;
using orv::Navgraph;
using orv::NavgraphNode;

const auto ground = orv::makeRegionEntry("ground");
const auto swamp = orv::makeRegionEntry("swamp", {{"cost", 3.f}});
const auto border = orv::makeRegionEntry("border");

float byRegionCost(const orv::RegionType* region, float cost) {
    return cost * region->property("cost", 1.f);
}

NavgraphNode::Connection connectionTo(NavgraphNode& target, float length, const orv::RegionType* region) {
    return {&target, length, region};
}

TEST(ConnectionCost, LengthPassesThroughModifiersInOrder) {
    Navgraph graph;
    NavgraphNode& from = graph.addNode({0, 0}, ground.get());
    NavgraphNode& to = graph.addNode({4, 0}, swamp.get());
    const auto plain = connectionTo(to, 4.f, ground.get());

    EXPECT_FLOAT_EQ(Navgraph::determineConnectionCost(from, plain, border.get(), {}), 4.f);

    const auto doubling = [](const orv::RegionType*, float cost) {
        return cost * 2.f;
    };
    EXPECT_FLOAT_EQ(Navgraph::determineConnectionCost(from, plain, border.get(), {doubling}), 8.f);
    EXPECT_FLOAT_EQ(Navgraph::determineConnectionCost(from, plain, border.get(), {doubling, doubling}), 16.f);

    const auto addOne = [](const orv::RegionType*, float cost) {
        return cost + 1.f;
    };
    EXPECT_FLOAT_EQ(Navgraph::determineConnectionCost(from, plain, border.get(), {addOne, doubling}), 10.f);
    EXPECT_FLOAT_EQ(Navgraph::determineConnectionCost(from, plain, border.get(), {doubling, addOne}), 9.f);

    // A non-boundary connection is priced by its own region, not by the nodes'.
    const auto throughSwamp = connectionTo(to, 4.f, swamp.get());
    EXPECT_FLOAT_EQ(Navgraph::determineConnectionCost(from, throughSwamp, border.get(), {byRegionCost}),
                    12.f);
    EXPECT_FLOAT_EQ(Navgraph::determineConnectionCost(to, plain, border.get(), {byRegionCost}), 4.f);
}

TEST(ConnectionCost, BoundaryIsPaidHalfInEachRegion) {
    Navgraph graph;
    NavgraphNode& from = graph.addNode({0, 0}, ground.get());
    NavgraphNode& to = graph.addNode({4, 0}, swamp.get());
    const auto crossing = connectionTo(to, 4.f, border.get());

    EXPECT_FLOAT_EQ(Navgraph::determineConnectionCost(from, crossing, border.get(), {}), 4.f);
    std::vector<std::string> seen;
    const auto record = [&](const orv::RegionType* region, float cost) {
        seen.push_back(region->name + ":" + std::to_string(int(cost)));
        return cost;
    };
    EXPECT_FLOAT_EQ(Navgraph::determineConnectionCost(from, crossing, border.get(), {record}), 4.f);
    EXPECT_EQ(seen, (std::vector<std::string>{"ground:2", "swamp:2"}));

    // 2 on ground plus 2 x 3 in the swamp, and the reverse direction costs the same.
    EXPECT_FLOAT_EQ(Navgraph::determineConnectionCost(from, crossing, border.get(), {byRegionCost}), 8.f);
    const auto back = connectionTo(from, 4.f, border.get());
    EXPECT_FLOAT_EQ(Navgraph::determineConnectionCost(to, back, border.get(), {byRegionCost}), 8.f);
}

TEST(ConnectionCost, MissingRegionTypeThrowsEvenWithoutBoundaries) {
    Navgraph graph;
    NavgraphNode& from = graph.addNode({0, 0}, ground.get());
    NavgraphNode& to = graph.addNode({4, 0}, ground.get());
    const auto broken = connectionTo(to, 4.f, nullptr);
    for (const orv::RegionType* boundary : std::vector<const orv::RegionType*>{border.get(), nullptr}) {
        try {
            Navgraph::determineConnectionCost(from, broken, boundary, {});
            ADD_FAILURE() << "no exception";
        } catch (const std::exception& e) {
            EXPECT_STREQ(e.what(),
                         "orv::Navgraph::determineConnectionCost: connection.regionType == nullptr");
        }
    }
}

TEST(FindNodePath, TrivialAndUnreachableGoals) {
    Navgraph graph;
    NavgraphNode& a = graph.addNode({0, 0}, ground.get());
    NavgraphNode& b = graph.addNode({5, 0}, ground.get());
    NavgraphNode& island = graph.addNode({50, 0}, ground.get());
    Navgraph::connect(a, b, ground.get());

    EXPECT_EQ(graph.findNodePath(&a, &a, border.get(), {}), Navgraph::NodePath{&a});
    EXPECT_EQ(graph.findNodePath(&a, &b, border.get(), {}), (Navgraph::NodePath{&a, &b}));
    EXPECT_TRUE(graph.findNodePath(&a, &island, border.get(), {}).empty());
    // Connections only lead one way.
    EXPECT_TRUE(graph.findNodePath(&b, &a, border.get(), {}).empty());
    EXPECT_THROW(graph.findNodePath(nullptr, &a, border.get(), {}), std::invalid_argument);
}

TEST(FindNodePath, MissingRegionTypeThrowsOnlyWhenReached) {
    Navgraph graph;
    NavgraphNode& start = graph.addNode({0, 0}, ground.get());
    NavgraphNode& goal = graph.addNode({5, 0}, ground.get());
    NavgraphNode& beyond = graph.addNode({10, 0}, ground.get());
    Navgraph::connect(start, goal, ground.get());
    Navgraph::connect(goal, beyond, nullptr);

    EXPECT_EQ(graph.findNodePath(&start, &goal, border.get(), {}), (Navgraph::NodePath{&start, &goal}));
    EXPECT_THROW(graph.findNodePath(&start, &beyond, border.get(), {}), std::runtime_error);
}

// The cheap route first leads away from the goal; a search that adds up its distance
// estimates along the way would give up on it for the expensive direct connection.
TEST(FindNodePath, TakesTheCheapRouteThatLeadsAwayFromTheGoal) {
    Navgraph graph;
    NavgraphNode& start = graph.addNode({0, 0}, ground.get());
    NavgraphNode& goal = graph.addNode({10, 0}, ground.get());
    NavgraphNode& up = graph.addNode({0, 10}, ground.get());
    NavgraphNode& over = graph.addNode({10, 10}, ground.get());
    Navgraph::connect(start, goal, ground.get(), 40.f);
    Navgraph::connect(start, up, ground.get());
    Navgraph::connect(up, over, ground.get());
    Navgraph::connect(over, goal, ground.get());

    EXPECT_EQ(graph.findNodePath(&start, &goal, border.get(), {}),
              (Navgraph::NodePath{&start, &up, &over, &goal}));

    // Once the detour is dearer than the direct connection, the direct one wins.
    const auto detourDear = [&](const orv::RegionType*, float cost) {
        return cost == 40.f ? 29.f : cost;
    };
    EXPECT_EQ(graph.findNodePath(&start, &goal, border.get(), {detourDear}),
              (Navgraph::NodePath{&start, &goal}));
}

// A direct connection of cost 10 against a detour whose cost a modifier cuts to a tenth (4 + 4):
// the detour leads far from the goal, and the search must still see that it is cheaper.
TEST(FindNodePath, FindsTheCheapestPathWhenCostsFallBelowTheDistance) {
    Navgraph graph;
    NavgraphNode& start = graph.addNode({0, 0}, ground.get());
    NavgraphNode& goal = graph.addNode({10, 0}, ground.get());
    NavgraphNode& bend = graph.addNode({5, 30}, swamp.get());
    Navgraph::connect(start, goal, ground.get(), 10.f);
    Navgraph::connect(start, bend, swamp.get(), 40.f);
    Navgraph::connect(bend, goal, swamp.get(), 40.f);
    const auto cheapRoad = [&](const orv::RegionType* region, float cost) {
        return region == swamp.get() ? cost * 0.1f : cost;
    };
    EXPECT_EQ(graph.findNodePath(&start, &goal, border.get(), {cheapRoad}),
              (Navgraph::NodePath{&start, &bend, &goal}));

    // A connection shorter than the straight line between its ends does the same.
    Navgraph shortcut;
    NavgraphNode& from = shortcut.addNode({0, 0}, ground.get());
    NavgraphNode& to = shortcut.addNode({10, 0}, ground.get());
    NavgraphNode& hop = shortcut.addNode({5, 20}, ground.get());
    Navgraph::connect(from, to, ground.get(), 10.f);
    Navgraph::connect(from, hop, ground.get(), 1.f);
    Navgraph::connect(hop, to, ground.get(), 1.f);
    EXPECT_EQ(shortcut.findNodePath(&from, &to, border.get(), {}), (Navgraph::NodePath{&from, &hop, &to}));
}

TEST(FindNodePath, ModifiersSteerAroundCostlyRegions) {
    // A straight line through a swamp and a longer way round on firm ground.
    Navgraph graph;
    NavgraphNode& start = graph.addNode({0, 0}, ground.get());
    NavgraphNode& bog = graph.addNode({5, 0}, swamp.get());
    NavgraphNode& goal = graph.addNode({10, 0}, ground.get());
    NavgraphNode& round = graph.addNode({5, 6}, ground.get());
    Navgraph::connectBoth(start, bog, border.get());
    Navgraph::connectBoth(bog, goal, border.get());
    Navgraph::connectBoth(start, round, ground.get());
    Navgraph::connectBoth(round, goal, ground.get());

    EXPECT_EQ(graph.findNodePath(&start, &goal, border.get(), {}), (Navgraph::NodePath{&start, &bog, &goal}));
    EXPECT_EQ(graph.findNodePath(&start, &goal, border.get(), {byRegionCost}),
              (Navgraph::NodePath{&start, &round, &goal}));
    // Without a boundary type the crossings are priced by their own region, which is cheap.
    EXPECT_EQ(graph.findNodePath(&start, &goal, nullptr, {byRegionCost}),
              (Navgraph::NodePath{&start, &bog, &goal}));
}

TEST(FindNodePath, EqualEstimatesExpandTheLatestOpenedFirst) {
    Navgraph graph;
    NavgraphNode& start = graph.addNode({0, 0}, ground.get());
    NavgraphNode& left = graph.addNode({5, 5}, ground.get());
    NavgraphNode& right = graph.addNode({5, -5}, ground.get());
    NavgraphNode& goal = graph.addNode({10, 0}, ground.get());
    Navgraph::connect(start, left, ground.get());
    Navgraph::connect(start, right, ground.get());
    Navgraph::connect(left, goal, ground.get());
    Navgraph::connect(right, goal, ground.get());

    EXPECT_EQ(graph.findNodePath(&start, &goal, border.get(), {}),
              (Navgraph::NodePath{&start, &right, &goal}));
    std::swap(start.connections[0], start.connections[1]);
    EXPECT_EQ(graph.findNodePath(&start, &goal, border.get(), {}),
              (Navgraph::NodePath{&start, &left, &goal}));
}

TEST(FindNodePath, AnEquallyCheapSecondArrivalKeepsTheFirstParent) {
    Navgraph graph;
    NavgraphNode& start = graph.addNode({0, 0}, ground.get());
    NavgraphNode& left = graph.addNode({5, 5}, ground.get());
    NavgraphNode& right = graph.addNode({5, -5}, ground.get());
    NavgraphNode& middle = graph.addNode({10, 0}, ground.get());
    NavgraphNode& goal = graph.addNode({15, 0}, ground.get());
    Navgraph::connect(start, left, ground.get());
    Navgraph::connect(start, right, ground.get());
    Navgraph::connect(left, middle, ground.get());
    Navgraph::connect(right, middle, ground.get());
    Navgraph::connect(middle, goal, ground.get());

    // right is expanded first and opens middle; left reaches middle later at the same cost.
    EXPECT_EQ(graph.findNodePath(&start, &goal, border.get(), {}),
              (Navgraph::NodePath{&start, &right, &middle, &goal}));
}

TEST(ReconstructPath, RejectsBrokenParentLinks) {
    Navgraph graph;
    NavgraphNode& a = graph.addNode({0, 0}, ground.get());
    NavgraphNode& b = graph.addNode({1, 0}, ground.get());
    NavgraphNode& c = graph.addNode({2, 0}, ground.get());
    EXPECT_EQ(Navgraph::reconstructPath({{&c, &b}, {&b, &a}}, &a, &c), (Navgraph::NodePath{&a, &b, &c}));
    EXPECT_THROW(Navgraph::reconstructPath({{&c, &b}}, &a, &c), std::logic_error);
    EXPECT_THROW(Navgraph::reconstructPath({{&c, &b}, {&b, &c}}, &a, &c), std::logic_error);
}

// Random graphs checked against a plain Dijkstra search. Costs never fall below the straight
// distance, so the cheapest route is the only right answer.
class RandomGraph {
public:
    explicit RandomGraph(unsigned seed) : random(seed) {
        std::uniform_real_distribution<float> coordinate(0.f, 100.f);
        std::uniform_int_distribution<int> regionPick(0, 1);
        const int count = std::uniform_int_distribution<int>(2, 30)(random);
        for (int i = 0; i < count; ++i)
            nodes.push_back(&graph.addNode({coordinate(random), coordinate(random)},
                                           regionPick(random) ? ground.get() : swamp.get()));

        std::uniform_int_distribution<int> nodePick(0, count - 1);
        std::uniform_real_distribution<float> detour(1.f, 3.f);
        std::set<std::pair<int, int>> used;
        const int edges = std::uniform_int_distribution<int>(0, count * 3)(random);
        for (int e = 0; e < edges; ++e) {
            const int from = nodePick(random);
            const int to = nodePick(random);
            if (from == to || !used.insert({from, to}).second)
                continue;
            const orv::RegionType* region =
                nodes[from]->regionType == nodes[to]->regionType ? nodes[from]->regionType : border.get();
            const float straight = std::hypot(nodes[to]->position.x - nodes[from]->position.x,
                                              nodes[to]->position.y - nodes[from]->position.y);
            Navgraph::connect(*nodes[from], *nodes[to], region, straight * detour(random));
        }
    }

    std::vector<float> cheapestCosts(int from, const CostModifiers& modifiers) const {
        const float infinity = std::numeric_limits<float>::infinity();
        std::vector<float> best(nodes.size(), infinity);
        std::vector<bool> done(nodes.size(), false);
        best[from] = 0.f;
        for (std::size_t round = 0; round < nodes.size(); ++round) {
            int current = -1;
            for (std::size_t i = 0; i < nodes.size(); ++i) {
                if (!done[i] && best[i] < infinity && (current < 0 || best[i] < best[current]))
                    current = int(i);
            }
            if (current < 0)
                break;
            done[current] = true;
            for (const auto& connection : nodes[current]->connections) {
                const auto target = std::ranges::find(nodes, connection.target) - nodes.begin();
                best[target] = std::min(
                    best[target], best[current] + Navgraph::determineConnectionCost(
                                                      *nodes[current], connection, border.get(), modifiers));
            }
        }
        return best;
    }

    float costOf(const Navgraph::NodePath& path, const CostModifiers& modifiers) const {
        float total = 0.f;
        for (std::size_t i = 0; i + 1 < path.size(); ++i) {
            const auto& connections = path[i]->connections;
            auto it = std::ranges::find(connections, path[i + 1], &NavgraphNode::Connection::target);
            if (it == connections.end())
                return std::numeric_limits<float>::quiet_NaN();
            total += Navgraph::determineConnectionCost(*path[i], *it, border.get(), modifiers);
        }
        return total;
    }

    Navgraph graph;
    std::vector<NavgraphNode*> nodes;
    std::mt19937 random;
};

TEST(FindNodePath, MatchesExhaustiveSearchOnRandomGraphs) {
    const std::vector<CostModifiers> modifierSets{{}, {byRegionCost}};
    for (unsigned seed = 1; seed <= 150; ++seed) {
        RandomGraph world(seed);
        for (const auto& modifiers : modifierSets) {
            const std::vector<float> expected = world.cheapestCosts(0, modifiers);
            for (std::size_t goal = 0; goal < world.nodes.size(); ++goal) {
                SCOPED_TRACE("seed " + std::to_string(seed) + ", goal " + std::to_string(goal));
                const auto path =
                    world.graph.findNodePath(world.nodes[0], world.nodes[goal], border.get(), modifiers);
                if (std::isinf(expected[goal])) {
                    EXPECT_TRUE(path.empty());
                    continue;
                }
                ASSERT_FALSE(path.empty());
                EXPECT_EQ(path.front(), world.nodes[0]);
                EXPECT_EQ(path.back(), world.nodes[goal]);
                EXPECT_NEAR(world.costOf(path, modifiers), expected[goal], 1e-3f * (1.f + expected[goal]));
            }
        }
    }
}

} // namespace
