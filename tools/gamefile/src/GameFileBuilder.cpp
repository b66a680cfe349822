#include "tools/gamefile/src/GameFileBuilder.hpp"

#include "app/player/PlayerEntity.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/serialization/WorldWriter.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/content/Identifiers.hpp"
#include "game/missions/MissionDataManager.hpp"
#include "game/missions/MissionManager.hpp"
#include "game/portals/GlobalPortalSystem.hpp"
#include "game/portals/PortalComponent.hpp"
#include "game/render/SpriteComponent.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/worldgen/TerrainTiles.hpp"
#include "tools/gamefile/src/PathCells.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace gamefile {

namespace {

// Every cell a placement covers: one, or a straight line of them.
std::vector<sf::Vector2f> positionsOf(const PlacementLayout& placement) {
    if (!placement.to)
        return {placement.at};
    std::vector<sf::Vector2f> positions;
    const sf::Vector2f from = placement.at, to = *placement.to;
    const int steps =
        static_cast<int>(std::lround(std::max(std::abs(to.x - from.x), std::abs(to.y - from.y))));
    for (int i = 0; i <= steps; ++i) {
        const float t = steps == 0 ? 0.f : static_cast<float>(i) / static_cast<float>(steps);
        positions.push_back(from + (to - from) * t);
    }
    return positions;
}

bool isTerrain(const orv::Entity& entity) {
    return entity.hasComponent<tarsk::TerrainComponent>();
}

std::uint64_t nextPortalId(const std::vector<std::unique_ptr<orv::World>>& worlds) {
    std::uint64_t next = 1;
    for (const auto& world : worlds) {
        for (const auto& entity : world->getEntities()) {
            if (const auto* portal = entity->findComponent<tarsk::PortalComponent>())
                next = std::max(next, portal->getId() + 1);
        }
    }
    return next;
}

} // namespace

GameFileBuilder::GameFileBuilder(tarsk::GameContent& content, StoryLayout layout)
    : content(content), layout(std::move(layout)) {}

nlohmann::json GameFileBuilder::build() {
    std::vector<std::unique_ptr<orv::World>> worlds;
    std::uint32_t nextContainerId = 0;
    for (const WorldLayout& world : layout.worlds) {
        worlds.push_back(buildWorld(world));
        nextContainerId = std::max(nextContainerId, world.id + 1);
    }

    // Set up as the reader does: the global systems first, then the filled worlds. The counter
    // hands out ids above every portal placed.
    orv::WorldManager manager(nextContainerId);
    manager.registerSystem<tarsk::GlobalPortalSystem>(nextPortalId(worlds));
    manager.initSystems();
    for (std::size_t i = 0; i < worlds.size(); ++i) {
        // Every world is active: a player who travels finds the target world running.
        manager.addExistingWorldContainer(
            orv::WorldContainer(layout.worlds[i].id, std::move(worlds[i]), true, layout.worlds[i].name));
    }

    std::unique_ptr<orv::Entity> player = makePlayer();
    tarsk::MissionDataManager prototypes;
    tarsk::MissionManager missions(prototypes);
    missions.fromJson(nullptr, manager, player.get());

    nlohmann::json document = nlohmann::json::object();
    document["global"] = orv::worldManagerToJson(manager);
    document["PlayerWorldContainer"] = layout.playerWorld;
    nlohmann::json playerData = orv::SerializationManager::entityToJson(*player);
    playerData["components"].merge_patch(layout.playerComponents);
    // Read back as the game reads it: a record the player's components refuse fails here.
    content.serialization.entityFromJson(playerData);
    document["PlayerData"] = std::move(playerData);
    document["Missions_Data"] = missions.toJson();
    return document;
}

std::unique_ptr<orv::World> GameFileBuilder::buildWorld(const WorldLayout& world) {
    std::unique_ptr<orv::World> built = content.generators.generateById(world.generator);
    if (!built)
        throw std::runtime_error("no world generator " + std::to_string(world.generator) + " for " +
                                 world.name);
    layPaths(*built, world);
    clearAround(*built, world);
    for (const PlacementLayout& placement : world.entities)
        place(*built, placement);
    return built;
}

void GameFileBuilder::layPaths(orv::World& world, const WorldLayout& layout) {
    orv::Tilemap& tilemap = tarsk::terraintiles::tilemapOf(world);
    const int side = static_cast<int>(tilemap.getSize().x);
    for (const PathLayout& path : layout.paths) {
        const orv::Tile& tile = tarsk::terraintiles::require(content.tileset, path.tile);
        std::vector<orv::Tilemap::TileChange> changes;
        for (const sf::Vector2i& cell : pathCells(path, side))
            changes.emplace_back(cell, &tile);
        tilemap.setTiles(changes);
    }
}

void GameFileBuilder::clearAround(orv::World& world, const WorldLayout& layout) {
    std::vector<std::string> replacedLooks;
    for (const std::string& factory : layout.replaceGenerated)
        replacedLooks.push_back(
            content.factories.createEntity(factory)->getComponent<tarsk::SpriteComponent>()->getTextureId());
    std::vector<sf::Vector2f> spots;
    for (const PlacementLayout& placement : layout.entities) {
        for (const sf::Vector2f& position : positionsOf(placement))
            spots.push_back(position);
    }
    std::vector<const orv::Entity*> inTheWay;
    for (const auto& entity : world.getEntities()) {
        if (isTerrain(*entity))
            continue;
        const sf::Vector2f at = entity->getComponent<orv::TransformationComponent>()->getPositionXY();
        const bool onPath =
            std::any_of(layout.paths.begin(), layout.paths.end(), [&](const PathLayout& path) {
                return distanceToPath(path, at) <= path.halfWidth + layout.clearance;
            });
        const bool nearSpot = std::any_of(spots.begin(), spots.end(), [&](sf::Vector2f spot) {
            return std::hypot(at.x - spot.x, at.y - spot.y) <= layout.clearance;
        });
        const auto* sprite = entity->findComponent<tarsk::SpriteComponent>();
        const bool replaced = sprite && std::find(replacedLooks.begin(), replacedLooks.end(),
                                                  sprite->getTextureId()) != replacedLooks.end();
        if (onPath || nearSpot || replaced)
            inTheWay.push_back(entity.get());
    }
    world.removeEntities(inTheWay);
}

void GameFileBuilder::place(orv::World& world, const PlacementLayout& placement) {
    for (const sf::Vector2f& position : positionsOf(placement))
        tarsk::terraintiles::place(world, make(placement), position);
}

std::unique_ptr<orv::Entity> GameFileBuilder::make(const PlacementLayout& placement) const {
    if (!placement.item.empty())
        return content.items.createItemEntity(placement.item);
    if (placement.components.empty())
        return content.factories.createEntity(placement.factory);
    // Instance data of a blueprint entity, read the way a saved game reads it back.
    nlohmann::json components = placement.components;
    components[tarsk::id::component::blueprint] = {{"type", placement.factory}};
    return content.serialization.entityFromJson({{"components", components}});
}

std::unique_ptr<orv::Entity> GameFileBuilder::makePlayer() const {
    std::unique_ptr<orv::Entity> player = tarsk::createPlayerEntity(content.resources, content.animations);
    player->getComponent<orv::TransformationComponent>()->setPositionXY(layout.playerStart);
    // The player is saved on its own, never with its world.
    player->addComponent<orv::PersistenceComponent>(false);
    player->init();
    return player;
}

} // namespace gamefile
