#pragma once

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/tiles/Tile.hpp"
#include "engine/tiles/Tileset.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/terrain/TerrainSystem.hpp"
#include "game/time/TimeSystem.hpp"

#include <SFML/System/Time.hpp>

#include <memory>
#include <string>
#include <vector>

namespace terraintest {

// Frames of the animated water, 100 ms each.
inline const sf::IntRect waterFrame0(32, 0, 16, 16);
inline const sf::IntRect waterFrame1(48, 0, 16, 16);

inline orv::Tile plainTile(const std::string& id, std::int32_t priority, const sf::IntRect& rect) {
    return orv::Tile(id, id, {}, {orv::Variant(rect)}, {}, priority, {}, {});
}

// Ground kinds without a picture: ids, priorities and chosen rectangles are what these tests see.
inline orv::Tileset groundTiles() {
    std::vector<orv::Tile> tiles;
    tiles.push_back(plainTile("GRASS", 1, {0, 0, 16, 16}));
    tiles.push_back(plainTile("SAND", 0, {16, 0, 16, 16}));
    const orv::Variant water({{waterFrame0, sf::milliseconds(100)}, {waterFrame1, sf::milliseconds(100)}});
    tiles.push_back(orv::Tile("WATER", "Water", {}, {water}, {}, 2, {}, {}));
    return orv::Tileset(std::move(tiles), nullptr);
}

inline const orv::Tile* tileOf(const orv::Tileset& tileset, const std::string& id) {
    const auto it = tileset.findTile(id);
    return it == tileset.end() ? nullptr : &*it;
}

// An initialised terrain entity with its render component.
inline std::unique_ptr<orv::Entity> terrainEntity(std::unique_ptr<tarsk::TerrainComponent> terrain) {
    auto entity = std::make_unique<orv::Entity>();
    entity->addComponent<tarsk::RenderComponent>();
    entity->addComponent(std::move(terrain), typeid(tarsk::TerrainComponent));
    entity->init();
    return entity;
}

inline std::unique_ptr<orv::Entity> terrainEntity(const orv::Tileset& tileset, sf::Vector2u size) {
    return terrainEntity(std::make_unique<tarsk::TerrainComponent>(tileset, size));
}

// A world with the systems a terrain lives among, in the order the game registers them.
struct TerrainWorld {
    TerrainWorld() {
        time = world.registerSystem<tarsk::TimeSystem>();
        render = world.registerSystem<tarsk::RenderSystem>();
        terrain = world.registerSystem<tarsk::TerrainSystem>();
        world.initSystems();
    }

    // One frame of the given real duration.
    void frame(sf::Time duration) {
        time->setFrameTime(duration);
        world.update();
    }

    orv::World world;
    tarsk::TimeSystem* time = nullptr;
    tarsk::RenderSystem* render = nullptr;
    tarsk::TerrainSystem* terrain = nullptr;
};

} // namespace terraintest
