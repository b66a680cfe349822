#pragma once

#include "game/missions/MissionState.hpp"

#include <nlohmann/json.hpp>

#include <memory>
#include <string>

namespace orv {
class Entity;
class WorldManager;
} // namespace orv

namespace tarsk {

class MissionManager;

// A quest with a small state machine: not started, running while its goal is checked every
// frame, pending once the goal is reached (in one of three ways) until something ends it, then
// ended. Each kind says how it follows the game (onInit, once begun and again after loading),
// how it checks its goal and what ending it does; the state itself is kept here.
class Mission {
public:
    Mission(std::string id, bool autoBegin, bool autoEnd, std::string name, std::string description);
    Mission(const Mission&) = delete;
    Mission& operator=(const Mission&) = delete;

    // Connects the mission to the game it follows; runs when it begins and when a running
    // mission is loaded, so it must cope with a player it has not seen before.
    virtual void onInit(const orv::WorldManager& worlds, const orv::Entity* player) = 0;
    // After the end handler, once the mission is ENDED.
    virtual void onEnd() = 0;
    // The mission's own keys of its saved record; "_state" is added to it.
    virtual nlohmann::json writeData() const = 0;
    virtual void readData(const nlohmann::json& record) = 0;
    virtual void onBegin(const orv::WorldManager& worlds, const orv::Entity* player) = 0;
    // The state the mission is in now, judged from the game.
    virtual MissionState checkProgress(const orv::WorldManager& worlds, const orv::Entity* player) = 0;
    virtual void onEndA(MissionManager& missions, const orv::WorldManager& worlds,
                        const orv::Entity* player) = 0;
    virtual void onEndB(MissionManager& missions, const orv::WorldManager& worlds,
                        const orv::Entity* player) = 0;
    virtual void onEndC(MissionManager& missions, const orv::WorldManager& worlds,
                        const orv::Entity* player) = 0;
    virtual ~Mission();
    // A new mission of the same kind as it is when constructed: UNSET, without progress.
    virtual std::unique_ptr<Mission> clone() const = 0;

    // Runs onInit and onBegin, then the mission is RUNNING. A RUNNING mission refuses; any
    // other state is the caller's to check.
    void begin(const orv::WorldManager& worlds, const orv::Entity* player);
    // Takes and returns the state checkProgress gives.
    MissionState evaluate(const orv::WorldManager& worlds, const orv::Entity* player);
    // From a pending state: its end handler, then ENDED, then onEnd. Other states refuse.
    void end(MissionManager& missions, const orv::WorldManager& worlds, const orv::Entity* player);
    // After loading: UNSET becomes NOT_STARTED, and a RUNNING mission reconnects through onInit.
    void restoreAfterLoad(const orv::WorldManager& worlds, const orv::Entity* player);

    // The saved record: the mission's own keys with "_state".
    nlohmann::json toJson() const;
    // The record must be an object with a "_state" number of a state, and of a pending state only
    // one the kind ends from (orv::JsonError otherwise); the rest is the kind's.
    void fromJson(const nlohmann::json& record);

    const std::string& getId() const { return id; }
    const std::string& getName() const { return name; }
    const std::string& getDescription() const { return description; }
    MissionState getState() const { return state; }
    bool isEndPending() const { return tarsk::isEndPending(state); }
    bool isAutoBegin() const { return autoBegin; }
    bool isAutoEnd() const { return autoEnd; }

protected:
    // Whether the kind has an ending for the pending state; a game saved while waiting for an
    // ending the kind lacks is refused when read. Every kind ends from END_A_PENDING.
    virtual bool hasEnding(MissionState pending) const;
    // The player the mission follows; a mission cannot follow nobody.
    static const orv::Entity& requirePlayer(const orv::Entity* player);

private:
    std::string id;
    std::string name;
    std::string description;
    MissionState state = MissionState::UNSET;
    bool autoBegin;
    bool autoEnd;
};

} // namespace tarsk
