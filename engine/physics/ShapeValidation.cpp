#include "engine/physics/ShapeValidation.hpp"

#include "engine/common/Finite.hpp"
#include "engine/physics/PhysicsLimits.hpp"

#include <box2d/b2_chain_shape.h>
#include <box2d/b2_circle_shape.h>
#include <box2d/b2_common.h>
#include <box2d/b2_edge_shape.h>
#include <box2d/b2_polygon_shape.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <stdexcept>
#include <string>

namespace orv {

namespace {

[[noreturn]] void fail(const std::string& message) {
    throw std::runtime_error("physics: " + message);
}

// Finite and within the bounds that keep Box2D's products of coordinates finite.
void checkFinite(const b2Vec2& v, const char* what) {
    checkCoordinate(v, what);
}

// Box2D merges polygon points closer than half its linear slop, comparing in float.
std::vector<b2Vec2> weld(const std::vector<b2Vec2>& points) {
    const float tolerance = (0.5f * b2_linearSlop) * (0.5f * b2_linearSlop);
    std::vector<b2Vec2> unique;
    for (const b2Vec2& p : points) {
        const bool near = std::any_of(unique.begin(), unique.end(),
                                      [&](const b2Vec2& q) { return b2DistanceSquared(p, q) < tolerance; });
        if (!near)
            unique.push_back(p);
    }
    return unique;
}

double cross(const b2Vec2& o, const b2Vec2& a, const b2Vec2& b) {
    return (double(a.x) - o.x) * (double(b.y) - o.y) - (double(a.y) - o.y) * (double(b.x) - o.x);
}

double distance(const b2Vec2& a, const b2Vec2& b) {
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y);
}

// The convex hull, counter-clockwise (monotone chain); points on an edge are left out.
std::vector<b2Vec2> convexHull(std::vector<b2Vec2> points) {
    std::sort(points.begin(), points.end(),
              [](const b2Vec2& a, const b2Vec2& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    std::vector<b2Vec2> hull(2 * points.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k > 0 ? k - 1 : 0); // the first corner closes the chain again
    return hull;
}

// Box2D wraps the hull with float orientation tests. Every point clearly off every hull edge
// (by far more than float rounding at this size) keeps those tests from contradicting each
// other; a point on or near an edge can make the wrap cycle, which Box2D asserts on.
bool wellConditioned(const std::vector<b2Vec2>& points, const std::vector<b2Vec2>& hull) {
    double extent = 0;
    for (const b2Vec2& a : points) {
        for (const b2Vec2& b : points)
            extent = std::max(extent, distance(a, b));
    }
    const double margin = 1e-4 * extent;
    double doubleArea = 0;
    for (std::size_t i = 0; i < hull.size(); ++i) {
        const b2Vec2& a = hull[i];
        const b2Vec2& b = hull[(i + 1) % hull.size()];
        doubleArea += cross(hull[0], a, b);
        for (const b2Vec2& p : points) {
            if ((p.x == a.x && p.y == a.y) || (p.x == b.x && p.y == b.y))
                continue;
            if (cross(a, b, p) / distance(a, b) < margin)
                return false;
        }
    }
    return doubleArea > 32.0 * FLT_EPSILON;
}

void checkPolygonShape(const b2PolygonShape& polygon) {
    if (polygon.m_count < 3 || polygon.m_count > b2_maxPolygonVertices)
        fail("polygon shape must have 3 to 8 vertices");
    for (int i = 0; i < polygon.m_count; ++i) {
        checkFinite(polygon.m_vertices[i], "polygon vertex");
        checkFinite(polygon.m_normals[i], "polygon normal");
    }
    checkFinite(polygon.m_centroid, "polygon centroid");
}

} // namespace

void checkPolygonPoints(const std::vector<b2Vec2>& points) {
    if (points.size() < 3 || points.size() > std::size_t(b2_maxPolygonVertices))
        fail("polygon \"count\" must be 3 to 8");
    for (const b2Vec2& p : points)
        checkFinite(p, "polygon vertex");
    const std::vector<b2Vec2> welded = weld(points);
    const std::vector<b2Vec2> hull = welded.size() < 3 ? std::vector<b2Vec2>() : convexHull(welded);
    if (hull.size() < 3 || !wellConditioned(welded, hull))
        fail("polygon vertices are degenerate (collinear or welded together)");
}

void checkChainVertices(const b2Vec2* vertices, int count) {
    if (count < 2 || vertices == nullptr)
        fail("chain needs at least 2 vertices");
    for (int i = 0; i < count; ++i)
        checkFinite(vertices[i], "chain vertex");
    for (int i = 1; i < count; ++i) {
        if (!(b2DistanceSquared(vertices[i - 1], vertices[i]) > b2_linearSlop * b2_linearSlop))
            fail("chain vertices " + std::to_string(i - 1) + " and " + std::to_string(i) +
                 " are welded together");
    }
}

void checkShape(const b2Shape& shape) {
    if (!isFinite(shape.m_radius) || shape.m_radius < 0)
        fail("shape radius must be a finite number of at least 0");
    checkCoordinate(shape.m_radius, "shape radius");
    switch (shape.GetType()) {
    case b2Shape::e_circle:
        checkFinite(static_cast<const b2CircleShape&>(shape).m_p, "circle centre");
        return;
    case b2Shape::e_edge: {
        const auto& edge = static_cast<const b2EdgeShape&>(shape);
        for (const b2Vec2* v : {&edge.m_vertex0, &edge.m_vertex1, &edge.m_vertex2, &edge.m_vertex3})
            checkFinite(*v, "edge vertex");
        if (!(b2DistanceSquared(edge.m_vertex1, edge.m_vertex2) > b2_linearSlop * b2_linearSlop))
            fail("edge vertices 1 and 2 are welded together");
        return;
    }
    case b2Shape::e_polygon:
        checkPolygonShape(static_cast<const b2PolygonShape&>(shape));
        return;
    case b2Shape::e_chain: {
        const auto& chain = static_cast<const b2ChainShape&>(shape);
        checkChainVertices(chain.m_vertices, chain.m_count);
        checkFinite(chain.m_prevVertex, "chain ghost vertex");
        checkFinite(chain.m_nextVertex, "chain ghost vertex");
        return;
    }
    default:
        fail("shape type " + std::to_string(int(shape.GetType())) + " is not supported");
    }
}

} // namespace orv
