#include "game/ai/nodes/GetTileIdAtPositionNode.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/tiles/Tilemap.hpp"
#include "game/ai/NodeInputs.hpp"
#include "game/ai/WorldOf.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/terrain/TerrainSystem.hpp"

namespace tarsk {

bt::NodeStatus GetTileIdAtPositionNode::tick() {
    const auto position = requiredInput<sf::Vector2f>(*this, "positionXY");
    const orv::Entity* terrain = worldOf(requireOwner()).getSystem<TerrainSystem>()->getTerrainEntity();
    if (!terrain) {
        reportFailure(getName(), "the world has no terrain");
        return bt::NodeStatus::FAILURE;
    }
    const orv::Tilemap& tilemap = terrain->getComponent<TerrainComponent>()->getTilemap();
    const float pixels = static_cast<float>(TerrainComponent::TileSize);
    const sf::Vector2i cell = tilemap.toTileCoordinates(position * pixels);
    if (!tilemap.isInside(cell))
        return bt::NodeStatus::FAILURE;
    static_cast<void>(setOutput("tileId", tilemap.getTile(cell)->getTileId()));
    return bt::NodeStatus::SUCCESS;
}

} // namespace tarsk
