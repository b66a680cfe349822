#include "game/missions/MissionManager.hpp"

#include "engine/common/JsonWhere.hpp"
#include "game/missions/MissionDataManager.hpp"

#include <stdexcept>

namespace tarsk {

MissionManager::MissionManager(const MissionDataManager& prototypes) : prototypes(&prototypes) {}

MissionManager::~MissionManager() = default;

Mission* MissionManager::findMission(const std::string& id) const {
    for (const std::unique_ptr<Mission>& mission : missions) {
        if (mission->getId() == id)
            return mission.get();
    }
    return nullptr;
}

Mission& MissionManager::requireMission(const std::string& id) const {
    Mission* mission = findMission(id);
    if (!mission)
        throw std::runtime_error("mission id not found");
    return *mission;
}

void MissionManager::beginMission(const std::string& id, const orv::WorldManager& worlds,
                                  const orv::Entity* player) {
    Mission& mission = requireMission(id);
    if (mission.getState() != MissionState::NOT_STARTED)
        throw std::logic_error("mission cannot be begun, if it is not in state: NOT_STARTED");
    mission.begin(worlds, player);
}

void MissionManager::endMission(const std::string& id, const orv::WorldManager& worlds,
                                const orv::Entity* player) {
    requireMission(id).end(*this, worlds, player);
}

std::vector<Mission*> MissionManager::getActiveMissions() const {
    std::vector<Mission*> active;
    for (const std::unique_ptr<Mission>& mission : missions) {
        if (mission->getState() == MissionState::RUNNING || mission->isEndPending())
            active.push_back(mission.get());
    }
    return active;
}

std::vector<Mission*> MissionManager::getCompletedMissions() const {
    std::vector<Mission*> completed;
    for (const std::unique_ptr<Mission>& mission : missions) {
        if (mission->getState() == MissionState::ENDED)
            completed.push_back(mission.get());
    }
    return completed;
}

void MissionManager::update(const orv::WorldManager& worlds, const orv::Entity* player) {
    // By index: an end handler may begin or end other missions, never add any.
    for (std::size_t i = 0; i < missions.size(); ++i) {
        Mission& mission = *missions[i];
        if (mission.getState() != MissionState::RUNNING)
            continue;
        mission.evaluate(worlds, player);
        if (mission.isAutoEnd() && mission.isEndPending())
            mission.end(*this, worlds, player);
    }
}

nlohmann::json MissionManager::toJson() const {
    nlohmann::json data = nlohmann::json::object();
    for (const std::unique_ptr<Mission>& mission : missions)
        data[mission->getId()] = mission->toJson();
    return data;
}

void MissionManager::fromJson(const nlohmann::json& data, const orv::WorldManager& worlds,
                              const orv::Entity* player) {
    std::vector<std::unique_ptr<Mission>> fresh;
    for (const std::unique_ptr<Mission>& prototype : prototypes->getPrototypes()) {
        std::unique_ptr<Mission> mission = prototype->clone();
        if (!mission)
            throw std::logic_error("mission prototype made no clone: " + prototype->getId());
        fresh.push_back(std::move(mission));
    }
    missions = std::move(fresh);

    for (const std::unique_ptr<Mission>& mission : missions) {
        if (data.is_object()) {
            if (auto record = data.find(mission->getId()); record != data.end())
                try {
                    mission->fromJson(*record);
                } catch (const orv::JsonError& error) {
                    throw error.underKey(mission->getId());
                } catch (const orv::MissingJsonValue& missing) {
                    throw orv::asJsonError(missing).underKey(mission->getId());
                }
        }
        mission->restoreAfterLoad(worlds, player);
    }
    for (const std::unique_ptr<Mission>& mission : missions) {
        if (mission->isAutoBegin() && mission->getState() == MissionState::NOT_STARTED)
            mission->begin(worlds, player);
    }
}

} // namespace tarsk
