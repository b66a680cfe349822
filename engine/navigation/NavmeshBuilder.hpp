#pragma once

#include "engine/navigation/Navmesh.hpp"

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace orv {

struct RegionType;

// Assembles a calculated Navmesh by hand: walkable polygons grouped by region, obstacles, and
// the graph's nodes and connections. The region types are owned by the caller and must
// outlive the mesh.
class NavmeshBuilder {
public:
    using Outline = std::vector<sf::Vector2f>;

    // boundaryRegionType marks connections between nodes of different regions.
    NavmeshBuilder(float agentRadius, float scale, const RegionType* boundaryRegionType);

    // Returns the polygon's id, counting from 0; nodes inside it list that id.
    std::uint32_t addPolygon(const RegionType* regionType, Outline outline);
    void addObstacle(Outline outline);

    NavgraphNode& addNode(sf::Vector2f position, const RegionType* regionType,
                          std::vector<std::uint32_t> polygonIds = {});
    // Edges both ways in the nodes' common region, or of the boundary type when the regions
    // differ. The length defaults to the distance between the nodes.
    void connect(NavgraphNode& a, NavgraphNode& b, std::optional<float> length = std::nullopt);

    // Merges the polygons of each region into its borders, merges the obstacles, and hands over
    // the mesh. The builder is spent afterwards.
    std::unique_ptr<Navmesh> build();

private:
    struct Polygon {
        const RegionType* regionType;
        ClipperLib::Path path;
    };

    Navmesh& mesh();
    ClipperLib::Path toPath(const Outline& outline) const;
    ClipperLib::Paths merge(const ClipperLib::Paths& paths);

    std::unique_ptr<Navmesh> navmesh;
    std::vector<Polygon> polygons;
    ClipperLib::Paths obstacles;
};

} // namespace orv
