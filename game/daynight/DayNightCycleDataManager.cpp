#include "game/daynight/DayNightCycleDataManager.hpp"

#include "engine/common/JsonNumber.hpp"
#include "engine/common/JsonText.hpp"
#include "engine/common/JsonWhere.hpp"
#include "engine/common/Lookup.hpp"
#include "engine/resources/FolderFiles.hpp"
#include "engine/resources/RegularFile.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace tarsk {

namespace {

// Bad values are refused here, once, rather than failing every frame of the world using them.
DayNightCycleState readState(const std::string& id, const nlohmann::json& json) {
    const float begin = orv::jsonNumber<float>(json.at("beginPercent"), "beginPercent");
    if (!(begin >= 0.0f && begin <= 1.0f))
        throw std::runtime_error("dayNightCycle \"" + id + "\": beginPercent must lie in [0, 1]");
    const nlohmann::json& color = json.at("color");
    sf::Uint8 channels[4];
    for (std::size_t i = 0; i < 4; ++i) {
        const double value =
            orv::readUnderElement("color", i, [&] { return orv::jsonNumber<double>(color.at(i), ""); });
        if (!(value >= 0.0 && value <= 255.0))
            throw std::runtime_error("dayNightCycle \"" + id + "\": colour channels must lie in [0, 255]");
        channels[i] = static_cast<sf::Uint8>(value);
    }
    return {sf::Color(channels[0], channels[1], channels[2], channels[3]), begin};
}

} // namespace

void DayNightCycleDataManager::loadDirectory(const std::filesystem::path& directory) {
    for (const auto& file : orv::listFolderFiles(directory, {".json"}))
        orv::readFromFile(file.generic_string(), [&] { loadFile(file); });
}

void DayNightCycleDataManager::loadFile(const std::filesystem::path& file) {
    const nlohmann::json document = orv::parseJsonText(orv::readRegularFile(file, orv::FileLimit::Content));
    if (document.is_object()) {
        addDefinition(document);
    } else if (document.is_array()) {
        for (std::size_t i = 0; i < document.size(); ++i) {
            orv::readUnderIndex(i, [&] {
                if (!document[i].is_object())
                    throw std::runtime_error("invalid element in dayNightCycle file array");
                addDefinition(document[i]);
            });
        }
    } else {
        throw std::runtime_error("invalid dayNightCycle file");
    }
}

void DayNightCycleDataManager::addDefinition(const nlohmann::json& json) {
    std::string id = json.at("id").get<std::string>();
    std::vector<DayNightCycleState> states;
    for (const auto& state : json.at("states"))
        states.push_back(readState(id, state));
    if (definitions.contains(id))
        return;
    definitions.emplace(id, DayNightCycleDefinition(id, std::move(states)));
}

const DayNightCycleDefinition& DayNightCycleDataManager::getDefinition(const std::string& id) const {
    return orv::lookup(definitions, id);
}

} // namespace tarsk
