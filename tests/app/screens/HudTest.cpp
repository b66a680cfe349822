#include "app/screens/ActivePlayerGameStateUI.hpp"
#include "app/screens/support/InputRig.hpp"
#include "ui/EditBox.hpp"

#include <gtest/gtest.h>

namespace {

using tarsk::ActivePlayerGameStateUI;

class HudTest : public ::testing::Test {
protected:
    HudTest() { hud.init(); }
    ~HudTest() override { hud.close(); }

    void clickButton(const ui::Widget& button) { rig.click(screentest::centreOf(button)); }

    screentest::FakeScreenServices services;
    screentest::InputRig rig{services};
    ActivePlayerGameStateUI hud{services};
};

TEST_F(HudTest, HealthBarShowsWholePercentRoundedDown) {
    EXPECT_EQ(hud.getHealthBar()->getValue(), 100u);
    services.health->changeHealth(-65.f);
    EXPECT_EQ(hud.getHealthBar()->getValue(), 35u);
    services.health->changeHealth(64.9f);
    EXPECT_EQ(hud.getHealthBar()->getValue(), 99u);
    services.health->changeHealth(-500.f);
    EXPECT_EQ(hud.getHealthBar()->getValue(), 0u);
}

TEST_F(HudTest, ExperienceAndLevelFollowTheKills) {
    EXPECT_EQ(hud.getLevelLabel()->getText(), "Lvl. 1");
    EXPECT_EQ(hud.getXpBar()->getMaximum(), 20u);
    EXPECT_EQ(hud.getXpBar()->getValue(), 0u);

    services.kill(15);
    EXPECT_EQ(hud.getXpBar()->getValue(), 15u);
    EXPECT_EQ(hud.getLevelLabel()->getText(), "Lvl. 1");

    services.kill(10);
    ASSERT_EQ(services.level->getLevel(), 2);
    EXPECT_EQ(hud.getLevelLabel()->getText(), "Lvl. 2");
    EXPECT_EQ(hud.getXpBar()->getMaximum(), 80u);

    services.kill(1);
    EXPECT_EQ(hud.getXpBar()->getMaximum(), 80u);
    EXPECT_EQ(hud.getXpBar()->getValue(), static_cast<unsigned>(services.level->getXp()));
}

TEST_F(HudTest, StatsAtTheBottomLeftAndButtonsAtTheBottomRight) {
    const auto stats = hud.getStatsGroup();
    ASSERT_TRUE(services.guiHas(stats));
    EXPECT_EQ(stats->getPosition(), sf::Vector2f(20, 680));
    EXPECT_EQ(stats->getSize(), sf::Vector2f(550, 20));
    EXPECT_EQ(hud.getXpBar()->getFillDirection(), ui::ProgressBar::FillDirection::BottomToTop);
    EXPECT_EQ(hud.getHealthBar()->getRenderer()->getFillColor(), sf::Color::Red);
    EXPECT_EQ(hud.getLevelLabel()->getTextSize(), 16u);

    const auto buttons = hud.getButtonGroup();
    ASSERT_TRUE(services.guiHas(buttons));
    EXPECT_EQ(buttons->getPosition(), sf::Vector2f(1030, 650));
    EXPECT_EQ(hud.getMapButton()->getText(), "map");
    EXPECT_EQ(hud.getOptionsButton()->getPosition(), sf::Vector2f(180, 0));
    EXPECT_FALSE(hud.getMapButton()->isEnabled());
    EXPECT_TRUE(hud.getQuestButton()->isEnabled());
}

TEST_F(HudTest, KeyAndButtonOfAScreenShareOneToggle) {
    rig.pressKey(sf::Keyboard::I);
    ASSERT_NE(hud.getInventoryView(), nullptr);
    rig.pressKey(sf::Keyboard::I);
    EXPECT_EQ(hud.getInventoryView(), nullptr);

    rig.pressKey(sf::Keyboard::I);
    ASSERT_NE(hud.getInventoryView(), nullptr);
    clickButton(*hud.getInventoryButton());
    EXPECT_EQ(hud.getInventoryView(), nullptr);

    clickButton(*hud.getQuestButton());
    ASSERT_NE(hud.getQuestLog(), nullptr);
    rig.pressKey(sf::Keyboard::J);
    EXPECT_EQ(hud.getQuestLog(), nullptr);

    clickButton(*hud.getOptionsButton());
    ASSERT_NE(hud.getIngameMenu(), nullptr);
    clickButton(*hud.getOptionsButton());
    EXPECT_EQ(hud.getIngameMenu(), nullptr);
}

TEST_F(HudTest, AScreenClosedByItselfCanBeOpenedAgain) {
    rig.pressKey(sf::Keyboard::J);
    ASSERT_NE(hud.getQuestLog(), nullptr);
    hud.getQuestLog()->getWindow()->close();
    EXPECT_EQ(hud.getQuestLog(), nullptr);
    hud.update();
    rig.pressKey(sf::Keyboard::J);
    EXPECT_NE(hud.getQuestLog(), nullptr);
}

TEST_F(HudTest, DisabledMapButtonAndTypingLeaveTheScreensAlone) {
    clickButton(*hud.getMapButton());
    EXPECT_EQ(hud.getSubStates().size(), 2u);

    auto field = ui::EditBox::create();
    services.gui.add(field);
    field->setFocused(true);
    rig.pressKey(sf::Keyboard::I);
    rig.pressKey(sf::Keyboard::J);
    EXPECT_EQ(hud.getInventoryView(), nullptr);
    EXPECT_EQ(hud.getQuestLog(), nullptr);
    services.gui.remove(field);
}

TEST_F(HudTest, ControlStatesRunUnderTheHudInOrderAndEndWithIt) {
    EXPECT_EQ(services.controlLog, (std::vector<std::string>{"controller init", "selection init"}));
    hud.update();
    EXPECT_EQ(services.controlLog.at(2), "controller update");
    EXPECT_EQ(services.controlLog.at(3), "selection update");

    rig.pressKey(sf::Keyboard::I);
    const auto stats = hud.getStatsGroup();
    const auto window = hud.getInventoryView()->getWindow();
    hud.close();
    EXPECT_EQ(services.controlLog.at(4), "controller destroy");
    EXPECT_EQ(services.controlLog.at(5), "selection destroy");
    EXPECT_FALSE(services.guiHas(stats));
    EXPECT_FALSE(services.guiHas(window));
    EXPECT_TRUE(services.gui.getWidgets().empty());

    // Nothing reaches a HUD that is gone.
    services.health->changeHealth(-10.f);
    rig.pressKey(sf::Keyboard::I);
    EXPECT_EQ(hud.getInventoryView(), nullptr);
}

TEST(HudSetupTest, APlayerWithoutHealthIsRefused) {
    screentest::FakeScreenServices services;
    orv::Entity bare;
    services.shownPlayer = &bare;
    screentest::InputRig rig(services);
    ActivePlayerGameStateUI hud(services);
    try {
        hud.init();
        FAIL() << "the HUD came up without health";
    } catch (const std::logic_error& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Component does not exist. Typename: ", 0), 0u);
    }
    hud.close();
}

} // namespace
