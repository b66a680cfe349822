#include "engine/navigation/SegmentsIntersect.hpp"

#include <algorithm>

namespace orv {

namespace {

// The turn p -> q -> r: 0 collinear, 1 and -1 for the two sides. Worked in double so that
// float outline coordinates give an exact sign.
int orientation(sf::Vector2f p, sf::Vector2f q, sf::Vector2f r) {
    const double value =
        (double(q.y) - p.y) * (double(r.x) - q.x) - (double(q.x) - p.x) * (double(r.y) - q.y);
    if (value == 0.0)
        return 0;
    return value > 0.0 ? 1 : -1;
}

// For a point known to be collinear with segment ab: whether it lies between the ends.
bool withinBounds(sf::Vector2f a, sf::Vector2f b, sf::Vector2f point) {
    return point.x >= std::min(a.x, b.x) && point.x <= std::max(a.x, b.x) && point.y >= std::min(a.y, b.y) &&
           point.y <= std::max(a.y, b.y);
}

} // namespace

bool segmentsIntersect(sf::Vector2f p1, sf::Vector2f p2, sf::Vector2f q1, sf::Vector2f q2) {
    const int o1 = orientation(p1, p2, q1);
    const int o2 = orientation(p1, p2, q2);
    const int o3 = orientation(q1, q2, p1);
    const int o4 = orientation(q1, q2, p2);
    if (o1 != o2 && o3 != o4)
        return true;
    return (o1 == 0 && withinBounds(p1, p2, q1)) || (o2 == 0 && withinBounds(p1, p2, q2)) ||
           (o3 == 0 && withinBounds(q1, q2, p1)) || (o4 == 0 && withinBounds(q1, q2, p2));
}

} // namespace orv
