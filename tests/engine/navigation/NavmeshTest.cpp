#include "VectorMatchers.hpp"

#include "engine/navigation/Navmesh.hpp"
#include "engine/navigation/RegionType.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

using ClipperLib::Path;
using orv::Navgraph;
using orv::NavgraphNode;
using orv::Navmesh;
using Points = std::vector<sf::Vector2f>;

const auto ground = orv::makeRegionEntry("ground");
const auto border = orv::makeRegionEntry("border");

// Nodes without polygons are never skipped by the shortening, so the search shows through.
Navmesh& calculated(Navmesh& mesh) {
    mesh.calculated = true;
    mesh.boundaryRegionType = border.get();
    return mesh;
}

void expectPoints(const orv::Navpath& path, const Points& expected) {
    ASSERT_EQ(path.getPath().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(nearVector(path.getPath()[i], expected[i])) << "point " << i;
}

TEST(Navpath, ValidExactlyWithPoints) {
    EXPECT_FALSE(orv::Navpath{}.isValid());
    const orv::Navpath path{Points{{1, 2}}};
    EXPECT_TRUE(path.isValid());
    EXPECT_EQ(path.getPath(), (Points{{1, 2}}));
}

TEST(FindPath, RefusesAnUncalculatedMesh) {
    Navmesh mesh;
    mesh.graph.addNode({0, 0}, ground.get());
    try {
        mesh.findPath({0, 0}, {1, 1});
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "cannot do that on an uncalculated navmesh");
    }
}

TEST(FindPath, EmptyGraphOrUnreachableGoalGivesAnInvalidPath) {
    Navmesh mesh;
    calculated(mesh);
    EXPECT_FALSE(mesh.findPath({0, 0}, {5, 5}).isValid());

    mesh.graph.addNode({0, 0}, ground.get());
    mesh.graph.addNode({10, 0}, ground.get());
    const orv::Navpath path = mesh.findPath({0, 1}, {10, 1});
    EXPECT_FALSE(path.isValid());
    EXPECT_TRUE(path.getPath().empty());
}

TEST(FindPath, SingleNearestNodeIsKeptOrSkipped) {
    Navmesh mesh;
    calculated(mesh);
    mesh.scale = 10.f;
    mesh.graph.addNode({5, 5}, ground.get());
    mesh.graph.addNode({50, 50}, ground.get());
    // A wall cuts the straight walk, so the walk goes by the node.
    mesh.secondPaths = {Path{{50, 0}, {50, 46}}};
    expectPoints(mesh.findPath({4, 4}, {6, 5}), {{4, 4}, {5, 5}, {6, 5}});

    mesh.secondPaths = {};
    expectPoints(mesh.findPath({4, 4}, {6, 5}), {{4, 4}, {6, 5}});
}

TEST(FindPath, SnapsToTheNearestNodeAndKeepsTheEarlierOnTies) {
    Navmesh mesh;
    calculated(mesh);
    NavgraphNode& above = mesh.graph.addNode({0, 5}, ground.get());
    NavgraphNode& below = mesh.graph.addNode({0, -5}, ground.get());
    NavgraphNode& goal = mesh.graph.addNode({20, 0}, ground.get());
    NavgraphNode& far = mesh.graph.addNode({0, 30}, ground.get());
    Navgraph::connect(above, goal, ground.get());
    Navgraph::connect(below, goal, ground.get());
    Navgraph::connect(far, goal, ground.get());

    expectPoints(mesh.findPath({0, 0}, {21, 0}), {{0, 0}, {0, 5}, {20, 0}, {21, 0}});
    expectPoints(mesh.findPath({0, -1}, {21, 0}), {{0, -1}, {0, -5}, {20, 0}, {21, 0}});
    // A later node wins once it is strictly nearer.
    expectPoints(mesh.findPath({0, 20}, {21, 0}), {{0, 20}, {0, 30}, {20, 0}, {21, 0}});
}

