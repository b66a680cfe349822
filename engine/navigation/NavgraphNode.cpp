#include "engine/navigation/NavgraphNode.hpp"

#include <algorithm>
#include <stdexcept>

namespace orv {

bool NavgraphNode::sharesPolygonWith(const NavgraphNode& other) const {
    return std::ranges::any_of(polygonIds, [&](std::uint32_t id) {
        return std::ranges::find(other.polygonIds, id) != other.polygonIds.end();
    });
}

const RegionType* NavgraphNode::getConnectionRegionTypeTo(const NavgraphNode& other) const {
    auto it = std::ranges::find(connections, &other, &Connection::target);
    if (it == connections.end())
        throw std::runtime_error("NavgraphNode::getConnectionRegionTypeTo not directly connected");
    return it->regionType;
}

} // namespace orv
