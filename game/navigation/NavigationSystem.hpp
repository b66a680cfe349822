#pragma once

#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "engine/navigation/Navmesh.hpp"
#include "engine/navigation/Navpath.hpp"
#include "engine/navigation/RegionType.hpp"
#include "game/content/Identifiers.hpp"

#include <SFML/System/Vector2.hpp>
#include <nlohmann/json.hpp>

#include <future>
#include <memory>
#include <string>

namespace orv {
class Entity;
class PhysicsSystem;
class World;
} // namespace orv

namespace tarsk {

class TerrainSystem;

// A world's access point to path finding. Searches are deferred: asking for a path only packages
// the request, and the search runs on the thread that waits for the future, once. Until a mesh
// is given the world has nothing to search and every path comes back invalid. Saved as
// "NavigationSystem", without data.
class NavigationSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string& TypeName = id::system::navigation;

    NavigationSystem();
    ~NavigationSystem() override;

    // Its factory: there is nothing to read.
    static std::unique_ptr<NavigationSystem> create(const nlohmann::json& data);

    // Needs the world's terrain and physics systems.
    void onPreInit(orv::World* world) override;
    void onInit() override {}
    void onUpdate() override {}
    const std::string& getSystemTypeName() const override { return TypeName; }

    // The future must not outlive this system. A search error (such as a mesh that was never
    // calculated) comes out of get(). The agent is accepted for callers that name one; the
    // search does not use it.
    std::future<orv::Navpath> findGoodPath(sf::Vector2f start, sf::Vector2f goal, const orv::Entity* agent);

    // The mesh to search; it may use getDefaultRegion() as its region type.
    void setNavmesh(std::unique_ptr<orv::Navmesh> mesh) { navmesh = std::move(mesh); }
    const orv::Navmesh* getNavmesh() const { return navmesh.get(); }
    const orv::RegionType& getDefaultRegion() const { return *defaultRegion; }

    TerrainSystem* getTerrainSystem() const { return terrainSystem; }
    orv::PhysicsSystem* getPhysicsSystem() const { return physicsSystem; }

private:
    orv::Navpath search(sf::Vector2f start, sf::Vector2f goal) const;

    TerrainSystem* terrainSystem = nullptr;
    orv::PhysicsSystem* physicsSystem = nullptr;
    std::unique_ptr<orv::Navmesh> navmesh;
    // After the mesh, which may point at it: destroyed first, the mesh never reads it then.
    std::unique_ptr<orv::RegionType> defaultRegion;
};

} // namespace tarsk
