#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "engine/render/Renderable.hpp"
#include "engine/tiles/Tilemap.hpp"
#include "game/content/Identifiers.hpp"

#include <SFML/System/Vector2.hpp>

#include <memory>
#include <string>

namespace orv {
class Tileset;
}

namespace tarsk {

class RenderComponent;

// The ground of a world: a tile map over the game's tile set, drawn behind everything else.
// Cell (x, y) covers world units [x, x + 1) × [y, y + 1). Saved under "terrain".
class TerrainComponent : public orv::SerializableComponent, public orv::Renderable {
public:
    inline static const std::string& Name = id::component::terrain;
    inline static const std::string DefaultTileId = "GRASS";
    static constexpr int TileSize = 16;
    // The terrain is drawn through one texture of its whole pixel size, so a side may not
    // outgrow what graphics hardware commonly holds in one texture.
    static constexpr unsigned MaxPixelExtent = 16384;
    static constexpr unsigned MaxCells = MaxPixelExtent / TileSize;
    // Drawn before everything at depth 0.
    static constexpr float SortingDepth = -100.f;

    // Every cell holds the tile set's "GRASS". A side above MaxCells throws
    // std::invalid_argument; a tile set without "GRASS" throws std::runtime_error.
    TerrainComponent(const orv::Tileset& tileset, sf::Vector2u size);
    // Takes the map over; it must be drawn from this tile set with 16-pixel tiles
    // (std::invalid_argument otherwise), and no side may exceed MaxCells.
    TerrainComponent(const orv::Tileset& tileset, orv::Tilemap tilemap);

    // Required: the whole numbers "size.x" and "size.y" (0 to MaxCells) and "tiles", exactly
    // size.x × size.y tile ids, column by column. A missing key is std::logic_error, an id the
    // tile set lacks, a bad size or a wrong count std::runtime_error, a non-string id the JSON
    // library's type error 302.
    static std::unique_ptr<TerrainComponent> fromJson(const nlohmann::json& data,
                                                      const orv::Tileset& tileset);

    // Needs the entity's render component.
    void onPreInit(orv::Entity* entity) override;
    // Sorts the terrain behind everything and hands its renderer to the render component.
    void onInit() override;

    // "size.x", "size.y" and "tiles": the ids column by column, cell (x, y) at x × size.y + y.
    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    orv::Tilemap& getTilemap() { return tilemap; }
    const orv::Tilemap& getTilemap() const { return tilemap; }
    const orv::Tileset& getTileset() const { return tileset; }

private:
    RenderComponent* renderComponent = nullptr;
    const orv::Tileset& tileset;
    orv::Tilemap tilemap;
};

} // namespace tarsk