TEST(FindPath, PassesModifiersToTheSearch) {
    const auto mud = orv::makeRegionEntry("mud");
    Navmesh mesh;
    calculated(mesh);
    NavgraphNode& start = mesh.graph.addNode({0, 0}, ground.get());
    NavgraphNode& through = mesh.graph.addNode({5, 1}, mud.get());
    NavgraphNode& around = mesh.graph.addNode({5, 8}, ground.get());
    NavgraphNode& goal = mesh.graph.addNode({10, 0}, ground.get());
    Navgraph::connect(start, through, mud.get());
    Navgraph::connect(through, goal, mud.get());
    Navgraph::connect(start, around, ground.get());
    Navgraph::connect(around, goal, ground.get());

    expectPoints(mesh.findPath({0, 0}, {10, 0}), {{0, 0}, {0, 0}, {5, 1}, {10, 0}, {10, 0}});
    const auto avoidMud = [&](const orv::RegionType* region, float cost) {
        return region == mud.get() ? cost * 5.f : cost;
    };
    expectPoints(mesh.findPath({0, 0}, {10, 0}, {avoidMud}), {{0, 0}, {0, 0}, {5, 8}, {10, 0}, {10, 0}});
}

TEST(NavgraphNode, PolygonSharingAndConnectionRegion) {
    NavgraphNode a{{0, 0}, ground.get(), {1, 2}, {}};
    NavgraphNode b{{1, 0}, ground.get(), {3, 2}, {}};
    NavgraphNode c{{2, 0}, ground.get(), {4}, {}};
    NavgraphNode bare{{3, 0}, ground.get(), {}, {}};
    EXPECT_TRUE(a.sharesPolygonWith(b));
    EXPECT_TRUE(b.sharesPolygonWith(a));
    EXPECT_FALSE(a.sharesPolygonWith(c));
    EXPECT_FALSE(bare.sharesPolygonWith(bare));

    Navgraph::connect(a, b, border.get());
    Navgraph::connect(a, b, ground.get());
    EXPECT_EQ(a.getConnectionRegionTypeTo(b), border.get());
    try {
        b.getConnectionRegionTypeTo(a);
        FAIL() << "no exception";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "NavgraphNode::getConnectionRegionTypeTo not directly connected");
    }
}

// Shortening on hand-made outlines. Scale 10 and a radius of 0.5 world units.
class Shortening : public testing::Test {
protected:
    Shortening() {
        calculated(mesh);
        mesh.scale = 10.f;
        mesh.agentRadius = 0.5f;
    }

    NavgraphNode& node(sf::Vector2f position, std::vector<std::uint32_t> polygons) {
        return mesh.graph.addNode(position, ground.get(), std::move(polygons));
    }

    static void chain(const std::vector<NavgraphNode*>& nodes, const orv::RegionType* region) {
        for (std::size_t i = 0; i + 1 < nodes.size(); ++i)
            Navgraph::connectBoth(*nodes[i], *nodes[i + 1], region);
    }

    Navmesh mesh;
};

TEST_F(Shortening, EmptyPathIsRefused) {
    try {
        mesh.shortenNodePath({}, {0, 0}, {1, 1});
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Navmesh::shortenNodePath: path must not be empty");
    }
}

TEST_F(Shortening, CorridorNodesAreDropped) {
    NavgraphNode& a = node({2, 0}, {0});
    NavgraphNode& b = node({4, 0}, {0});
    NavgraphNode& c = node({6, 0}, {0});
    chain({&a, &b, &c}, ground.get());
    // The corridor's walls run beside the walk without touching it.
    mesh.firstPaths = {Path{{0, -10}, {80, -10}, {80, 10}, {0, 10}}};
    EXPECT_TRUE(mesh.shortenNodePath({&a, &b, &c}, {0.5f, 0}, {7.5f, 0}).empty());
}

TEST_F(Shortening, CornerWhoseShortcutCrossesAnOutlineIsKept) {
    NavgraphNode& a = node({0, 5}, {0});
    NavgraphNode& corner = node({5, 5}, {0});
    NavgraphNode& b = node({5, 0}, {0});
    chain({&a, &corner, &b}, ground.get());
    // A wall from (2,2) to (4,4) in world units cuts the diagonal from a to b.
    const Path wall{{20, 20}, {40, 40}};

    mesh.firstPaths = {wall};
    EXPECT_EQ(mesh.shortenNodePath({&a, &corner, &b}, {0, 6}, {6, 0}), (Navgraph::NodePath{&corner}));
    mesh.firstPaths = {};
    mesh.secondPaths = {wall};
    EXPECT_EQ(mesh.shortenNodePath({&a, &corner, &b}, {0, 6}, {6, 0}), (Navgraph::NodePath{&corner}));
    mesh.secondPaths = {};
    EXPECT_TRUE(mesh.shortenNodePath({&a, &corner, &b}, {0, 6}, {6, 0}).empty());
}

