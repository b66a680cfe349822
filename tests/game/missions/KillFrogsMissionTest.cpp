#include "MissionTestSupport.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/missions/MissionDataManager.hpp"
#include "game/missions/MissionManager.hpp"
#include "game/missions/Mission_Demo_Kill_Some_Frogs.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

using tarsk::FighterComponent;
using tarsk::Mission_Demo_Kill_Some_Frogs;
using tarsk::MissionState;

namespace {

std::unique_ptr<orv::Entity> makeFighter() {
    auto entity = std::make_unique<orv::Entity>();
    entity->addComponent<tarsk::HealthComponent>(100.f, 100.f);
    entity->addComponent<FighterComponent>(0u, std::vector<std::string>{},
                                           std::vector<std::string>{"PLAYER"});
    entity->init();
    return entity;
}

class KillFrogsMissionTest : public ::testing::Test {
protected:
    KillFrogsMissionTest() : prototypes(makePrototypes()), missions(prototypes) {}

    static tarsk::MissionDataManager::Prototypes makePrototypes() {
        tarsk::MissionDataManager::Prototypes list;
        list.push_back(std::make_unique<Mission_Demo_Kill_Some_Frogs>());
        return list;
    }

    void kill(const orv::Entity& killer, int times) {
        for (int i = 0; i < times; ++i)
            killer.getComponent<FighterComponent>()->killed.emit(&victim);
    }

    Mission_Demo_Kill_Some_Frogs& mission() {
        return static_cast<Mission_Demo_Kill_Some_Frogs&>(
            *missions.findMission(Mission_Demo_Kill_Some_Frogs::Id));
    }

    MissionState frame() {
        missions.update(worlds, player.get());
        return mission().getState();
    }

    tarsk::MissionDataManager prototypes;
    tarsk::MissionManager missions;
    orv::WorldManager worlds{0};
    std::unique_ptr<orv::Entity> player = makeFighter();
    orv::Entity victim;
};

TEST_F(KillFrogsMissionTest, KillsCountOnlyOnceBegun) {
    missions.fromJson(nullptr, worlds, player.get());
    EXPECT_EQ(mission().getState(), MissionState::NOT_STARTED);
    // Kills before the mission is begun do not count.
    kill(*player, 5);
    EXPECT_EQ(mission().getKilledFrogs(), 0u);
    EXPECT_EQ(missions.toJson(),
              (nlohmann::json{{"Mission_Demo_Kill_Some_Frogs", {{"_state", 1}, {"killedFrogs", 0}}}}));
}

TEST_F(KillFrogsMissionTest, FiveKillsOfAnythingMakeItPendingAtTheNextUpdate) {
    missions.fromJson(nullptr, worlds, player.get());
    missions.beginMission(Mission_Demo_Kill_Some_Frogs::Id, worlds, player.get());
    kill(*player, 4);
    EXPECT_EQ(frame(), MissionState::RUNNING);
    kill(*player, 1);
    EXPECT_EQ(mission().getKilledFrogs(), 5u);
    EXPECT_EQ(mission().getState(), MissionState::RUNNING);
    EXPECT_EQ(frame(), MissionState::END_A_PENDING);

    missions.endMission(Mission_Demo_Kill_Some_Frogs::Id, worlds, player.get());
    EXPECT_EQ(mission().getState(), MissionState::ENDED);
    // Ended, it stops listening.
    kill(*player, 3);
    EXPECT_EQ(mission().getKilledFrogs(), 5u);
}

TEST_F(KillFrogsMissionTest, RunningRecordRestoresTheCountAndListensToTheNewPlayer) {
    auto oldPlayer = makeFighter();
    missions.fromJson(nullptr, worlds, oldPlayer.get());
    missions.beginMission(Mission_Demo_Kill_Some_Frogs::Id, worlds, oldPlayer.get());

    missions.fromJson({{"Mission_Demo_Kill_Some_Frogs", {{"_state", 2}, {"killedFrogs", 3}}}}, worlds,
                      player.get());
    EXPECT_EQ(mission().getKilledFrogs(), 3u);
    kill(*oldPlayer, 4);
    EXPECT_EQ(mission().getKilledFrogs(), 3u);
    kill(*player, 1);
    EXPECT_EQ(frame(), MissionState::RUNNING);
    kill(*player, 1);
    EXPECT_EQ(frame(), MissionState::END_A_PENDING);
}

TEST_F(KillFrogsMissionTest, ReconnectingDoesNotCountKillsTwice) {
    missions.fromJson(nullptr, worlds, player.get());
    missions.beginMission(Mission_Demo_Kill_Some_Frogs::Id, worlds, player.get());
    mission().restoreAfterLoad(worlds, player.get());
    kill(*player, 2);
    EXPECT_EQ(mission().getKilledFrogs(), 2u);
}

TEST_F(KillFrogsMissionTest, PlayerWithoutFighterCannotBeginIt) {
    orv::Entity pacifist;
    pacifist.init();
    missions.fromJson(nullptr, worlds, &pacifist);
    try {
        missions.beginMission(Mission_Demo_Kill_Some_Frogs::Id, worlds, &pacifist);
        FAIL() << "the mission needs the player's fighter";
    } catch (const std::logic_error& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Component does not exist. Typename: ", 0), 0u);
    }
    EXPECT_EQ(mission().getState(), MissionState::NOT_STARTED);
    EXPECT_THROW(missions.beginMission(Mission_Demo_Kill_Some_Frogs::Id, worlds, nullptr), std::logic_error);
    EXPECT_EQ(mission().getState(), MissionState::NOT_STARTED);

    EXPECT_THROW(missions.fromJson({{"Mission_Demo_Kill_Some_Frogs", {{"_state", 2}, {"killedFrogs", 0}}}},
                                   worlds, &pacifist),
                 std::logic_error);
}

TEST_F(KillFrogsMissionTest, OnlyTheFirstEndExistsSoASaveWaitingForAnotherIsRefused) {
    for (const int pending : {4, 5}) {
        try {
            missions.fromJson({{"Mission_Demo_Kill_Some_Frogs", {{"_state", pending}, {"killedFrogs", 9}}}},
                              worlds, player.get());
            FAIL() << pending;
        } catch (const orv::JsonError& error) {
            EXPECT_EQ(std::string(error.what()), "Mission_Demo_Kill_Some_Frogs._state: this mission has no "
                                                 "ending from state " +
                                                     std::to_string(pending));
        }
    }
    missions.fromJson({{"Mission_Demo_Kill_Some_Frogs", {{"_state", 3}, {"killedFrogs", 9}}}}, worlds,
                      player.get());
    missions.endMission(Mission_Demo_Kill_Some_Frogs::Id, worlds, player.get());
    EXPECT_EQ(mission().getState(), MissionState::ENDED);
}

TEST_F(KillFrogsMissionTest, RecordNeedsTheCount) {
    missions.fromJson(nullptr, worlds, player.get());
    EXPECT_THROW(mission().fromJson({{"_state", 2}}), std::logic_error);
    EXPECT_EQ(mission().getState(), MissionState::NOT_STARTED);
    EXPECT_THROW(mission().fromJson({{"_state", 2}, {"killedFrogs", "three"}}), orv::JsonError);

    // A clone starts without progress and without the state.
    mission().fromJson({{"_state", 3}, {"killedFrogs", 7}});
    const auto copy = mission().clone();
    EXPECT_EQ(copy->getState(), MissionState::UNSET);
    EXPECT_EQ(static_cast<Mission_Demo_Kill_Some_Frogs&>(*copy).getKilledFrogs(), 0u);
}

} // namespace
