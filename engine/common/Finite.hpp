#pragma once

#include <cfloat>
#include <cmath>

namespace orv {

// The one finiteness test of the code base: numbers, and vectors by their members.
inline bool isFinite(float value) {
    return std::isfinite(value);
}

inline bool isFinite(double value) {
    return std::isfinite(value);
}

// Vectors with members x and y (sf::Vector2f, b2Vec2), and those with z too (sf::Vector3f).
template <class V>
concept PlanarVector = requires(const V& v) {
    v.x + v.y;
}
&&!requires(const V& v) {
    v.z;
};
template <class V>
concept SpatialVector = requires(const V& v) {
    v.x + v.y + v.z;
};

template <PlanarVector V>
bool isFinite(const V& v) {
    return isFinite(v.x) && isFinite(v.y);
}

template <SpatialVector V>
bool isFinite(const V& v) {
    return isFinite(v.x) && isFinite(v.y) && isFinite(v.z);
}

// A double that is still finite once narrowed to float.
inline bool isFiniteAsFloat(double value) {
    return std::isfinite(value) && std::fabs(value) <= double(FLT_MAX);
}

} // namespace orv
