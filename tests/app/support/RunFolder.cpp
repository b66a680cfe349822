#include "app/support/RunFolder.hpp"

#include <SFML/Graphics/Image.hpp>

#include <stdexcept>

namespace apptest {

namespace {

std::filesystem::path prepare(TempFolder& folder) {
    folder.write("data/tiles/grass.json", R"({"tile_id": "GRASS", "default": [0, 0, 16, 16]})");
    sf::Image sheet;
    sheet.create(32, 32, sf::Color(40, 160, 60));
    if (!sheet.saveToFile((folder / "data/tileset.png").string()))
        throw std::runtime_error("cannot write the tile sheet");
    const std::filesystem::path font = std::filesystem::path(ORV_RUN_DIR) / "data/fonts/DejaVuSans.ttf";
    std::filesystem::create_directories(folder / "data/fonts");
    std::filesystem::copy_file(font, folder / "data/fonts/DejaVuSans.ttf");
    return folder.path();
}

} // namespace

RunFolder::RunFolder() : working(prepare(folder)) {}

} // namespace apptest
