#include "engine/navigation/Navmesh.hpp"

#include "engine/navigation/SegmentsIntersect.hpp"
#include "engine/navigation/VectorMath.hpp"

#include <stdexcept>
#include <utility>

namespace orv {

namespace {

sf::Vector2f toFloat(const ClipperLib::IntPoint& point) {
    return {static_cast<float>(point.X), static_cast<float>(point.Y)};
}

} // namespace

Navpath Navmesh::findPath(sf::Vector2f start, sf::Vector2f goal, const CostModifiers& modifiers) const {
    if (!calculated)
        throw std::runtime_error("cannot do that on an uncalculated navmesh");
    if (graph.nodes.empty())
        return Navpath{};

    NodePath nodePath =
        graph.findNodePath(nearestNode(start), nearestNode(goal), boundaryRegionType, modifiers);
    if (nodePath.empty())
        return Navpath{};
    nodePath = shortenNodePath(std::move(nodePath), start, goal);

    std::vector<sf::Vector2f> points;
    points.reserve(nodePath.size() + 2);
    points.push_back(start);
    for (const NavgraphNode* node : nodePath)
        points.push_back(node->position);
    points.push_back(goal);
    return Navpath{std::move(points)};
}

// Ties keep the earlier node so that the same query always snaps to the same node.
const NavgraphNode* Navmesh::nearestNode(sf::Vector2f position) const {
    const NavgraphNode* best = &graph.nodes.front();
    float bestDistance = vecmath::distance(position, best->position);
    for (const NavgraphNode& node : graph.nodes) {
        const float distance = vecmath::distance(position, node.position);
        if (distance < bestDistance) {
            best = &node;
            bestDistance = distance;
        }
    }
    return best;
}

Navmesh::NodePath Navmesh::shortenNodePath(NodePath path, sf::Vector2f start, sf::Vector2f goal) const {
    if (path.empty())
        throw std::runtime_error("Navmesh::shortenNodePath: path must not be empty");
    // Only the node under examination is ever removed, so the node after it is still the one
    // it was connected to in the search.
    for (std::size_t i = 0; i < path.size();) {
        if (canSkip(path, i, start, goal))
            path.erase(path.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
    return path;
}

bool Navmesh::canSkip(const NodePath& path, std::size_t i, sf::Vector2f start, sf::Vector2f goal) const {
    const NavgraphNode& node = *path[i];
    const bool first = i == 0;
    const bool last = i + 1 == path.size();

    const sf::Vector2f prev = first ? start : path[i - 1]->position;
    const bool prevShares = first || path[i - 1]->sharesPolygonWith(node);
    const sf::Vector2f next = last ? goal : path[i + 1]->position;
    const bool boundaryNext = !last && node.getConnectionRegionTypeTo(*path[i + 1]) == boundaryRegionType;

    bool joinShares;
    if (first)
        joinShares = last || node.sharesPolygonWith(*path[i + 1]);
    else if (last)
        joinShares = prevShares;
    else
        joinShares = path[i - 1]->sharesPolygonWith(*path[i + 1]);

    // The agent's body stays clear of the outlines at both ends of the walk.
    const sf::Vector2f a = prev * scale;
    const sf::Vector2f b = next * scale;
    const sf::Vector2f inset = vecmath::unit(b - a) * (agentRadius * scale);
    const sf::Vector2f from = a + inset;
    const sf::Vector2f to = b - inset;

    if (prevShares && joinShares)
        return !segmentCrossesPaths(from, to, firstPaths) && !segmentCrossesPaths(from, to, secondPaths);
    // Between polygons only the step up to a region crossing may go, and only when the
    // straight walk reaches over a region border itself.
    return boundaryNext && segmentCrossesPaths(from, to, firstPaths);
}

bool Navmesh::segmentCrossesPaths(sf::Vector2f a, sf::Vector2f b, const ClipperLib::Paths& paths) {
    for (const ClipperLib::Path& path : paths) {
        for (std::size_t k = 0; k + 1 < path.size(); ++k) {
            if (segmentsIntersect(a, b, toFloat(path[k]), toFloat(path[k + 1])))
                return true;
        }
        // Outlines are closed polygons; a two-point path is a single edge already tested.
        if (path.size() >= 3 && segmentsIntersect(a, b, toFloat(path.back()), toFloat(path.front())))
            return true;
    }
    return false;
}

} // namespace orv
