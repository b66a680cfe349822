#include "tools/bench-game/FrogCrowd.hpp"

#include <random>
#include <stdexcept>
#include <vector>

namespace orvbench {

namespace {

nlohmann::json& playerWorld(nlohmann::json& game) {
    const auto id = game.at("PlayerWorldContainer").get<std::uint32_t>();
    for (nlohmann::json& container : game.at("global").at("worldContainers")) {
        if (container.at("_id").get<std::uint32_t>() == id)
            return container;
    }
    throw std::runtime_error("the game file has no world container " + std::to_string(id));
}

nlohmann::json& terrainOf(nlohmann::json& world) {
    for (nlohmann::json& entity : world.at("entities")) {
        nlohmann::json& components = entity.at("components");
        if (auto terrain = components.find("terrain"); terrain != components.end())
            return *terrain;
    }
    throw std::runtime_error("the player's world has no terrain");
}

struct Cell {
    int x;
    int y;
};

std::vector<Cell> landCells(nlohmann::json& world) {
    const nlohmann::json& terrain = terrainOf(world);
    const int width = terrain.at("size.x").get<int>();
    const int height = terrain.at("size.y").get<int>();
    const nlohmann::json& tiles = terrain.at("tiles");
    std::vector<Cell> land;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const std::string id = tiles.at(static_cast<std::size_t>(x * height + y)).get<std::string>();
            if (id.find("WATER") == std::string::npos)
                land.push_back({x, y});
        }
    }
    return land;
}

} // namespace

void addCrowd(nlohmann::json& game, const std::string& blueprint, int count, std::uint32_t seed) {
    nlohmann::json& world = playerWorld(game);
    const std::vector<Cell> land = landCells(world);
    if (land.empty())
        throw std::runtime_error("the player's world has no land");
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pickCell(0, land.size() - 1);
    std::uniform_real_distribution<double> within(0.2, 0.8);
    nlohmann::json& entities = world.at("entities");
    for (int i = 0; i < count; ++i) {
        const Cell cell = land[pickCell(random)];
        const double x = cell.x + within(random);
        const double y = cell.y + within(random);
        entities.push_back(
            {{"components",
              {{"blueprint", {{"type", blueprint}}}, {"transform", {{"position", {x, y, 0.0}}}}}}});
    }
}

void widenLand(nlohmann::json& game, int copies) {
    nlohmann::json& terrain = terrainOf(playerWorld(game));
    // Tiles are stored a column at a time, so whole copies of the list are whole copies of the map.
    const nlohmann::json original = terrain.at("tiles");
    nlohmann::json& tiles = terrain.at("tiles");
    for (int copy = 1; copy < copies; ++copy)
        tiles.insert(tiles.end(), original.begin(), original.end());
    terrain.at("size.x") = terrain.at("size.x").get<int>() * copies;
}

void setPlayerHealth(nlohmann::json& game, double health) {
    nlohmann::json& record = game.at("PlayerData").at("components").at("health");
    record.at("health") = health;
    record.at("maxHealth") = health;
}

} // namespace orvbench
