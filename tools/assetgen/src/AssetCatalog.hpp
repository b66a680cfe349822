#pragma once

#include <SFML/Graphics/Image.hpp>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace assetgen {

struct TextureAsset {
    std::string path; // relative to the data folder
    std::function<sf::Image()> paint;
};

// Everything the generator makes, by the path the game reads it from.
class AssetCatalog {
public:
    static constexpr const char* kTilesetPath = "tileset.png";
    static constexpr const char* kTilesFolder = "tiles";
    static constexpr const char* kMusicPath = "music/8_bit_sadness_and_solo_lofi.ogg";

    // Every texture, the tile sheet first.
    static std::vector<TextureAsset> textures();

    // The tile definition files as (path relative to the data folder, file text).
    static std::vector<std::pair<std::string, std::string>> tileFiles();

    // Writes every texture, tile file and the music under `dataFolder`, creating folders as
    // needed. Throws std::runtime_error naming the file that could not be written.
    static void writeAll(const std::filesystem::path& dataFolder);
};

} // namespace assetgen
