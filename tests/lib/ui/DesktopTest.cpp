#include "Events.hpp"

#include "ui/Box.hpp"
#include "ui/Button.hpp"
#include "ui/Desktop.hpp"
#include "ui/EditBox.hpp"
#include "ui/Label.hpp"
#include "ui/Scale.hpp"
#include "ui/Window.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using uitest::click;

TEST(UiScale, ValuesSnapToTheStepGridAndStayInRange) {
    auto radius = ui::Scale::create(0.1f, 14.f, 0.1f);
    std::vector<float> changes;
    radius->onValueChange.connect([&](float value) { changes.push_back(value); });
    EXPECT_FLOAT_EQ(radius->getValue(), 0.1f);
    radius->setValue(2.f);
    EXPECT_FLOAT_EQ(radius->getValue(), 2.f);
    radius->setValue(2.04f); // snaps back onto 2.0: no change
    radius->setValue(2.06f);
    EXPECT_FLOAT_EQ(radius->getValue(), 2.1f);
    radius->setValue(99.f);
    EXPECT_FLOAT_EQ(radius->getValue(), 14.f);
    radius->setValue(-5.f);
    EXPECT_FLOAT_EQ(radius->getValue(), 0.1f);
    ASSERT_EQ(changes.size(), 4u);

    auto hours = ui::Scale::create(0.f, 23.9f, 0.1f);
    hours->setValue(23.95f);
    EXPECT_FLOAT_EQ(hours->getValue(), 23.9f);
    char text[32];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(radius->getValue()));
    EXPECT_STREQ(text, "0.100000");

    // Whole steps, and a maximum off the grid still reachable by clamping.
    auto colour = ui::Scale::create(0.f, 255.f, 1.f);
    colour->setValue(254.6f);
    EXPECT_FLOAT_EQ(colour->getValue(), 255.f);
    auto odd = ui::Scale::create(0.f, 1.f, 0.6f);
    odd->setValue(0.95f);
    EXPECT_FLOAT_EQ(odd->getValue(), 1.f);
    odd->setValue(0.4f);
    EXPECT_FLOAT_EQ(odd->getValue(), 0.6f);
    // A new range or step re-snaps the value.
    colour->setRange(0.f, 100.f);
    EXPECT_FLOAT_EQ(colour->getValue(), 100.f);
    colour->setValue(33.f);
    colour->setStep(10.f);
    EXPECT_FLOAT_EQ(colour->getValue(), 30.f);
}

TEST(UiScale, MouseAndWheelMoveTheValue) {
    ui::Desktop desktop;
    desktop.setWindowSize({800, 600});
    auto scale = ui::Scale::create(0.f, 100.f, 1.f);
    scale->setSize(110, 15); // a 100-pixel track between half handles
    desktop.add(scale);
    click(desktop, 5 + 40, 7);
    EXPECT_FLOAT_EQ(scale->getValue(), 40.f);
    // Dragging follows the mouse, even past the end.
    desktop.handleEvent(uitest::mousePress(45, 7));
    desktop.handleEvent(uitest::mouseMove(75, 300));
    EXPECT_FLOAT_EQ(scale->getValue(), 70.f);
    desktop.handleEvent(uitest::mouseMove(700, 300));
    EXPECT_FLOAT_EQ(scale->getValue(), 100.f);
    desktop.handleEvent(uitest::mouseRelease(700, 300));
    desktop.handleEvent(uitest::mouseMove(5, 7));
    EXPECT_FLOAT_EQ(scale->getValue(), 100.f);
    desktop.handleEvent(uitest::wheel(-3.f, 20, 7));
    EXPECT_FLOAT_EQ(scale->getValue(), 97.f);
    EXPECT_EQ(scale->getHandleRect(), sf::FloatRect(97.f, 0.f, 10.f, 15.f));
}

struct UiDesktop : testing::Test {
    UiDesktop() { desktop.setWindowSize({1280, 720}); }
    ui::Desktop desktop;
};

