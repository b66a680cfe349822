#include "app/screens/ActivePlayerQuestLogGameState.hpp"
#include "app/screens/support/FakeScreenServices.hpp"
#include "game/missions/Mission.hpp"
#include "ui/Label.hpp"
#include "ui/VerticalLayout.hpp"

#include <gtest/gtest.h>

namespace {

using tarsk::ActivePlayerQuestLogGameState;
using tarsk::MissionState;

// A mission whose state comes only from the saved records the test loads.
class StoredMission final : public tarsk::Mission {
public:
    StoredMission(const std::string& id, const std::string& name, const std::string& description)
        : Mission(id, false, false, name, description) {}
    void onInit(const orv::WorldManager&, const orv::Entity*) override {}
    void onEnd() override {}
    nlohmann::json writeData() const override { return nlohmann::json::object(); }
    void readData(const nlohmann::json&) override {}
    void onBegin(const orv::WorldManager&, const orv::Entity*) override {}
    MissionState checkProgress(const orv::WorldManager&, const orv::Entity*) override { return getState(); }
    void onEndA(tarsk::MissionManager&, const orv::WorldManager&, const orv::Entity*) override {}
    void onEndB(tarsk::MissionManager&, const orv::WorldManager&, const orv::Entity*) override {}
    void onEndC(tarsk::MissionManager&, const orv::WorldManager&, const orv::Entity*) override {}
    std::unique_ptr<Mission> clone() const override {
        return std::make_unique<StoredMission>(getId(), getName(), getDescription());
    }
};

tarsk::MissionDataManager::Prototypes fourMissions() {
    tarsk::MissionDataManager::Prototypes list;
    list.push_back(std::make_unique<StoredMission>("wood", "Collect Wood", "Bring five logs."));
    list.push_back(std::make_unique<StoredMission>("frogs", "Kill Frogs", "Thin out the frogs."));
    list.push_back(std::make_unique<StoredMission>("artifact", "Artifact", "Find it below."));
    list.push_back(std::make_unique<StoredMission>("later", "Later", "Not yet."));
    return list;
}

std::vector<std::string> labelTexts(const ui::Group& details) {
    std::vector<std::string> texts;
    for (const auto& column : details.getWidgets()) {
        for (const auto& widget : std::dynamic_pointer_cast<ui::Container>(column)->getWidgets())
            texts.push_back(std::dynamic_pointer_cast<ui::Label>(widget)->getText());
    }
    return texts;
}

class QuestLogTest : public ::testing::Test {
protected:
    QuestLogTest() : services(fourMissions()) {}

    void load(const nlohmann::json& records) {
        services.missions.fromJson(records, services.worlds, &services.player);
    }

    ActivePlayerQuestLogGameState& open() {
        log = std::make_unique<ActivePlayerQuestLogGameState>(services);
        log->init();
        return *log;
    }

    screentest::FakeScreenServices services;
    std::unique_ptr<ActivePlayerQuestLogGameState> log;
};

TEST_F(QuestLogTest, TabsListRunningAndPendingAsActiveAndEndedAsCompleted) {
    load({{"wood", {{"_state", 2}}},
          {"frogs", {{"_state", 4}}},
          {"artifact", {{"_state", 6}}},
          {"later", {{"_state", 1}}}});
    auto& screen = open();

    EXPECT_EQ(screen.getTabs()->getSelectedIndex(), 0);
    EXPECT_EQ(screen.getMissionList()->getItemIds(), (std::vector<std::string>{"wood", "frogs"}));
    EXPECT_EQ(screen.getMissionList()->getItems(), (std::vector<std::string>{"wood", "frogs"}));

    screen.getTabs()->select(std::size_t{1});
    EXPECT_EQ(screen.getMissionList()->getItemIds(), (std::vector<std::string>{"artifact"}));
    screen.getTabs()->select(std::size_t{0});
    EXPECT_EQ(screen.getMissionList()->getItemIds(), (std::vector<std::string>{"wood", "frogs"}));
}

TEST_F(QuestLogTest, WithoutMissionsBothTabsAndTheDetailsAreEmpty) {
    auto& screen = open();
    EXPECT_EQ(screen.getMissionList()->getItemCount(), 0u);
    screen.getTabs()->select(std::size_t{1});
    EXPECT_EQ(screen.getMissionList()->getItemCount(), 0u);
    EXPECT_TRUE(screen.getDetails()->getWidgets().empty());
}

TEST_F(QuestLogTest, SelectingARowShowsNameDescriptionAndIdAndSwitchingTabsClearsThem) {
    load({{"wood", {{"_state", 2}}}, {"frogs", {{"_state", 3}}}});
    auto& screen = open();

    screen.getMissionList()->setSelectedItemById("frogs");
    EXPECT_EQ(labelTexts(*screen.getDetails()),
              (std::vector<std::string>{"Kill Frogs", "Thin out the frogs.", "frogs"}));

    screen.getTabs()->select(std::size_t{1});
    EXPECT_TRUE(screen.getDetails()->getWidgets().empty());
}

TEST_F(QuestLogTest, TheListIsReadWhenATabIsSelectedNotKeptLive) {
    load({{"wood", {{"_state", 3}}}});
    auto& screen = open();
    services.missions.endMission("wood", services.worlds, &services.player);

    EXPECT_EQ(screen.getMissionList()->getItemIds(), (std::vector<std::string>{"wood"}));
    screen.getTabs()->select(std::size_t{1});
    EXPECT_EQ(screen.getMissionList()->getItemIds(), (std::vector<std::string>{"wood"}));
    screen.getTabs()->select(std::size_t{0});
    EXPECT_EQ(screen.getMissionList()->getItemCount(), 0u);
}

TEST_F(QuestLogTest, WindowSitsTopLeftAndItsCloseButtonClosesTheScreenAndRemovesIt) {
    auto& screen = open();
    const auto window = screen.getWindow();
    ASSERT_TRUE(services.guiHas(window));
    EXPECT_EQ(window->getTitle(), "Quest Log");
    EXPECT_EQ(window->getPosition(), sf::Vector2f(0, 0));
    EXPECT_EQ(window->getSize(), sf::Vector2f(700, 500));

    window->close();
    EXPECT_TRUE(screen.isClosed());
    EXPECT_FALSE(services.guiHas(window));
}

TEST(QuestLogGameMissionsTest, ShowsTheShippedWoodMission) {
    tarsk::MissionDataManager::Prototypes shipped;
    const tarsk::MissionDataManager game;
    nlohmann::json records = nlohmann::json::object();
    for (const auto& prototype : game.getPrototypes()) {
        shipped.push_back(prototype->clone());
        records[prototype->getId()] = prototype->toJson();
        records[prototype->getId()]["_state"] = 6;
    }
    screentest::FakeScreenServices services(std::move(shipped));
    services.missions.fromJson(records, services.worlds, &services.player);

    ActivePlayerQuestLogGameState screen(services);
    screen.init();
    screen.getTabs()->select(std::size_t{1});
    ASSERT_TRUE(screen.getMissionList()->setSelectedItemById("Mission_Demo_Collect_Some_Wood"));
    const auto texts = labelTexts(*screen.getDetails());
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "Demo: Collect Wood");
    EXPECT_EQ(texts[2], "Mission_Demo_Collect_Some_Wood");
    screen.close();
}

} // namespace
