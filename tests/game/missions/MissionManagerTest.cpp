#include "MissionTestSupport.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "game/missions/Mission.hpp"
#include "game/missions/MissionDataManager.hpp"
#include "game/missions/MissionManager.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using tarsk::Mission;
using tarsk::MissionDataManager;
using tarsk::MissionManager;
using tarsk::MissionState;

namespace {

// What the missions of one test did, in order, as "<id>:<hook>".
using Log = std::vector<std::string>;

// A mission whose goal is whatever the test says; it notes every hook it runs.
class ScriptedMission : public Mission {
public:
    ScriptedMission(std::string id, bool autoBegin, bool autoEnd, Log& log, MissionState& goal)
        : Mission(id, autoBegin, autoEnd, id + " name", id + " description"), log(log), goal(goal) {}

    void onInit(const orv::WorldManager&, const orv::Entity*) override { note("init"); }
    void onEnd() override { note("end"); }
    nlohmann::json writeData() const override { return {{"extra", extra}}; }
    void readData(const nlohmann::json& record) override { extra = record.at("extra").get<int>(); }
    void onBegin(const orv::WorldManager&, const orv::Entity*) override { note("begin"); }
    MissionState checkProgress(const orv::WorldManager&, const orv::Entity*) override {
        note("check");
        return goal;
    }
    void onEndA(MissionManager&, const orv::WorldManager&, const orv::Entity*) override { note("A"); }
    void onEndB(MissionManager&, const orv::WorldManager&, const orv::Entity*) override { note("B"); }
    void onEndC(MissionManager&, const orv::WorldManager&, const orv::Entity*) override {
        throw std::runtime_error("C refused");
    }
    std::unique_ptr<Mission> clone() const override {
        return std::make_unique<ScriptedMission>(getId(), isAutoBegin(), isAutoEnd(), log, goal);
    }

    int extra = 0;

private:
    void note(const std::string& hook) { log.push_back(getId() + ":" + hook); }

    Log& log;
    MissionState& goal;
};

class MissionManagerTest : public ::testing::Test {
protected:
    MissionManagerTest() : prototypes(makePrototypes()), missions(prototypes) {}

    MissionDataManager::Prototypes makePrototypes() {
        MissionDataManager::Prototypes list;
        list.push_back(std::make_unique<ScriptedMission>("first", false, false, log, firstGoal));
        list.push_back(std::make_unique<ScriptedMission>("auto", true, true, log, autoGoal));
        list.push_back(std::make_unique<ScriptedMission>("last", false, false, log, lastGoal));
        return list;
    }

    void load(const nlohmann::json& data) {
        missions.fromJson(data, worlds, &player);
        log.clear();
    }

    MissionState state(const std::string& id) const { return missions.findMission(id)->getState(); }

    static std::vector<std::string> ids(const std::vector<Mission*>& list) {
        std::vector<std::string> result;
        for (const Mission* mission : list)
            result.push_back(mission->getId());
        return result;
    }

    template <class F>
    static std::string errorOf(F&& call) {
        try {
            call();
        } catch (const std::exception& error) {
            return error.what();
        }
        return "";
    }

