#pragma once

#include "engine/navigation/CostModifier.hpp"
#include "engine/navigation/NavgraphNode.hpp"

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <list>
#include <optional>
#include <unordered_map>
#include <vector>

namespace orv {

// The searchable graph of a navigation mesh. Nodes are kept in a list so their addresses
// survive later insertions; that is also why a graph can be moved but not copied.
class Navgraph {
public:
    using NodePath = std::vector<const NavgraphNode*>;
    using ParentMap = std::unordered_map<const NavgraphNode*, const NavgraphNode*>;

    Navgraph() = default;
    Navgraph(const Navgraph&) = delete;
    Navgraph& operator=(const Navgraph&) = delete;
    Navgraph(Navgraph&&) = default;
    Navgraph& operator=(Navgraph&&) = default;

    std::list<NavgraphNode> nodes;

    NavgraphNode& addNode(sf::Vector2f position, const RegionType* regionType,
                          std::vector<std::uint32_t> polygonIds = {});

    // One-way edge; the length defaults to the straight-line distance between the nodes.
    static void connect(NavgraphNode& from, NavgraphNode& to, const RegionType* regionType,
                        std::optional<float> length = std::nullopt);
    // Edges both ways with the same region type and length.
    static void connectBoth(NavgraphNode& a, NavgraphNode& b, const RegionType* regionType,
                            std::optional<float> length = std::nullopt);

    // A* from start to goal, start first; empty when the goal cannot be reached.
    NodePath findNodePath(const NavgraphNode* start, const NavgraphNode* goal,
                          const RegionType* boundaryRegionType, const CostModifiers& modifiers) const;

    // The cost of taking connection out of from. A boundary connection is paid half in the
    // region left and half in the region entered.
    static float determineConnectionCost(const NavgraphNode& from, const NavgraphNode::Connection& connection,
                                         const RegionType* boundaryRegionType,
                                         const CostModifiers& modifiers);

    static NodePath reconstructPath(const ParentMap& parents, const NavgraphNode* start,
                                    const NavgraphNode* goal);

    // The lowest cost per unit of straight-line distance of any connection under these
    // modifiers, at most 1: the factor that keeps the distance estimate admissible.
    float lowestCostPerDistance(const RegionType* boundaryRegionType, const CostModifiers& modifiers) const;
};

} // namespace orv
