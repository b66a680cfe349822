#pragma once

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <vector>

namespace orv {

struct RegionType;

// A point of the navigation graph. Nodes live in a Navgraph's list, so the pointers held by
// connections stay valid as long as the graph does.
struct NavgraphNode {
    struct Connection {
        NavgraphNode* target = nullptr;
        float length = 0.f;
        const RegionType* regionType = nullptr;
    };

    sf::Vector2f position;
    const RegionType* regionType = nullptr;
    std::vector<std::uint32_t> polygonIds;
    std::vector<Connection> connections;

    // True when both nodes lie in a common walkable polygon; a node without ids shares nothing.
    bool sharesPolygonWith(const NavgraphNode& other) const;

    // The region type of the first connection leading to other.
    const RegionType* getConnectionRegionTypeTo(const NavgraphNode& other) const;
};

} // namespace orv
