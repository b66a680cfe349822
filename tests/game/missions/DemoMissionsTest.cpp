#include "MissionTestSupport.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/items/Item.hpp"
#include "game/missions/MissionDataManager.hpp"
#include "game/missions/MissionManager.hpp"
#include "game/missions/Mission_Demo_Collect_Wood.hpp"
#include "game/missions/Mission_Demo_Kill_Some_Frogs.hpp"
#include "game/missions/Mission_Retrieve_Dungeon_Artifact.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using tarsk::MissionState;

namespace {

const std::string Kill = "Mission_Demo_Kill_Some_Frogs";
const std::string Wood = "Mission_Demo_Collect_Some_Wood";
const std::string Artifact = "Mission_Retrieve_Dungeon_Artifact";

class CarriedItem : public tarsk::Item {
public:
    CarriedItem(std::string id, std::string name) : id(std::move(id)), name(std::move(name)) {}
    const std::string& getId() const override { return id; }
    const std::string& getName() const override { return name; }
    const sf::Texture* getIconTexture() const override { return nullptr; }
    const std::string& getIconPath() const override { return name; }
    const nlohmann::json* getProperties() const override { return nullptr; }

private:
    std::string id;
    std::string name;
};

class DemoMissionsTest : public ::testing::Test {
protected:
    DemoMissionsTest() : missions(prototypes) {
        player.addComponent<tarsk::HealthComponent>(100.f, 100.f);
        player.addComponent<tarsk::FighterComponent>(0u, std::vector<std::string>{},
                                                     std::vector<std::string>{});
        inventory = &player.addComponent<tarsk::InventoryComponent>()->getInventory();
        player.init();
    }

    void carry(const std::string& id, int count, const std::string& name = "") {
        for (int i = 0; i < count; ++i)
            inventory->addItem(std::make_unique<CarriedItem>(id, name.empty() ? id : name));
    }

    void load(const nlohmann::json& data) { missions.fromJson(data, worlds, &player); }
    void frame() { missions.update(worlds, &player); }
    MissionState state(const std::string& id) const { return missions.findMission(id)->getState(); }

    tarsk::MissionDataManager prototypes;
    tarsk::MissionManager missions;
    orv::WorldManager worlds{0};
    orv::Entity player;
    tarsk::Inventory* inventory = nullptr;
};

TEST_F(DemoMissionsTest, TheGameHasThreeMissionsThatWaitForTheDialogue) {
    std::vector<std::string> ids;
    for (const auto& prototype : prototypes.getPrototypes())
        ids.push_back(prototype->getId());
    EXPECT_EQ(ids, (std::vector<std::string>{Kill, Wood, Artifact}));

    load(nullptr);
    for (const std::string& id : ids)
        EXPECT_EQ(state(id), MissionState::NOT_STARTED) << id;
    EXPECT_TRUE(missions.getActiveMissions().empty());
    EXPECT_EQ(missions.toJson(), (nlohmann::json{{Kill, {{"_state", 1}, {"killedFrogs", 0}}},
                                                 {Wood, {{"_state", 1}}},
                                                 {Artifact, {{"_state", 1}}}}));
}

TEST_F(DemoMissionsTest, FiveWoodItemsReachTheWoodGoalAndStayCarried) {
    load({{Wood, {{"_state", 2}}}});
    carry("WOOD", 4);
    carry("STICK", 2, "WOOD");
    frame();
    EXPECT_EQ(state(Wood), MissionState::RUNNING);

    carry("WOOD", 1);
    frame();
    EXPECT_EQ(state(Wood), MissionState::END_A_PENDING);

    // Dropping wood after the goal changes nothing any more.
    inventory->removeItem(inventory->findItemById("WOOD"));
    frame();
    EXPECT_EQ(state(Wood), MissionState::END_A_PENDING);

    missions.endMission(Wood, worlds, &player);
    EXPECT_EQ(state(Wood), MissionState::ENDED);
    EXPECT_EQ(inventory->countItemsById("WOOD"), 4);
}

TEST_F(DemoMissionsTest, CarryingTheArtifactReachesItsGoal) {
    load({{Artifact, {{"_state", 2}}}});
    carry("ARTIFACT", 1, "MYTHICAL_ARTIFACT");
    frame();
    EXPECT_EQ(state(Artifact), MissionState::RUNNING);
    carry("MYTHICAL_ARTIFACT", 1);
    frame();
    EXPECT_EQ(state(Artifact), MissionState::END_A_PENDING);
    EXPECT_EQ(missions.toJson()[Artifact], (nlohmann::json{{"_state", 3}}));

    // Every way of ending it is a plain end.
    load({{Artifact, {{"_state", 4}}}});
    missions.endMission(Artifact, worlds, &player);
    EXPECT_EQ(state(Artifact), MissionState::ENDED);
}

TEST_F(DemoMissionsTest, EndedMissionsAreCompletedAndCannotEndAgain) {
    load({{Kill, {{"_state", 6}, {"killedFrogs", 5}}}});
    ASSERT_EQ(missions.getCompletedMissions().size(), 1u);
    EXPECT_EQ(missions.getCompletedMissions()[0]->getId(), Kill);
    try {
        missions.endMission(Kill, worlds, &player);
        FAIL();
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "mission cannot be ended, if it is not in state: [...]_PENDING");
    }
}

TEST(DemoMissionsWithoutInventoryTest, ItemMissionsNeedThePlayersInventory) {
    tarsk::MissionDataManager prototypes;
    tarsk::MissionManager missions(prototypes);
    orv::WorldManager worlds(0);
    orv::Entity player;
    player.init();
    for (const std::string& id : {Wood, Artifact}) {
        missions.fromJson({{id, {{"_state", 2}}}}, worlds, &player);
        try {
            missions.update(worlds, &player);
            FAIL() << id;
        } catch (const std::logic_error& error) {
            EXPECT_EQ(std::string(error.what()).rfind("Component does not exist. Typename: ", 0), 0u);
        }
        EXPECT_EQ(missions.findMission(id)->getState(), MissionState::RUNNING);
    }
}

} // namespace