TEST_F(UiDesktop, WindowFitsAVerticalBoxOfRequisitions) {
    auto window = ui::Window::create("Editor");
    auto box = ui::Box::create(ui::Box::Orientation::Vertical, 5.f);
    auto button = ui::Button::create("Create Light Entity");
    auto label = ui::Label::create("Radius: 2.000000");
    auto scale = ui::Scale::create(0.1f, 14.f, 0.1f);
    scale->setRequisition({0.f, 15.f});
    box->pack(button);
    box->pack(label);
    box->pack(scale);
    window->add(box);
    desktop.add(window);

    // Fixed metrics at size 13: the button is 19 x 6.5 + 20 wide, 16.25 + 8 high.
    const float buttonWidth = 19 * 6.5f + 20.f;
    EXPECT_EQ(button->getRequisition(), sf::Vector2f(buttonWidth, 24.25f));
    EXPECT_EQ(scale->getRequisition(), sf::Vector2f(ui::Scale::naturalLength, 15.f));
    const float contentHeight = 24.25f + 5.f + 16.25f + 5.f + 15.f;
    EXPECT_EQ(box->getRequisition(), sf::Vector2f(buttonWidth, contentHeight));
    EXPECT_EQ(window->getSize(), sf::Vector2f(buttonWidth + 2 * ui::ChildWindow::borderWidth,
                                              contentHeight + 2 * ui::ChildWindow::borderWidth +
                                                  ui::ChildWindow::titleBarHeight));
    EXPECT_EQ(box->getSize(), window->getInnerSize());
    EXPECT_EQ(label->getPosition(), sf::Vector2f(0.f, 24.25f + 5.f));
    EXPECT_EQ(scale->getPosition(), sf::Vector2f(0.f, 24.25f + 5.f + 16.25f + 5.f));
    EXPECT_EQ(scale->getSize(), sf::Vector2f(buttonWidth, 15.f));

    // A longer label widens the window; a second line makes it taller and moves what follows.
    label->setText("Radius: 2.000000 and a much longer tail");
    const float labelWidth = 39 * 6.5f;
    EXPECT_EQ(window->getSize().x, labelWidth + 2 * ui::ChildWindow::borderWidth);
    EXPECT_EQ(scale->getSize().x, labelWidth);
    label->setText("two\nlines");
    EXPECT_EQ(window->getSize().x, buttonWidth + 2 * ui::ChildWindow::borderWidth);
    EXPECT_EQ(scale->getPosition().y, 24.25f + 5.f + 32.5f + 5.f);
    box->remove(scale);
    EXPECT_EQ(box->getRequisition().y, 24.25f + 5.f + 32.5f);
}

TEST_F(UiDesktop, ListsItsWindowsAndTheirRectangles) {
    auto first = ui::Window::create("a");
    first->add(ui::Label::create("text"));
    first->setPosition(20, 30);
    auto second = ui::Window::create("two");
    second->setPosition(600, 400);
    desktop.add(first);
    desktop.add(second);
    ASSERT_EQ(desktop.getWidgets().size(), 2u);
    const sf::FloatRect rect = desktop.getWidgets()[0]->getAllocation();
    EXPECT_EQ(rect.left, 20.f);
    EXPECT_EQ(rect.top, 30.f);
    EXPECT_EQ(rect.width, 4 * 6.5f + 2 * ui::ChildWindow::borderWidth);
    EXPECT_TRUE(rect.contains(25.f, 35.f));
    // An empty window is still as wide as its title.
    EXPECT_EQ(desktop.getWidgets()[1]->getSize().x,
              3 * 6.5f + 2 * ui::ChildWindow::titlePadding + 2 * ui::ChildWindow::borderWidth);
    EXPECT_FALSE(desktop.getWidgets()[1]->getAllocation().contains(25.f, 35.f));
    EXPECT_TRUE(desktop.remove(first));
    EXPECT_FALSE(desktop.remove(first));
    EXPECT_EQ(desktop.getWidgets().size(), 1u);
    desktop.removeAll();
    EXPECT_TRUE(desktop.getWidgets().empty());
}

TEST_F(UiDesktop, ButtonsInAWindowClickAndWindowsDrag) {
    auto window = ui::Window::create("Editor");
    auto box = ui::Box::create();
    auto button = ui::Button::create("Create Light Entity");
    box->pack(button);
    window->add(box);
    window->setPosition(100, 100);
    desktop.add(window);
    int created = 0;
    button->onPress.connect([&] { ++created; });
    const sf::Vector2f at = button->getAbsolutePosition();
    click(desktop, static_cast<int>(at.x) + 5, static_cast<int>(at.y) + 5);
    EXPECT_EQ(created, 1);
    // A desktop window has no close button: its title bar only drags.
    desktop.handleEvent(uitest::mousePress(110, 105));
    desktop.handleEvent(uitest::mouseMove(130, 125));
    desktop.handleEvent(uitest::mouseRelease(130, 125));
    EXPECT_EQ(window->getPosition(), sf::Vector2f(120.f, 120.f));
    EXPECT_EQ(window->getCloseButtonRect(), sf::FloatRect());
}

TEST_F(UiDesktop, HorizontalBoxLinesUpWidths) {
    auto box = ui::Box::create(ui::Box::Orientation::Horizontal, 4.f);
    auto a = ui::Label::create("ab");
    auto b = ui::Label::create("abcd");
    box->pack(a);
    box->pack(b);
    EXPECT_EQ(box->getRequisition(), sf::Vector2f(13.f + 4.f + 26.f, 16.25f));
    EXPECT_EQ(b->getPosition(), sf::Vector2f(17.f, 0.f));
    box->setSpacing(0.f);
    EXPECT_EQ(b->getPosition(), sf::Vector2f(13.f, 0.f));
}

TEST_F(UiDesktop, UpdateAdvancesTime) {
    auto window = ui::Window::create("w");
    auto box = ui::Box::create();
    auto edit = ui::EditBox::create();
    edit->setRequisition({100.f, 24.f});
    box->pack(edit);
    window->add(box);
    desktop.add(window);
    edit->setFocused(true);
    EXPECT_EQ(desktop.getFocusedLeaf(), edit);
    EXPECT_TRUE(edit->isCaretVisible());
    desktop.update(0.5f);
    EXPECT_FALSE(edit->isCaretVisible());
}

} // namespace
