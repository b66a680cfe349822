// Generates the game's content: every texture, the tile sheet with its tile definitions and the
// background music, all drawn or synthesised by deterministic code.
//
// Re-run after changing a painter, then commit the changed files under data/:
//   cmake --build <build dir> --target assetgen && <build dir>/tools/assetgen/assetgen <repo>/data
// Options:
//   --sheet <file.png>    also write a contact sheet of all textures, scaled up on a checkerboard
//   --preview <file.png>  also render a sample island with the tile definitions applied

#include "tools/assetgen/src/AssetCatalog.hpp"
#include "tools/assetgen/src/ContactSheet.hpp"
#include "tools/assetgen/src/TerrainPreview.hpp"
#include "tools/assetgen/src/TilesetBuilder.hpp"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

int usage() {
    std::cerr << "usage: assetgen <data folder> [--sheet <file.png>] [--preview <file.png>]\n";
    return 2;
}

void writeImage(const sf::Image& image, const std::string& path) {
    if (!image.saveToFile(path)) {
        throw std::runtime_error("cannot write " + path);
    }
    std::cout << "wrote " << path << "\n";
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args.front().starts_with("--")) {
        return usage();
    }
    std::string sheetPath;
    std::string previewPath;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (i + 1 >= args.size()) {
            return usage();
        }
        if (args[i] == "--sheet") {
            sheetPath = args[++i];
        } else if (args[i] == "--preview") {
            previewPath = args[++i];
        } else {
            return usage();
        }
    }
    try {
        assetgen::AssetCatalog::writeAll(args.front());
        std::cout << "wrote the content under " << args.front() << "\n";
        if (!sheetPath.empty()) {
            std::vector<sf::Image> images;
            for (const auto& asset : assetgen::AssetCatalog::textures()) {
                images.push_back(asset.paint());
            }
            writeImage(assetgen::ContactSheet::compose(images, 4, 2100), sheetPath);
        }
        if (!previewPath.empty()) {
            const auto tileset = assetgen::TilesetBuilder::build();
            const auto grid = assetgen::TerrainPreview::island(100, 1234);
            writeImage(assetgen::TerrainPreview::render(tileset.sheet, tileset.tiles, grid, 0), previewPath);
        }
    } catch (const std::exception& error) {
        std::cerr << "assetgen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
