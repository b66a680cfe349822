#include "engine/navigation/SegmentsIntersect.hpp"
#include "engine/navigation/Navmesh.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SegmentCase {
    std::string name;
    sf::Vector2f p1, p2, q1, q2;
    bool expected;
};

// Every case must hold whichever segment comes first and whichever way each one runs.
TEST(SegmentsIntersect, CasesHoldInEveryArgumentOrder) {
    const std::vector<SegmentCase> cases{
        {"proper crossing", {0, 0}, {4, 4}, {0, 4}, {4, 0}, true},
        {"parallel apart", {0, 0}, {4, 0}, {0, 1}, {4, 1}, false},
        {"lines meet beyond both ends", {0, 0}, {1, 1}, {3, 0}, {4, -1}, false},
        {"lines meet beyond one end", {0, 0}, {4, 0}, {5, -1}, {5, 1}, false},
        {"end touches the middle", {0, 0}, {4, 0}, {2, 0}, {2, 3}, true},
        {"shared end", {0, 0}, {2, 2}, {2, 2}, {4, 0}, true},
        {"collinear overlap", {0, 0}, {4, 0}, {2, 0}, {6, 0}, true},
        {"collinear with a gap", {0, 0}, {2, 0}, {3, 0}, {5, 0}, false},
        {"collinear, one inside the other", {0, 0}, {6, 6}, {2, 2}, {3, 3}, true},
        {"degenerate point on segment", {0, 0}, {4, 0}, {1, 0}, {1, 0}, true},
        {"degenerate point off segment", {0, 0}, {4, 0}, {1, 1}, {1, 1}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(orv::segmentsIntersect(c.p1, c.p2, c.q1, c.q2), c.expected);
        EXPECT_EQ(orv::segmentsIntersect(c.q1, c.q2, c.p1, c.p2), c.expected);
        EXPECT_EQ(orv::segmentsIntersect(c.p2, c.p1, c.q2, c.q1), c.expected);
    }
}

TEST(SegmentsIntersect, NearMissIsNotRoundedIntoAHit) {
    // (10000, 10001) lies a hair above the long segment; single precision would call the three
    // points collinear and report a touch.
    EXPECT_FALSE(
        orv::segmentsIntersect({0.f, 0.f}, {20001.f, 20003.f}, {10000.f, 10001.f}, {10000.f, 20000.f}));
    EXPECT_TRUE(
        orv::segmentsIntersect({0.f, 0.f}, {20001.f, 20003.f}, {10000.f, 10000.f}, {10000.f, 20000.f}));
}

using ClipperLib::Path;
using ClipperLib::Paths;

TEST(SegmentCrossesPaths, ClosingEdgeOfAnOutlineCounts) {
    // Square from (0,0) to (10,10); the left side exists only as the edge back to the first point.
    const Paths square{Path{{0, 0}, {10, 0}, {10, 10}, {0, 10}}};
    EXPECT_TRUE(orv::Navmesh::segmentCrossesPaths({-5.f, 5.f}, {5.f, 5.f}, square));
    EXPECT_TRUE(orv::Navmesh::segmentCrossesPaths({5.f, 5.f}, {15.f, 5.f}, square));
    EXPECT_FALSE(orv::Navmesh::segmentCrossesPaths({2.f, 2.f}, {8.f, 8.f}, square));
    EXPECT_FALSE(orv::Navmesh::segmentCrossesPaths({-5.f, -5.f}, {-5.f, 20.f}, square));
}

TEST(SegmentCrossesPaths, ShortPathsAndSeveralOutlines) {
    EXPECT_FALSE(orv::Navmesh::segmentCrossesPaths({0.f, 0.f}, {10.f, 0.f}, Paths{}));
    // A single point has no edge even when the segment runs through it.
    EXPECT_FALSE(orv::Navmesh::segmentCrossesPaths({0.f, 0.f}, {10.f, 0.f}, Paths{Path{{5, 0}}}));
    // Two points are one edge.
    const Paths wall{Path{{5, -5}, {5, 5}}};
    EXPECT_TRUE(orv::Navmesh::segmentCrossesPaths({0.f, 0.f}, {10.f, 0.f}, wall));
    EXPECT_FALSE(orv::Navmesh::segmentCrossesPaths({0.f, 0.f}, {4.f, 0.f}, wall));
    // Only the last outline is in the way.
    const Paths several{Path{{100, 100}, {110, 100}, {110, 110}}, Path{{5, -5}, {6, 5}, {7, -5}}};
    EXPECT_TRUE(orv::Navmesh::segmentCrossesPaths({0.f, 0.f}, {10.f, 0.f}, several));
}

} // namespace