    Log log;
    MissionState firstGoal = MissionState::RUNNING;
    MissionState autoGoal = MissionState::RUNNING;
    MissionState lastGoal = MissionState::RUNNING;
    MissionDataManager prototypes;
    MissionManager missions;
    orv::WorldManager worlds{0};
    orv::Entity player;
};

TEST_F(MissionManagerTest, LoadingWithoutRecordsRestoresEveryCloneAndBeginsTheAutomaticOnes) {
    EXPECT_EQ(missions.findMission("first"), nullptr);
    missions.fromJson(nullptr, worlds, &player);

    ASSERT_EQ(missions.getMissions().size(), 3u);
    EXPECT_EQ(state("first"), MissionState::NOT_STARTED);
    EXPECT_EQ(state("auto"), MissionState::RUNNING);
    EXPECT_EQ(state("last"), MissionState::NOT_STARTED);
    EXPECT_EQ(log, (Log{"auto:init", "auto:begin"}));
    // The prototypes stay as they were made.
    for (const auto& prototype : prototypes.getPrototypes())
        EXPECT_EQ(prototype->getState(), MissionState::UNSET);

    EXPECT_EQ(missions.toJson(), (nlohmann::json{{"first", {{"_state", 1}, {"extra", 0}}},
                                                 {"auto", {{"_state", 2}, {"extra", 0}}},
                                                 {"last", {{"_state", 1}, {"extra", 0}}}}));
}

TEST_F(MissionManagerTest, RecordsRestoreStatesAndReconnectRunningMissions) {
    missions.fromJson({{"first", {{"_state", 2}, {"extra", 4}}},
                       {"auto", {{"_state", 6}, {"extra", 1}}},
                       {"unknown", {{"_state", 3}, {"extra", 1}}}},
                      worlds, &player);

    EXPECT_EQ(state("first"), MissionState::RUNNING);
    EXPECT_EQ(static_cast<ScriptedMission*>(missions.findMission("first"))->extra, 4);
    EXPECT_EQ(state("auto"), MissionState::ENDED);
    EXPECT_EQ(state("last"), MissionState::NOT_STARTED);
    // Only the running one reconnects; an ended automatic mission is not begun again.
    EXPECT_EQ(log, (Log{"first:init"}));
    EXPECT_EQ(ids(missions.getActiveMissions()), (std::vector<std::string>{"first"}));
    EXPECT_EQ(ids(missions.getCompletedMissions()), (std::vector<std::string>{"auto"}));
}

TEST_F(MissionManagerTest, LoadingAgainStartsFromFreshClones) {
    load({{"first", {{"_state", 6}, {"extra", 4}}}});
    Mission* before = missions.findMission("first");
    load(nullptr);
    EXPECT_NE(missions.findMission("first"), before);
    EXPECT_EQ(state("first"), MissionState::NOT_STARTED);
    EXPECT_EQ(static_cast<ScriptedMission*>(missions.findMission("first"))->extra, 0);
}

TEST_F(MissionManagerTest, BadRecordsAreRefusedAndEarlierMissionsKeepWhatTheyRead) {
    try {
        missions.fromJson({{"first", {{"_state", 3}, {"extra", 1}}}, {"auto", "running"}}, worlds, &player);
        FAIL() << "a record must be an object";
    } catch (const nlohmann::json::type_error& error) {
        EXPECT_EQ(error.id, 305);
    }
    EXPECT_EQ(state("first"), MissionState::END_A_PENDING);

    EXPECT_EQ(errorOf([&] {
                  missions.fromJson({{"last", {{"extra", 1}}}}, worlds, &player);
              }),
              "last._state: json does not contain required value");
    EXPECT_EQ(state("last"), MissionState::UNSET);
    EXPECT_THROW(missions.fromJson({{"last", {{"_state", "two"}, {"extra", 1}}}}, worlds, &player),
                 orv::JsonError);
}

TEST_F(MissionManagerTest, BeginningNeedsAMissionThatHasNotStarted) {
    load(nullptr);
    missions.beginMission("first", worlds, &player);
    EXPECT_EQ(state("first"), MissionState::RUNNING);
    EXPECT_EQ(log, (Log{"first:init", "first:begin"}));

    EXPECT_EQ(errorOf([&] { missions.beginMission("first", worlds, &player); }),
              "mission cannot be begun, if it is not in state: NOT_STARTED");
    EXPECT_EQ(errorOf([&] { missions.beginMission("First", worlds, &player); }), "mission id not found");
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(MissionManagerTest, MissionItselfRefusesToBeginTwice) {
    load(nullptr);
    Mission* first = missions.findMission("first");
    first->begin(worlds, &player);
    EXPECT_EQ(errorOf([&] { first->begin(worlds, &player); }), "cannot start running mission");
}

TEST_F(MissionManagerTest, UpdateChecksRunningMissionsOnlyAndEndsTheAutomaticOnes) {
    load(nullptr);
    missions.update(worlds, &player);
    EXPECT_EQ(log, (Log{"auto:check"}));

    log.clear();
    missions.beginMission("first", worlds, &player);
    firstGoal = MissionState::END_B_PENDING;
    autoGoal = MissionState::END_B_PENDING;
    log.clear();
    missions.update(worlds, &player);
    EXPECT_EQ(log, (Log{"first:check", "auto:check", "auto:B", "auto:end"}));
    EXPECT_EQ(state("first"), MissionState::END_B_PENDING);
    EXPECT_EQ(state("auto"), MissionState::ENDED);

    // Once pending a mission is no longer checked: it stays pending whatever the game does.
    firstGoal = MissionState::RUNNING;
    log.clear();
    missions.update(worlds, &player);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(ids(missions.getActiveMissions()), (std::vector<std::string>{"first"}));
}

TEST_F(MissionManagerTest, EndingRunsTheHandlerOfThePendingStateThenEnds) {
    load({{"first", {{"_state", 3}, {"extra", 0}}},
          {"auto", {{"_state", 5}, {"extra", 0}}},
          {"last", {{"_state", 4}, {"extra", 0}}}});

    missions.endMission("first", worlds, &player);
    missions.endMission("last", worlds, &player);
    EXPECT_EQ(log, (Log{"first:A", "first:end", "last:B", "last:end"}));
    EXPECT_EQ(ids(missions.getCompletedMissions()), (std::vector<std::string>{"first", "last"}));

    // A handler that fails leaves the mission pending.
    EXPECT_EQ(errorOf([&] { missions.endMission("auto", worlds, &player); }), "C refused");
    EXPECT_EQ(state("auto"), MissionState::END_C_PENDING);

    EXPECT_EQ(errorOf([&] { missions.endMission("first", worlds, &player); }),
              "mission cannot be ended, if it is not in state: [...]_PENDING");
    EXPECT_EQ(errorOf([&] { missions.endMission("none", worlds, &player); }), "mission id not found");
}

TEST_F(MissionManagerTest, SavedNumbersOfNoStateAreRefusedNamingTheMission) {
    load({{"last", {{"_state", 0}, {"extra", 0}}}});
    EXPECT_EQ(state("last"), MissionState::NOT_STARTED);
    for (const int bad : {42, 7, -1})
        EXPECT_EQ(errorOf([&] {
                      load({{"first", {{"_state", bad}, {"extra", 0}}}});
                  }),
                  "first._state: no mission state " + std::to_string(bad));
}

} // namespace
