#include "Events.hpp"

#include "ui/Button.hpp"
#include "ui/ChildWindow.hpp"
#include "ui/Group.hpp"
#include "ui/Gui.hpp"
#include "ui/Panel.hpp"

#include <gtest/gtest.h>

namespace {

using uitest::click;

ui::Button::Ptr button(float x, float y, float w = 50.f, float h = 20.f) {
    auto b = ui::Button::create("b");
    b->setPosition(x, y);
    b->setSize(w, h);
    return b;
}

TEST(UiHitTest, GroupCountsOnlyItsVisibleChildren) {
    auto group = ui::Group::create({200, 100});
    group->setPosition(100, 100);
    auto inner = button(10, 10);
    group->add(inner);
    EXPECT_FALSE(group->isMouseOnWidget({105.f, 105.f}));
    EXPECT_TRUE(group->isMouseOnWidget({115.f, 115.f}));
    EXPECT_FALSE(group->isMouseOnWidget({300.f, 300.f}));
    inner->setVisible(false);
    EXPECT_FALSE(group->isMouseOnWidget({115.f, 115.f}));

    // Nested groups: only the innermost visible widget makes the outer one count.
    auto outer = ui::Group::create({400, 400});
    outer->add(group);
    inner->setVisible(true);
    EXPECT_TRUE(outer->isMouseOnWidget({115.f, 115.f}));
    EXPECT_FALSE(outer->isMouseOnWidget({250.f, 150.f}));
}

TEST(UiHitTest, PanelCountsItsWholeRectangle) {
    auto panel = ui::Panel::create({200, 100});
    panel->setPosition(100, 100);
    EXPECT_TRUE(panel->isMouseOnWidget({105.f, 105.f}));
    EXPECT_TRUE(panel->isMouseOnWidget({299.f, 199.f}));
    EXPECT_FALSE(panel->isMouseOnWidget({300.f, 150.f})); // right edge is outside
    EXPECT_FALSE(panel->isMouseOnWidget({99.f, 150.f}));
}

TEST(UiHitTest, ClicksReachTheTopmostVisibleWidget) {
    ui::Gui gui;
    gui.setWindowSize({800, 600});
    auto below = button(0, 0, 100, 100);
    auto above = button(50, 50, 100, 100);
    int belowPresses = 0;
    int abovePresses = 0;
    below->onPress.connect([&] { ++belowPresses; });
    above->onPress.connect([&] { ++abovePresses; });
    gui.add(below);
    gui.add(above);

    click(gui, 75, 75);
    EXPECT_EQ(abovePresses, 1);
    EXPECT_EQ(belowPresses, 0);
    above->setVisible(false);
    click(gui, 75, 75);
    EXPECT_EQ(abovePresses, 1);
    EXPECT_EQ(belowPresses, 1);
    above->setVisible(true);
    above->moveToBack();
    click(gui, 75, 75);
    EXPECT_EQ(belowPresses, 2);
    // A disabled widget on top swallows the click: nothing below it reacts.
    below->setEnabled(false);
    above->moveToFront();
    above->setEnabled(false);
    click(gui, 75, 75);
    EXPECT_EQ(abovePresses, 1);
    EXPECT_EQ(belowPresses, 2);
}

TEST(UiHitTest, ChildWindowClientAreaCutsChildren) {
    ui::Gui gui;
    gui.setWindowSize({800, 600});
    auto window = ui::ChildWindow::create("w");
    window->setSize(200, 100 + ui::ChildWindow::titleBarHeight + 2 * ui::ChildWindow::borderWidth);
    window->setPosition(100, 100);
    // Reaches past the client area to the right.
    auto wide = button(150, 0, 200, 20);
    int presses = 0;
    wide->onPress.connect([&] { ++presses; });
    window->add(wide);
    gui.add(window);

    const sf::Vector2f client = window->getAbsolutePosition() + window->getChildOffset();
    EXPECT_EQ(wide->getAbsolutePosition(), client + sf::Vector2f(150.f, 0.f));
    click(gui, static_cast<int>(client.x) + 160, static_cast<int>(client.y) + 5);
    EXPECT_EQ(presses, 1);
    // The same button, but outside the window's client area: not there for the mouse.
    click(gui, static_cast<int>(client.x) + 250, static_cast<int>(client.y) + 5);
    EXPECT_EQ(presses, 1);
    // The title bar belongs to the window itself.
    EXPECT_TRUE(window->isMouseOnWidget({150.f, 105.f}));
}

TEST(UiHitTest, AllocationIsInRootCoordinates) {
    auto window = ui::ChildWindow::create();
    window->setPosition(30, 40);
    auto group = ui::Group::create({100, 100});
    group->setPosition(5, 6);
    auto leaf = button(1, 2, 10, 11);
    group->add(leaf);
    window->add(group);
    const sf::FloatRect rect = leaf->getAllocation();
    EXPECT_EQ(rect.left, 30.f + ui::ChildWindow::borderWidth + 5.f + 1.f);
    EXPECT_EQ(rect.top, 40.f + ui::ChildWindow::borderWidth + ui::ChildWindow::titleBarHeight + 6.f + 2.f);
    EXPECT_EQ(rect.width, 10.f);
    EXPECT_EQ(rect.height, 11.f);
}

} // namespace
