#include "game/missions/Mission.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/resources/RequiredJsonValue.hpp"
#include "game/json/JsonObject.hpp"

#include <stdexcept>
#include <utility>

namespace tarsk {

Mission::Mission(std::string id, bool autoBegin, bool autoEnd, std::string name, std::string description)
    : id(std::move(id)), name(std::move(name)), description(std::move(description)), autoBegin(autoBegin),
      autoEnd(autoEnd) {}

Mission::~Mission() = default;

void Mission::begin(const orv::WorldManager& worlds, const orv::Entity* player) {
    if (state == MissionState::RUNNING)
        throw std::logic_error("cannot start running mission");
    onInit(worlds, player);
    onBegin(worlds, player);
    state = MissionState::RUNNING;
}

MissionState Mission::evaluate(const orv::WorldManager& worlds, const orv::Entity* player) {
    state = checkProgress(worlds, player);
    return state;
}

void Mission::end(MissionManager& missions, const orv::WorldManager& worlds, const orv::Entity* player) {
    switch (state) {
    case MissionState::END_A_PENDING:
        onEndA(missions, worlds, player);
        break;
    case MissionState::END_B_PENDING:
        onEndB(missions, worlds, player);
        break;
    case MissionState::END_C_PENDING:
        onEndC(missions, worlds, player);
        break;
    default:
        throw std::logic_error("mission cannot be ended, if it is not in state: [...]_PENDING");
    }
    state = MissionState::ENDED;
    onEnd();
}

void Mission::restoreAfterLoad(const orv::WorldManager& worlds, const orv::Entity* player) {
    if (state == MissionState::UNSET)
        state = MissionState::NOT_STARTED;
    else if (state == MissionState::RUNNING)
        onInit(worlds, player);
}

nlohmann::json Mission::toJson() const {
    nlohmann::json record = writeData();
    record["_state"] = static_cast<std::int32_t>(state);
    return record;
}

void Mission::fromJson(const nlohmann::json& record) {
    requireJsonObject(record);
    const auto saved = orv::getRequiredJsonValue<std::int32_t>(record, "_state");
    // A number of no state would be evaluated as none of them, every frame, for good.
    if (saved < static_cast<std::int32_t>(MissionState::UNSET) ||
        saved > static_cast<std::int32_t>(MissionState::ENDED))
        throw orv::JsonError("_state", "no mission state " + std::to_string(saved));
    // Ending it would be a step the kind never takes.
    if (const auto pending = static_cast<MissionState>(saved);
        tarsk::isEndPending(pending) && !hasEnding(pending))
        throw orv::JsonError("_state", "this mission has no ending from state " + std::to_string(saved));
    // The kind reads first, so a record it refuses leaves the state as it was.
    readData(record);
    state = static_cast<MissionState>(saved);
}

bool Mission::hasEnding(MissionState) const {
    return true;
}

const orv::Entity& Mission::requirePlayer(const orv::Entity* player) {
    if (!player)
        throw std::logic_error("mission needs a player");
    return *player;
}

} // namespace tarsk
