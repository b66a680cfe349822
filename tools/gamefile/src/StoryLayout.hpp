#pragma once

#include <SFML/System/Vector2.hpp>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace gamefile {

// A path of one tile laid along straight legs between cell corners; cells within halfWidth of a
// leg (in cells, measured between cell centres and the leg) get the tile.
struct PathLayout {
    std::string name;
    std::string tile;
    float halfWidth = 1.f;
    std::vector<sf::Vector2f> points;
};

// One entity made by a factory (or an item of the item registry) and placed at a position.
// A "line" repeats it on every cell from "at" to "to" (straight rows and columns only). Component
// records given under "components" replace what the factory made, read by the type registry.
struct PlacementLayout {
    std::string role;
    std::string factory;
    std::string item;
    sf::Vector2f at;
    std::optional<sf::Vector2f> to;
    nlohmann::json components = nlohmann::json::object();
};

struct WorldLayout {
    std::uint32_t id = 0;
    std::string name;
    std::int32_t generator = 0;
    // Generated bodies this close to a path cell or a placed entity are taken away.
    float clearance = 0.f;
    // Factories whose generated entities the layout places itself instead (known by their sprite).
    std::vector<std::string> replaceGenerated;
    std::vector<PathLayout> paths;
    std::vector<PlacementLayout> entities;
};

struct StoryLayout {
    std::uint32_t seed = 0;
    std::uint32_t playerWorld = 0;
    sf::Vector2f playerStart;
    // Merged over the new player's saved component records (a health for the whole story).
    nlohmann::json playerComponents = nlohmann::json::object();
    std::vector<WorldLayout> worlds;

    static StoryLayout fromJson(const nlohmann::json& data);
    // Errors name the file.
    static StoryLayout load(const std::filesystem::path& file);
};

} // namespace gamefile
