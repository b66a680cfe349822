#pragma once

#include "engine/navigation/CostModifier.hpp"
#include "engine/navigation/Navgraph.hpp"
#include "engine/navigation/Navpath.hpp"

#include <SFML/System/Vector2.hpp>

#include <clipper.hpp>

namespace orv {

struct RegionType;

// The walkable area of a world: a graph to search and the outlines that decide which of the
// found waypoints a straight walk can skip. Outlines are in integer coordinates of
// world units times scale. NavmeshBuilder assembles a complete mesh.
class Navmesh {
public:
    using NodePath = Navgraph::NodePath;

    Navmesh() = default;
    Navmesh(const Navmesh&) = delete;
    Navmesh& operator=(const Navmesh&) = delete;

    float agentRadius = 0.f;
    float scale = 1.f;
    bool calculated = false;
    // Borders of the regions; every shortcut is tested against them.
    ClipperLib::Paths firstPaths;
    // Connections of this type cross from one region into another.
    const RegionType* boundaryRegionType = nullptr;
    // Obstacles inside the walkable area; tested for shortcuts within shared polygons.
    ClipperLib::Paths secondPaths;
    Navgraph graph;
    ClipperLib::Clipper clipper;

    // Start, the waypoints that cannot be skipped, goal; invalid when the goal is unreachable.
    Navpath findPath(sf::Vector2f start, sf::Vector2f goal, const CostModifiers& modifiers = {}) const;

    NodePath shortenNodePath(NodePath path, sf::Vector2f start, sf::Vector2f goal) const;

    // Whether segment ab touches an edge of any of the closed outlines.
    static bool segmentCrossesPaths(sf::Vector2f a, sf::Vector2f b, const ClipperLib::Paths& paths);

private:
    const NavgraphNode* nearestNode(sf::Vector2f position) const;
    bool canSkip(const NodePath& path, std::size_t index, sf::Vector2f start, sf::Vector2f goal) const;
};

} // namespace orv
