// A tile file read by the tile folder into the game's tile set, as at start-up.

#include "app/root/TileFolder.hpp"
#include "engine/common/JsonError.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/tiles/Tileset.hpp"
#include "fuzz/support/OwnErrors.hpp"
#include "fuzz/support/Scratch.hpp"
#include "game/terrain/DefaultTiles.hpp"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::writeInput("tiles/input.json", data, size);
    fuzz::expectOwnErrors<orv::JsonError>([&] {
        orv::ResourceManager resources;
        orv::Tileset tileset(tarsk::generateDefaultTileDefinitions(), nullptr);
        tarsk::TileFolder(fuzz::scratch() / "tiles").loadInto(resources, tileset);
    });
    return 0;
}
