#include "game/missions/Mission_Demo_Kill_Some_Frogs.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/resources/RequiredJsonValue.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/json/JsonObject.hpp"

#include <stdexcept>

namespace tarsk {

Mission_Demo_Kill_Some_Frogs::Mission_Demo_Kill_Some_Frogs()
    : Mission(Id, false, false, "Demo: Kill Five Frogs",
              "This quest is for demonstration purposes only. It has no other function than to test the "
              "mission/quest functions of the engine. Kill 5 Frogs.") {}

void Mission_Demo_Kill_Some_Frogs::onInit(const orv::WorldManager&, const orv::Entity* player) {
    FighterComponent* fighter = requirePlayer(player).getComponent<FighterComponent>();
    // A second call (a running mission loaded again) must not count each kill twice.
    connections.disconnectAll();
    fighter->killed.connectTracked(connections, [this](const orv::Entity*) { ++killedFrogs; });
}

void Mission_Demo_Kill_Some_Frogs::onEnd() {
    connections.disconnectAll();
}

nlohmann::json Mission_Demo_Kill_Some_Frogs::writeData() const {
    return {{"killedFrogs", killedFrogs}};
}

void Mission_Demo_Kill_Some_Frogs::readData(const nlohmann::json& record) {
    requireJsonObject(record);
    killedFrogs = orv::getRequiredJsonValue<std::uint32_t>(record, "killedFrogs");
}

MissionState Mission_Demo_Kill_Some_Frogs::checkProgress(const orv::WorldManager&, const orv::Entity*) {
    return killedFrogs < KillsNeeded ? MissionState::RUNNING : MissionState::END_A_PENDING;
}

void Mission_Demo_Kill_Some_Frogs::onEndB(MissionManager&, const orv::WorldManager&, const orv::Entity*) {
    throw std::logic_error("should not be reached");
}

void Mission_Demo_Kill_Some_Frogs::onEndC(MissionManager&, const orv::WorldManager&, const orv::Entity*) {
    throw std::logic_error("should not be reached");
}

std::unique_ptr<Mission> Mission_Demo_Kill_Some_Frogs::clone() const {
    return std::make_unique<Mission_Demo_Kill_Some_Frogs>();
}

} // namespace tarsk
