#pragma once

#include "game/missions/Mission.hpp"

#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <vector>

namespace orv {
class Entity;
class WorldManager;
} // namespace orv

namespace tarsk {

class MissionDataManager;

// The missions of one game: cloned from the prototypes when the game is loaded, restored from
// the game's saved records, checked every frame while running, and begun and ended on request
// (the dialogues do that). Written back as one record per mission id.
class MissionManager {
public:
    explicit MissionManager(const MissionDataManager& prototypes);
    MissionManager(const MissionManager&) = delete;
    MissionManager& operator=(const MissionManager&) = delete;
    ~MissionManager();

    // The first mission with exactly this id, or null.
    Mission* findMission(const std::string& id) const;

    // Only a NOT_STARTED mission can be begun.
    void beginMission(const std::string& id, const orv::WorldManager& worlds, const orv::Entity* player);
    // Only a pending mission can be ended.
    void endMission(const std::string& id, const orv::WorldManager& worlds, const orv::Entity* player);

    // RUNNING or pending, in list order.
    std::vector<Mission*> getActiveMissions() const;
    std::vector<Mission*> getCompletedMissions() const;
    const std::vector<std::unique_ptr<Mission>>& getMissions() const { return missions; }

    // Once per frame: every running mission checks its goal, and one that ends by itself and
    // has reached it is ended.
    void update(const orv::WorldManager& worlds, const orv::Entity* player);

    nlohmann::json toJson() const;
    // Starts the game's missions afresh from the prototypes and restores each from its record
    // in data (an object of records by mission id; null when the game has none); then the
    // missions that begin by themselves are begun. A record's orv::JsonError gets its mission id
    // in front of its path.
    void fromJson(const nlohmann::json& data, const orv::WorldManager& worlds, const orv::Entity* player);

private:
    Mission& requireMission(const std::string& id) const;

    const MissionDataManager* prototypes;
    std::vector<std::unique_ptr<Mission>> missions;
};

} // namespace tarsk
