#include "engine/navigation/NavmeshBuilder.hpp"

#include "engine/common/Finite.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace orv {

NavmeshBuilder::NavmeshBuilder(float agentRadius, float scale, const RegionType* boundaryRegionType)
    : navmesh(std::make_unique<Navmesh>()) {
    if (!(scale > 0.f) || !isFinite(scale))
        throw std::invalid_argument("NavmeshBuilder: scale must be a positive number");
    if (!(agentRadius >= 0.f) || !isFinite(agentRadius))
        throw std::invalid_argument("NavmeshBuilder: agentRadius must not be negative");
    navmesh->agentRadius = agentRadius;
    navmesh->scale = scale;
    navmesh->boundaryRegionType = boundaryRegionType;
}

std::uint32_t NavmeshBuilder::addPolygon(const RegionType* regionType, Outline outline) {
    mesh();
    if (outline.size() < 3)
        throw std::invalid_argument("NavmeshBuilder: a polygon needs at least 3 points");
    polygons.push_back({regionType, toPath(outline)});
    return static_cast<std::uint32_t>(polygons.size() - 1);
}

void NavmeshBuilder::addObstacle(Outline outline) {
    mesh();
    if (outline.size() < 3)
        throw std::invalid_argument("NavmeshBuilder: an obstacle needs at least 3 points");
    obstacles.push_back(toPath(outline));
}

NavgraphNode& NavmeshBuilder::addNode(sf::Vector2f position, const RegionType* regionType,
                                      std::vector<std::uint32_t> polygonIds) {
    for (std::uint32_t id : polygonIds) {
        if (id >= polygons.size())
            throw std::out_of_range("NavmeshBuilder: unknown polygon id");
    }
    return mesh().graph.addNode(position, regionType, std::move(polygonIds));
}

void NavmeshBuilder::connect(NavgraphNode& a, NavgraphNode& b, std::optional<float> length) {
    const RegionType* regionType = a.regionType == b.regionType ? a.regionType : mesh().boundaryRegionType;
    Navgraph::connectBoth(a, b, regionType, length);
}

std::unique_ptr<Navmesh> NavmeshBuilder::build() {
    Navmesh& target = mesh();
    // Regions in the order their first polygon was added, so the borders come out the same
    // way every time.
    std::vector<const RegionType*> regions;
    for (const Polygon& polygon : polygons) {
        if (std::find(regions.begin(), regions.end(), polygon.regionType) == regions.end())
            regions.push_back(polygon.regionType);
    }
    for (const RegionType* region : regions) {
        ClipperLib::Paths regionPaths;
        for (const Polygon& polygon : polygons) {
            if (polygon.regionType == region)
                regionPaths.push_back(polygon.path);
        }
        for (ClipperLib::Path& border : merge(regionPaths))
            target.firstPaths.push_back(std::move(border));
    }
    target.secondPaths = merge(obstacles);
    target.calculated = true;
    return std::move(navmesh);
}

Navmesh& NavmeshBuilder::mesh() {
    if (!navmesh)
        throw std::logic_error("NavmeshBuilder: the mesh was already built");
    return *navmesh;
}

ClipperLib::Path NavmeshBuilder::toPath(const Outline& outline) const {
    ClipperLib::Path path;
    path.reserve(outline.size());
    for (sf::Vector2f point : outline) {
        if (!isFinite(point.x) || !isFinite(point.y))
            throw std::invalid_argument("NavmeshBuilder: outline points must be finite");
        path.emplace_back(std::llround(double(point.x) * navmesh->scale),
                          std::llround(double(point.y) * navmesh->scale));
    }
    // One winding direction for all, so overlaps add up under the non-zero fill rule
    // instead of cancelling out.
    if (!ClipperLib::Orientation(path))
        ClipperLib::ReversePath(path);
    return path;
}

// Overlapping and touching outlines become one, so inner edges do not block shortcuts.
ClipperLib::Paths NavmeshBuilder::merge(const ClipperLib::Paths& paths) {
    ClipperLib::Clipper& clipper = mesh().clipper;
    ClipperLib::Paths merged;
    clipper.Clear();
    clipper.AddPaths(paths, ClipperLib::ptSubject, true);
    clipper.Execute(ClipperLib::ctUnion, merged, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    clipper.Clear();
    return merged;
}

} // namespace orv
