#include "engine/navigation/Navpath.hpp"

#include <utility>

namespace orv {

Navpath::Navpath(std::vector<sf::Vector2f> points) : valid(!points.empty()), points(std::move(points)) {}

} // namespace orv
