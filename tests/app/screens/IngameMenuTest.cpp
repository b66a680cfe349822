#include "app/screens/ActivePlayerIngameMenuGameState.hpp"
#include "app/screens/support/InputRig.hpp"
#include "ui/Button.hpp"

#include <gtest/gtest.h>

namespace {

using tarsk::ActivePlayerIngameMenuGameState;

class IngameMenuTest : public ::testing::Test {
protected:
    IngameMenuTest() { menu.init(); }
    ~IngameMenuTest() override { menu.close(); }

    void leftPress(sf::Vector2f at) {
        const sf::Vector2i pixel(static_cast<int>(at.x), static_cast<int>(at.y));
        rig.button(sf::Event::MouseButtonPressed, sf::Mouse::Left, pixel);
        rig.button(sf::Event::MouseButtonReleased, sf::Mouse::Left, pixel);
    }

    screentest::FakeScreenServices services;
    screentest::InputRig rig{services};
    ActivePlayerIngameMenuGameState menu{services};
};

TEST_F(IngameMenuTest, ShowsTheControlsCentredAndReadOnly) {
    const auto box = menu.getTextBox();
    ASSERT_TRUE(services.guiHas(box));
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->getSize(), sf::Vector2f(400, 260));
    EXPECT_EQ(box->getPosition(), sf::Vector2f(440, 230));
    EXPECT_EQ(box->getText().substr(0, 10), "Controls:\n");
    EXPECT_NE(box->getText().find("\nJ: Quest Journal\n\nF5: Save the game\n"), std::string::npos);
    const std::string last = "\n\nClick in world to close this window.";
    EXPECT_EQ(box->getText().substr(box->getText().size() - last.size()), last);
}

TEST_F(IngameMenuTest, ClicksOnWidgetsKeepItOpenAndAClickIntoTheWorldClosesIt) {
    auto hudButton = ui::Button::create("options");
    hudButton->setPosition(1000, 650);
    hudButton->setSize(50, 50);
    services.gui.add(hudButton);

    leftPress(screentest::centreOf(*menu.getTextBox()));
    leftPress(screentest::centreOf(*hudButton));
    EXPECT_FALSE(menu.isClosed());

    rig.button(sf::Event::MouseButtonPressed, sf::Mouse::Right, {100, 100});
    EXPECT_FALSE(menu.isClosed()) << "only the left button closes";

    const auto box = menu.getTextBox();
    leftPress({100, 100});
    EXPECT_TRUE(menu.isClosed());
    EXPECT_FALSE(services.guiHas(box));
    services.gui.remove(hudButton);
}

} // namespace
