#include "app/screens/ActivePlayerFightBarGameState.hpp"
#include "app/screens/ActivePlayerFightBarGameStateUI.hpp"
#include "app/screens/support/InputRig.hpp"
#include "game/combat/Attack.hpp"
#include "ui/EditBox.hpp"

#include <array>
#include <set>

#include <gtest/gtest.h>

namespace {

using tarsk::ActivePlayerFightBarGameState;

class FightBarTest : public ::testing::Test {
protected:
    FightBarTest() {
        services.fighter->attackRequested.connect([this](tarsk::Attack* attack) {
            requested.push_back(attack);
            // As the fighter system does once the blow is dealt.
            attack->updateCooldown(-attack->getSinceLastUse());
        });
        bar.init();
    }
    ~FightBarTest() override { bar.close(); }

    // One frame of the given length.
    void frame(sf::Time time) {
        services.frameTime = time;
        bar.update();
    }
    tarsk::Attack* punch() const { return bar.getAttack(ActivePlayerFightBarGameState::punchSlot); }
    tarsk::Attack* swing() const { return bar.getAttack(ActivePlayerFightBarGameState::swingSlot); }
    const ui::Button& slotButton(std::size_t index) const { return *bar.getUI()->getButton(index); }

    screentest::FakeScreenServices services;
    screentest::InputRig rig{services};
    ActivePlayerFightBarGameState bar{services};
    std::vector<tarsk::Attack*> requested;
};

TEST_F(FightBarTest, SevenSlotsOfTheirOwnWithPunchAndSwingWhereTheKeysLookForThem) {
    std::set<tarsk::Attack*> distinct;
    for (std::size_t slot = 0; slot < ActivePlayerFightBarGameState::slotCount; ++slot) {
        ASSERT_NE(bar.getAttack(slot), nullptr) << slot;
        distinct.insert(bar.getAttack(slot));
    }
    EXPECT_EQ(distinct.size(), 7u);
    EXPECT_EQ(punch()->getCooldown(), sf::milliseconds(200));
    EXPECT_EQ(swing()->getCooldown(), sf::seconds(2));
    EXPECT_EQ(slotButton(0).getText(), swing()->getName());
    for (std::size_t index = 1; index < 5; ++index)
        EXPECT_EQ(slotButton(index).getText(), "-");
}

TEST_F(FightBarTest, CooldownsRunOnTheFrameTimeForEverySlot) {
    frame(sf::milliseconds(150));
    frame(sf::milliseconds(60));
    for (std::size_t slot = 0; slot < ActivePlayerFightBarGameState::slotCount; ++slot)
        EXPECT_EQ(bar.getAttack(slot)->getSinceLastUse(), sf::milliseconds(210)) << slot;
}

TEST_F(FightBarTest, SpacePunchesWhenReadyAndNotAgainWithinTheCooldown) {
    rig.pressKey(sf::Keyboard::Space);
    EXPECT_TRUE(requested.empty()) << "a fresh punch is still cooling down";

    frame(sf::milliseconds(200));
    rig.pressKey(sf::Keyboard::Space);
    ASSERT_EQ(requested.size(), 1u);
    EXPECT_EQ(requested[0], punch());

    frame(sf::milliseconds(100));
    rig.pressKey(sf::Keyboard::Space);
    EXPECT_EQ(requested.size(), 1u);
}

TEST_F(FightBarTest, RightButtonSwingsAndNeverFallsBackToThePunch) {
    frame(sf::milliseconds(500));
    rig.button(sf::Event::MouseButtonPressed, sf::Mouse::Right, {600, 300});
    rig.pressKey(sf::Keyboard::Space);
    EXPECT_TRUE(requested.empty()) << "the swing is not ready, the punch is";

    frame(sf::milliseconds(1500));
    rig.pressKey(sf::Keyboard::Space);
    ASSERT_EQ(requested.size(), 1u);
    EXPECT_EQ(requested[0], swing());

    rig.button(sf::Event::MouseButtonReleased, sf::Mouse::Right, {600, 300});
    rig.pressKey(sf::Keyboard::Space);
    ASSERT_EQ(requested.size(), 2u);
    EXPECT_EQ(requested[1], punch());
}

TEST_F(FightBarTest, FirstSlotButtonShowsWhetherTheSwingIsReady) {
    frame(sf::milliseconds(16));
    EXPECT_FALSE(slotButton(0).isEnabled());
    frame(sf::seconds(2));
    EXPECT_TRUE(slotButton(0).isEnabled());
    for (std::size_t index = 1; index < 5; ++index)
        EXPECT_FALSE(slotButton(index).isEnabled());

    rig.button(sf::Event::MouseButtonPressed, sf::Mouse::Right, {600, 300});
    rig.pressKey(sf::Keyboard::Space);
    frame(sf::milliseconds(16));
    EXPECT_FALSE(slotButton(0).isEnabled());
}

TEST_F(FightBarTest, SpaceTypedIntoATextFieldDoesNotAttack) {
    frame(sf::seconds(3));
    auto field = ui::EditBox::create();
    services.gui.add(field);
    field->setFocused(true);
    rig.pressKey(sf::Keyboard::Space);
    EXPECT_TRUE(requested.empty());
    services.gui.remove(field);
}

TEST_F(FightBarTest, BarSitsAtTheBottomCentreAndLeavesWithTheState) {
    const auto group = bar.getUI()->getBar();
    ASSERT_TRUE(services.guiHas(group));
    EXPECT_EQ(group->getSize(), sf::Vector2f(310, 50));
    EXPECT_EQ(group->getPosition(), sf::Vector2f(485, 650));
    const std::array<float, 5> x = {0, 60, 120, 200, 260};
    for (std::size_t index = 0; index < 5; ++index)
        EXPECT_EQ(slotButton(index).getPosition(), sf::Vector2f(x[index], 0)) << index;

    frame(sf::seconds(1));
    bar.close();
    EXPECT_FALSE(services.guiHas(group));
    rig.pressKey(sf::Keyboard::Space);
    EXPECT_TRUE(requested.empty());
}

TEST(FightBarSetupTest, APlayerWhoCannotFightFailsOnTheFirstAttack) {
    screentest::FakeScreenServices services;
    orv::Entity bare;
    services.shownPlayer = &bare;
    screentest::InputRig rig(services);
    ActivePlayerFightBarGameState bar(services);
    bar.init();
    services.frameTime = sf::seconds(1);
    bar.update();
    EXPECT_THROW(rig.pressKey(sf::Keyboard::Space), std::logic_error);
    bar.close();
}

} // namespace
