#include "game/worldgen/TerrainTiles.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/tiles/Tileset.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "engine/transform/UnitConversions.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/terrain/TerrainSystem.hpp"

#include <stdexcept>

namespace tarsk::terraintiles {

const orv::Tile& require(const orv::Tileset& tileset, const std::string& id) {
    const auto it = tileset.findTile(id);
    if (it == tileset.end())
        throw std::runtime_error("Tile not found in tileset: " + id);
    return *it;
}

orv::Tilemap& tilemapOf(orv::World& world) {
    const orv::Entity* terrain = world.getSystem<TerrainSystem>()->getTerrainEntity();
    if (!terrain)
        throw std::logic_error("World has no terrain");
    return terrain->getComponent<TerrainComponent>()->getTilemap();
}

sf::Vector2f cellCentre(int x, int y) {
    // Tiles of 16 pixels are one world unit.
    const int tile = static_cast<int>(TerrainComponent::TileSize * orv::UnitsPerPixel);
    return {x * tile + tile / 2.f, y * tile + tile / 2.f};
}

void place(orv::World& world, std::unique_ptr<orv::Entity> entity, sf::Vector2f position) {
    entity->getComponent<orv::TransformationComponent>()->setPositionXY(position);
    // Blueprint entities may bring their own.
    if (!entity->hasComponent<orv::PersistenceComponent>())
        entity->addComponent<orv::PersistenceComponent>(true);
    entity->init();
    world.addEntity(std::move(entity));
}

} // namespace tarsk::terraintiles
