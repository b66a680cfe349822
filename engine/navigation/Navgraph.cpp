#include "engine/navigation/Navgraph.hpp"

#include "engine/common/Finite.hpp"
#include "engine/navigation/VectorMath.hpp"

#include <algorithm>
#include <cmath>
#include <queue>
#include <stdexcept>
#include <unordered_set>
#include <utility>

namespace orv {

namespace {

float applyModifiers(const CostModifiers& modifiers, const RegionType* regionType, float cost) {
    for (const auto& modifier : modifiers)
        cost = modifier(regionType, cost);
    return cost;
}

// What the search knows about a node it has reached but not yet expanded.
struct OpenRecord {
    float costSoFar;
    std::uint64_t order;   // position in the open list, fixed when the node was first opened
    std::uint64_t version; // bumped on every improvement so older queue entries can be skipped
};

struct QueueEntry {
    float estimate; // cost so far plus the straight-line distance left to the goal
    std::uint64_t order;
    std::uint64_t version;
    const NavgraphNode* node;
};

// Smallest estimate first; among equal estimates the node opened last.
struct ExpandsLater {
    bool operator()(const QueueEntry& a, const QueueEntry& b) const {
        if (a.estimate != b.estimate)
            return a.estimate > b.estimate;
        return a.order < b.order;
    }
};

} // namespace

NavgraphNode& Navgraph::addNode(sf::Vector2f position, const RegionType* regionType,
                                std::vector<std::uint32_t> polygonIds) {
    return nodes.emplace_back(NavgraphNode{position, regionType, std::move(polygonIds), {}});
}

void Navgraph::connect(NavgraphNode& from, NavgraphNode& to, const RegionType* regionType,
                       std::optional<float> length) {
    from.connections.push_back(
        {&to, length.value_or(vecmath::distance(from.position, to.position)), regionType});
}

void Navgraph::connectBoth(NavgraphNode& a, NavgraphNode& b, const RegionType* regionType,
                           std::optional<float> length) {
    connect(a, b, regionType, length);
    connect(b, a, regionType, length);
}

float Navgraph::determineConnectionCost(const NavgraphNode& from, const NavgraphNode::Connection& connection,
                                        const RegionType* boundaryRegionType,
                                        const CostModifiers& modifiers) {
    // Checked first so that a graph without boundaries cannot pass a missing region type off
    // as a boundary.
    if (connection.regionType == nullptr)
        throw std::runtime_error("orv::Navgraph::determineConnectionCost: connection.regionType == nullptr");
    if (connection.regionType == boundaryRegionType) {
        const float half = connection.length * 0.5f;
        return applyModifiers(modifiers, from.regionType, half) +
               applyModifiers(modifiers, connection.target->regionType, half);
    }
    return applyModifiers(modifiers, connection.regionType, connection.length);
}

float Navgraph::lowestCostPerDistance(const RegionType* boundaryRegionType,
                                      const CostModifiers& modifiers) const {
    // The estimate of the cost left must never exceed the cheapest possible way there, or the
    // search settles for a dearer path. Modifiers below 1 and connections shorter than the
    // straight line between their ends both make a way cheaper than its distance; scaling the
    // distance by the lowest cost per unit of distance of any connection keeps the estimate
    // below every real path (and consistent, so expanded nodes never need reopening).
    float scale = 1.f;
    for (const NavgraphNode& node : nodes) {
        for (const NavgraphNode::Connection& connection : node.connections) {
            // Left for the search to report, should it get there.
            if (connection.regionType == nullptr)
                continue;
            const float distance = vecmath::distance(node.position, connection.target->position);
            if (!(distance > 0.f))
                continue;
            const float cost = determineConnectionCost(node, connection, boundaryRegionType, modifiers);
            scale = std::min(scale, cost / distance);
        }
    }
    return isFinite(scale) ? std::max(scale, 0.f) : 0.f;
}

Navgraph::NodePath Navgraph::findNodePath(const NavgraphNode* start, const NavgraphNode* goal,
                                          const RegionType* boundaryRegionType,
                                          const CostModifiers& modifiers) const {
    if (start == nullptr || goal == nullptr)
        throw std::invalid_argument("Navgraph::findNodePath: start and goal must be nodes");
    if (start == goal)
        return {start};

    const float heuristicScale = lowestCostPerDistance(boundaryRegionType, modifiers);
    std::unordered_map<const NavgraphNode*, OpenRecord> open;
    std::unordered_set<const NavgraphNode*> closed;
    ParentMap parents;
    std::priority_queue<QueueEntry, std::vector<QueueEntry>, ExpandsLater> queue;
    std::uint64_t nextOrder = 0;

    open.emplace(start, OpenRecord{0.f, nextOrder, 0});
    queue.push({0.f, nextOrder++, 0, start});

    while (!queue.empty()) {
        const QueueEntry entry = queue.top();
        queue.pop();
        auto current = open.find(entry.node);
        if (current == open.end() || current->second.version != entry.version)
            continue; // superseded by a cheaper route found later
        if (entry.node == goal)
            return reconstructPath(parents, start, goal);

        const float costSoFar = current->second.costSoFar;
        open.erase(current);
        closed.insert(entry.node);

        for (const auto& connection : entry.node->connections) {
            const NavgraphNode* target = connection.target;
            if (closed.contains(target))
                continue;
            const float cost =
                costSoFar + determineConnectionCost(*entry.node, connection, boundaryRegionType, modifiers);
            auto known = open.find(target);
            if (known != open.end() && known->second.costSoFar <= cost)
                continue;
            parents[target] = entry.node;
            const float estimate =
                cost + heuristicScale * vecmath::distance(target->position, goal->position);
            if (known != open.end()) {
                OpenRecord& record = known->second;
                record.costSoFar = cost;
                ++record.version;
                queue.push({estimate, record.order, record.version, target});
            } else {
                open.emplace(target, OpenRecord{cost, nextOrder, 0});
                queue.push({estimate, nextOrder++, 0, target});
            }
        }
    }
    return {};
}

Navgraph::NodePath Navgraph::reconstructPath(const ParentMap& parents, const NavgraphNode* start,
                                             const NavgraphNode* goal) {
    NodePath path{goal};
    for (const NavgraphNode* node = goal; node != start;) {
        auto parent = parents.find(node);
        // More steps than links means the links run in a circle.
        if (parent == parents.end() || path.size() > parents.size())
            throw std::logic_error("Navgraph::reconstructPath: goal is not linked back to start");
        node = parent->second;
        path.push_back(node);
    }
    std::ranges::reverse(path);
    return path;
}

} // namespace orv
