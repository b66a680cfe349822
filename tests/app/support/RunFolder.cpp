#include "app/support/RunFolder.hpp"

#include <SFML/Graphics/Image.hpp>

#include <stdexcept>

namespace apptest {

namespace {

std::filesystem::path prepareShipped(testsupport::TempFolder& folder) {
    std::filesystem::create_directory_symlink(std::filesystem::path(ORV_RUN_DIR) / "data", folder / "data");
    std::filesystem::copy_file(std::filesystem::path(ORV_SOURCE_DIR) / "app/content/test_entities_save.json",
                               folder / "test_entities_save.json");
    return folder.path();
}

std::filesystem::path prepare(testsupport::TempFolder& folder, RunFolder::Content content) {
    if (content == RunFolder::Content::Shipped)
        return prepareShipped(folder);
    folder.write("data/tiles/grass.json", R"({"tile_id": "GRASS", "default": [0, 0, 16, 16]})");
    folder.write("data/other/dayNight/default.json", R"({"id": "DAY_NIGHT_DEFAULT", "states": [
        {"beginPercent": 0.0, "color": [40, 40, 110, 255]}, {"beginPercent": 0.3, "color": [255, 255, 255, 255]},
        {"beginPercent": 0.8, "color": [40, 40, 110, 255]}]})");
    for (const char* empty : {"data/items", "data/blueprint", "data/ai"})
        std::filesystem::create_directories(folder / empty);
    sf::Image sheet;
    sheet.create(32, 32, sf::Color(40, 160, 60));
    if (!sheet.saveToFile((folder / "data/tileset.png").string()))
        throw std::runtime_error("cannot write the tile sheet");
    // Textures, music and fonts as the game ships them; the content folders above are the test's own.
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(ORV_RUN_DIR) / "data")) {
        const std::filesystem::path target = folder / "data" / entry.path().filename();
        if (!std::filesystem::exists(target))
            std::filesystem::create_symlink(entry.path(), target);
    }
    return folder.path();
}

} // namespace

RunFolder::RunFolder(Content content) : working(prepare(folder, content)) {}

} // namespace apptest
