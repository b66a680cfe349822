#pragma once

#include <box2d/b2_math.h>
#include <box2d/b2_shape.h>

#include <vector>

namespace orv {

// Box2D asserts on shapes it cannot handle and ends the process. These checks run first and
// throw std::runtime_error instead.

// Points that b2PolygonShape::Set turns into a proper convex polygon: 3 to 8 finite points
// whose hull, once Box2D has welded near neighbours, encloses an area.
void checkPolygonPoints(const std::vector<b2Vec2>& points);

// A chain of at least two finite vertices, no two consecutive ones welded together.
void checkChainVertices(const b2Vec2* vertices, int count);

// Any shape about to become a fixture, whether it came from data or from code.
void checkShape(const b2Shape& shape);

} // namespace orv
