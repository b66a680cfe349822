#include "VectorMatchers.hpp"

#include "engine/navigation/NavmeshBuilder.hpp"
#include "engine/navigation/RegionType.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

using orv::NavgraphNode;
using orv::NavmeshBuilder;
using Corners = std::set<std::pair<long long, long long>>;

const auto ground = orv::makeRegionEntry("ground");
const auto sand = orv::makeRegionEntry("sand", {{"cost", 2.f}});
const auto border = orv::makeRegionEntry("border");

NavmeshBuilder::Outline square(float x, float y, float size) {
    return {{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}};
}

Corners corners(const ClipperLib::Path& path) {
    Corners result;
    for (const auto& point : path)
        result.insert({point.X, point.Y});
    return result;
}

TEST(NavmeshBuilder, RegionsMergeIntoBordersInScaledUnits) {
    NavmeshBuilder builder(0.25f, 10.f, border.get());
    EXPECT_EQ(builder.addPolygon(ground.get(), square(0, 0, 1)), 0u);
    EXPECT_EQ(builder.addPolygon(sand.get(), square(0, 1, 1)), 1u);
    // Given the other way round, which must not matter.
    NavmeshBuilder::Outline reversed = square(1, 0, 1);
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(builder.addPolygon(ground.get(), reversed), 2u);
    const auto mesh = builder.build();

    EXPECT_TRUE(mesh->calculated);
    EXPECT_FLOAT_EQ(mesh->agentRadius, 0.25f);
    EXPECT_FLOAT_EQ(mesh->scale, 10.f);
    EXPECT_EQ(mesh->boundaryRegionType, border.get());
    // The two ground squares become one rectangle, the sand square its own outline, in the
    // order the regions first appeared.
    ASSERT_EQ(mesh->firstPaths.size(), 2u);
    EXPECT_EQ(corners(mesh->firstPaths[0]), (Corners{{0, 0}, {20, 0}, {20, 10}, {0, 10}}));
    EXPECT_EQ(corners(mesh->firstPaths[1]), (Corners{{0, 10}, {10, 10}, {10, 20}, {0, 20}}));
    EXPECT_TRUE(mesh->secondPaths.empty());
}

TEST(NavmeshBuilder, OverlappingObstaclesMerge) {
    NavmeshBuilder builder(0.f, 2.f, border.get());
    builder.addObstacle(square(0, 0, 2));
    NavmeshBuilder::Outline reversed = square(1, 1, 2);
    std::reverse(reversed.begin(), reversed.end());
    builder.addObstacle(reversed);
    builder.addObstacle(square(10, 10, 1));
    const auto mesh = builder.build();
    ASSERT_EQ(mesh->secondPaths.size(), 2u);
    std::vector<std::size_t> sizes{mesh->secondPaths[0].size(), mesh->secondPaths[1].size()};
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<std::size_t>{4, 8}));
}

TEST(NavmeshBuilder, ConnectionsAreTwoWayAndTypedByRegion) {
    NavmeshBuilder builder(0.f, 1.f, border.get());
    const auto polygon = builder.addPolygon(ground.get(), square(0, 0, 10));
    NavgraphNode& a = builder.addNode({0, 0}, ground.get(), {polygon});
    NavgraphNode& b = builder.addNode({3, 4}, ground.get(), {polygon});
    NavgraphNode& c = builder.addNode({3, 14}, sand.get());
    builder.connect(a, b);
    builder.connect(b, c, 12.f);

    ASSERT_EQ(a.connections.size(), 1u);
    EXPECT_EQ(a.connections[0].target, &b);
    EXPECT_FLOAT_EQ(a.connections[0].length, 5.f);
    EXPECT_EQ(a.connections[0].regionType, ground.get());
    EXPECT_EQ(b.getConnectionRegionTypeTo(a), ground.get());
    EXPECT_EQ(b.getConnectionRegionTypeTo(c), border.get());
    EXPECT_EQ(c.getConnectionRegionTypeTo(b), border.get());
    ASSERT_EQ(c.connections.size(), 1u);
    EXPECT_FLOAT_EQ(c.connections[0].length, 12.f);

    const auto mesh = builder.build();
    EXPECT_EQ(mesh->graph.nodes.size(), 3u);
    EXPECT_EQ(&mesh->graph.nodes.front(), &a);
}

TEST(NavmeshBuilder, RefusesBadInputAndReuse) {
    EXPECT_THROW(NavmeshBuilder(0.f, 0.f, nullptr), std::invalid_argument);
    EXPECT_THROW(NavmeshBuilder(-1.f, 1.f, nullptr), std::invalid_argument);

    NavmeshBuilder builder(0.f, 1.f, border.get());
    EXPECT_THROW(builder.addPolygon(ground.get(), {{0, 0}, {1, 0}}), std::invalid_argument);
    EXPECT_THROW(builder.addObstacle({{0, 0}, {1, 1}}), std::invalid_argument);
    EXPECT_THROW(builder.addNode({0, 0}, ground.get(), {0}), std::out_of_range);
    builder.addPolygon(ground.get(), square(0, 0, 1));
    builder.addNode({0, 0}, ground.get(), {0});
    const auto mesh = builder.build();
    ASSERT_NE(mesh, nullptr);
    EXPECT_THROW(builder.build(), std::logic_error);
    EXPECT_THROW(builder.addNode({0, 0}, ground.get()), std::logic_error);
}

// An L-shaped floor of three squares; the walk from the bottom left to the top right must
// turn at the inner corner and nowhere else.
TEST(NavmeshBuilder, PathAroundACornerKeepsOnlyTheTurn) {
    NavmeshBuilder builder(0.5f, 10.f, border.get());
    const auto left = builder.addPolygon(ground.get(), square(0, 0, 10));
    const auto right = builder.addPolygon(ground.get(), square(10, 0, 10));
    const auto top = builder.addPolygon(ground.get(), square(10, 10, 10));
    NavgraphNode& a = builder.addNode({5, 5}, ground.get(), {left});
    NavgraphNode& leftRight = builder.addNode({10, 5}, ground.get(), {left, right});
    NavgraphNode& b = builder.addNode({15, 5}, ground.get(), {right});
    NavgraphNode& rightTop = builder.addNode({15, 10}, ground.get(), {right, top});
    NavgraphNode& c = builder.addNode({15, 15}, ground.get(), {top});
    builder.connect(a, leftRight);
    builder.connect(leftRight, b);
    builder.connect(b, rightTop);
    builder.connect(rightTop, c);
    const auto mesh = builder.build();
    ASSERT_EQ(mesh->firstPaths.size(), 1u);
    EXPECT_EQ(mesh->firstPaths[0].size(), 6u);

    const orv::Navpath path = mesh->findPath({2, 5}, {15, 18});
    ASSERT_TRUE(path.isValid());
    const std::vector<sf::Vector2f> expected{{2, 5}, {15, 10}, {15, 18}};
    ASSERT_EQ(path.getPath().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(nearVector(path.getPath()[i], expected[i])) << "point " << i;

    // Along the bottom row nothing is in the way.
    EXPECT_EQ(mesh->findPath({2, 5}, {18, 2}).getPath(), (std::vector<sf::Vector2f>{{2, 5}, {18, 2}}));
}

} // namespace
