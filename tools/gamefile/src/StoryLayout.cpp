#include "tools/gamefile/src/StoryLayout.hpp"

#include <fstream>
#include <stdexcept>

namespace gamefile {

namespace {

using nlohmann::json;

sf::Vector2f readPoint(const json& value) {
    if (!value.is_array() || value.size() != 2)
        throw std::runtime_error("a point is [x, y], got " + value.dump());
    return {value.at(0).get<float>(), value.at(1).get<float>()};
}

PathLayout readPath(const json& data) {
    PathLayout path;
    path.name = data.at("name").get<std::string>();
    path.tile = data.at("tile").get<std::string>();
    path.halfWidth = data.value("halfWidth", 1.f);
    for (const json& point : data.at("points"))
        path.points.push_back(readPoint(point));
    if (path.points.size() < 2)
        throw std::runtime_error("path " + path.name + " needs two points at least");
    return path;
}

PlacementLayout readPlacement(const json& data) {
    PlacementLayout placement;
    placement.role = data.value("role", "");
    placement.factory = data.value("factory", "");
    placement.item = data.value("item", "");
    if (placement.factory.empty() == placement.item.empty())
        throw std::runtime_error("a placement names either a factory or an item: " + data.dump());
    placement.at = readPoint(data.at("at"));
    if (data.contains("to")) {
        placement.to = readPoint(data.at("to"));
        if (placement.to->x != placement.at.x && placement.to->y != placement.at.y)
            throw std::runtime_error("a line of placements runs along a row or a column: " + data.dump());
    }
    placement.components = data.value("components", json::object());
    return placement;
}

WorldLayout readWorld(const json& data) {
    WorldLayout world;
    world.id = data.at("id").get<std::uint32_t>();
    world.name = data.at("name").get<std::string>();
    world.generator = data.at("generator").get<std::int32_t>();
    world.clearance = data.value("clearance", 0.f);
    world.replaceGenerated = data.value("replaceGenerated", std::vector<std::string>{});
    for (const json& path : data.value("paths", json::array()))
        world.paths.push_back(readPath(path));
    for (const json& entity : data.at("entities"))
        world.entities.push_back(readPlacement(entity));
    return world;
}

} // namespace

StoryLayout StoryLayout::fromJson(const json& data) {
    StoryLayout layout;
    layout.seed = data.at("seed").get<std::uint32_t>();
    layout.playerWorld = data.at("player").at("world").get<std::uint32_t>();
    layout.playerStart = readPoint(data.at("player").at("at"));
    layout.playerComponents = data.at("player").value("components", json::object());
    for (const json& world : data.at("worlds"))
        layout.worlds.push_back(readWorld(world));
    return layout;
}

StoryLayout StoryLayout::load(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read the story layout " + file.string());
    try {
        return fromJson(json::parse(in));
    } catch (const std::exception& error) {
        throw std::runtime_error(file.string() + ": " + error.what());
    }
}

} // namespace gamefile