TEST_F(Shortening, ClosingEdgeOfAnObstacleBlocksTheShortcut) {
    NavgraphNode& a = node({0, 0}, {0});
    NavgraphNode& detour = node({5, 8}, {0});
    NavgraphNode& b = node({10, 0}, {0});
    chain({&a, &detour, &b}, ground.get());
    // A block from x 5 to 15; along y = 0 the walk from the start to b meets only its left
    // side, which is the edge from the last point back to the first.
    mesh.secondPaths = {Path{{50, 20}, {150, 20}, {150, -20}, {50, -20}}};
    EXPECT_EQ(mesh.shortenNodePath({&a, &detour, &b}, {0, 0}, {10, 0}), (Navgraph::NodePath{&detour, &b}));
    mesh.secondPaths = {};
    EXPECT_TRUE(mesh.shortenNodePath({&a, &detour, &b}, {0, 0}, {10, 0}).empty());
}

TEST_F(Shortening, AgentRadiusKeepsTheEndsClearOfOutlines) {
    NavgraphNode& a = node({0, 0}, {0});
    NavgraphNode& b = node({10, 0}, {0});
    chain({&a, &b}, ground.get());
    // An edge across the walk 0.3 units before the goal: within the agent's radius of it.
    mesh.firstPaths = {Path{{97, -10}, {97, 10}}};
    EXPECT_TRUE(mesh.shortenNodePath({&a, &b}, {0, 0}, {10, 0}).empty());

    mesh.agentRadius = 0.f;
    EXPECT_EQ(mesh.shortenNodePath({&a, &b}, {0, 0}, {10, 0}), (Navgraph::NodePath{&a, &b}));

    // The outlines are in scaled units: the same edge at scale 1 lies far away.
    mesh.scale = 1.f;
    EXPECT_TRUE(mesh.shortenNodePath({&a, &b}, {0, 0}, {10, 0}).empty());
}

TEST_F(Shortening, NodesOutsideSharedPolygonsGoOnlyBeforeABorderCrossing) {
    const auto other = orv::makeRegionEntry("other");
    NavgraphNode& a = node({0, 0}, {0});
    NavgraphNode& b = node({5, 0}, {1});
    NavgraphNode& c = node({10, 0}, {2});
    Navgraph::connect(a, b, border.get());
    Navgraph::connect(b, c, ground.get());
    const Path borderLine{{20, -50}, {20, 50}};

    // a leads over a border connection, and the walk from the start reaches over a border.
    mesh.firstPaths = {borderLine};
    EXPECT_EQ(mesh.shortenNodePath({&a, &b, &c}, {-1, 0}, {11, 0}), (Navgraph::NodePath{&b, &c}));
    // Crossing only an obstacle is not enough.
    mesh.firstPaths = {};
    mesh.secondPaths = {borderLine};
    EXPECT_EQ(mesh.shortenNodePath({&a, &b, &c}, {-1, 0}, {11, 0}), (Navgraph::NodePath{&a, &b, &c}));
    // Nor is a border crossing without a border connection ahead.
    mesh.secondPaths = {};
    mesh.firstPaths = {borderLine};
    a.connections[0].regionType = other.get();
    EXPECT_EQ(mesh.shortenNodePath({&a, &b, &c}, {-1, 0}, {11, 0}), (Navgraph::NodePath{&a, &b, &c}));
}

TEST_F(Shortening, NeighboursMustShareAPolygonForTheShortcut) {
    NavgraphNode& a = node({2, 0}, {0});
    NavgraphNode& b = node({4, 0}, {0});
    NavgraphNode& c = node({6, 0}, {0, 1});
    NavgraphNode& d = node({8, 0}, {1});
    chain({&a, &b, &c, &d}, ground.get());
    // A wall between the start and b keeps a, so the later tests look back to a node.
    mesh.secondPaths = {Path{{20, 10}, {20, 30}}};
    EXPECT_EQ(mesh.shortenNodePath({&a, &b, &c, &d}, {0, 3}, {10, 0}), (Navgraph::NodePath{&a, &c}));

    // Once a and d share a polygon, c can go as well, and then d.
    d.polygonIds = {0, 1};
    EXPECT_EQ(mesh.shortenNodePath({&a, &b, &c, &d}, {0, 3}, {10, 0}), (Navgraph::NodePath{&a}));
}

} // namespace
