#include "Events.hpp"

#include "ui/BitmapButton.hpp"
#include "ui/Button.hpp"
#include "ui/ChildWindow.hpp"
#include "ui/Gui.hpp"
#include "ui/Label.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using uitest::click;
using uitest::mouseMove;
using uitest::mousePress;
using uitest::mouseRelease;

struct UiClick : testing::Test {
    UiClick() { gui.setWindowSize({800, 600}); }
    ui::Gui gui;
};

TEST_F(UiClick, ButtonSignalsAClickWithItsLocalPosition) {
    auto button = ui::BitmapButton::create("invent");
    button->setPosition(120, 500);
    button->setSize(50, 50);
    gui.add(button);
    std::vector<std::string> events;
    button->onMousePress.connect(
        [&](sf::Vector2f p) { events.push_back("down " + std::to_string(int(p.x))); });
    button->onMouseRelease.connect(
        [&](sf::Vector2f p) { events.push_back("up " + std::to_string(int(p.y))); });
    button->onPress.connect([&] { events.push_back("press"); });
    button->onClick.connect([&](sf::Vector2f p) {
        events.push_back("click " + std::to_string(int(p.x)) + "," + std::to_string(int(p.y)));
    });
    click(gui, 130, 540);
    EXPECT_EQ(events, (std::vector<std::string>{"down 10", "up 40", "press", "click 10,40"}));
}

TEST_F(UiClick, PressAndReleaseMustBothBeOnTheButton) {
    auto first = ui::Button::create("first");
    first->setPosition(0, 0);
    first->setSize(100, 40);
    auto second = ui::Button::create("second");
    second->setPosition(200, 0);
    second->setSize(100, 40);
    gui.add(first);
    gui.add(second);
    int firstPresses = 0;
    int secondPresses = 0;
    first->onPress.connect([&] { ++firstPresses; });
    second->onPress.connect([&] { ++secondPresses; });

    // Down on one, up on the other: neither is clicked.
    gui.handleEvent(mousePress(10, 10));
    EXPECT_TRUE(first->isMouseDown());
    gui.handleEvent(mouseRelease(210, 10));
    EXPECT_FALSE(first->isMouseDown());
    EXPECT_EQ(firstPresses + secondPresses, 0);
    // Down outside, up on it: no click either.
    gui.handleEvent(mousePress(150, 10));
    gui.handleEvent(mouseRelease(10, 10));
    EXPECT_EQ(firstPresses, 0);
    // Down on it, wandering off and back before the release: a click.
    gui.handleEvent(mousePress(10, 10));
    gui.handleEvent(mouseMove(500, 500));
    gui.handleEvent(mouseMove(20, 20));
    gui.handleEvent(mouseRelease(20, 20));
    EXPECT_EQ(firstPresses, 1);
    // The right button clicks nothing.
    click(gui, 10, 10, sf::Mouse::Right);
    EXPECT_EQ(firstPresses, 1);
}

TEST_F(UiClick, HoverEntersAndLeavesTheWholeChain) {
    auto window = ui::ChildWindow::create();
    window->setPosition(100, 100);
    auto label = ui::Label::create("hover me");
    label->setPosition(10, 10);
    window->add(label);
    gui.add(window);
    std::vector<std::string> events;
    window->onMouseEnter.connect([&] { events.push_back("+window"); });
    window->onMouseLeave.connect([&] { events.push_back("-window"); });
    label->onMouseEnter.connect([&] { events.push_back("+label"); });
    label->onMouseLeave.connect([&] { events.push_back("-label"); });

    const sf::Vector2f at = label->getAbsolutePosition();
    gui.handleEvent(mouseMove(static_cast<int>(at.x) + 2, static_cast<int>(at.y) + 2));
    EXPECT_TRUE(label->isHovered());
    EXPECT_TRUE(window->isHovered());
    gui.handleEvent(mouseMove(static_cast<int>(at.x) + 3, static_cast<int>(at.y) + 3));
    gui.handleEvent(mouseMove(300, 300)); // still inside the window
    gui.handleEvent(mouseMove(700, 500));
    EXPECT_FALSE(window->isHovered());
    EXPECT_EQ(events, (std::vector<std::string>{"+window", "+label", "-label", "-window"}));
    // Leaving the window (the OS window) forgets the hover as well.
    gui.handleEvent(mouseMove(static_cast<int>(at.x) + 2, static_cast<int>(at.y) + 2));
    sf::Event left{};
    left.type = sf::Event::MouseLeft;
    gui.handleEvent(left);
    EXPECT_FALSE(label->isHovered());
}

TEST_F(UiClick, ChildWindowCloseButtonAnnouncesThenRemovesTheWindow) {
    auto window = ui::ChildWindow::create("Inventory");
    window->setPosition(100, 100);
    gui.add(window);
    int closes = 0;
    bool attachedDuringClose = false;
    window->onClose.connect([&] {
        ++closes;
        attachedDuringClose = window->getParent() != nullptr;
    });
    const sf::FloatRect button = window->getCloseButtonRect();
    const int x = 100 + static_cast<int>(button.left + button.width / 2);
    const int y = 100 + static_cast<int>(button.top + button.height / 2);
    // Pressed on the button but released elsewhere: nothing.
    gui.handleEvent(mousePress(x, y));
    gui.handleEvent(mouseRelease(x - 100, y));
    EXPECT_EQ(closes, 0);
    click(gui, x, y);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(attachedDuringClose);
    EXPECT_TRUE(gui.getWidgets().empty());
    EXPECT_EQ(window->getParent(), nullptr);

    // Without a close button the corner is only title bar.
    auto plain = ui::ChildWindow::create("plain", ui::ChildWindow::TitleButton::None);
    plain->setPosition(100, 100);
    gui.add(plain);
    EXPECT_EQ(plain->getCloseButtonRect(), sf::FloatRect());
    click(gui, x, y);
    EXPECT_EQ(gui.getWidgets().size(), 1u);
}

TEST_F(UiClick, ChildWindowDragsByItsTitleBarUnlessLocked) {
    auto window = ui::ChildWindow::create("drag");
    window->setPosition(100, 100);
    gui.add(window);
    gui.handleEvent(mousePress(150, 110));
    gui.handleEvent(mouseMove(180, 150));
    gui.handleEvent(mouseMove(190, 160));
    gui.handleEvent(mouseRelease(190, 160));
    EXPECT_EQ(window->getPosition(), sf::Vector2f(140.f, 150.f));
    gui.handleEvent(mouseMove(300, 300));
    EXPECT_EQ(window->getPosition(), sf::Vector2f(140.f, 150.f));
    // The client area does not drag.
    gui.handleEvent(mousePress(200, 250));
    gui.handleEvent(mouseMove(260, 300));
    gui.handleEvent(mouseRelease(260, 300));
    EXPECT_EQ(window->getPosition(), sf::Vector2f(140.f, 150.f));

    window->setPositionLocked(true);
    gui.handleEvent(mousePress(190, 160));
    gui.handleEvent(mouseMove(250, 250));
    gui.handleEvent(mouseRelease(250, 250));
    EXPECT_EQ(window->getPosition(), sf::Vector2f(140.f, 150.f));
}

TEST_F(UiClick, ClickableLabelReportsClicks) {
    auto label = ui::Label::create("Wood x3");
    label->setPosition(10, 10);
    gui.add(label);
    int clicks = 0;
    label->onClick.connect([&](sf::Vector2f) { ++clicks; });
    click(gui, 12, 12);
    EXPECT_EQ(clicks, 1);
}

} // namespace
