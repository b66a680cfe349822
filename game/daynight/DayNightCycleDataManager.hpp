#pragma once

#include "game/daynight/DayNightCycleDefinition.hpp"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <map>
#include <string>

namespace tarsk {

// Every day/night definition by id, read once at start; systems keep pointers into it.
class DayNightCycleDataManager {
public:
    // Reads every ".json" file below the folder, in path order. A file holds one definition or
    // an array of them; of two definitions with one id, the first read stays.
    void loadDirectory(const std::filesystem::path& directory);
    void addDefinition(const nlohmann::json& json);
    const DayNightCycleDefinition& getDefinition(const std::string& id) const;
    std::size_t size() const { return definitions.size(); }

private:
    void loadFile(const std::filesystem::path& file);
    std::map<std::string, DayNightCycleDefinition> definitions;
};

} // namespace tarsk
