#include "Events.hpp"

#include "ui/Button.hpp"
#include "ui/ChildWindow.hpp"
#include "ui/EditBox.hpp"
#include "ui/Gui.hpp"
#include "ui/Label.hpp"
#include "ui/ListBox.hpp"
#include "ui/Panel.hpp"
#include "ui/Tabs.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

using uitest::click;

struct UiReentrancy : testing::Test {
    UiReentrancy() { gui.setWindowSize({800, 600}); }

    ui::Button::Ptr addButton(float x, float y) {
        auto button = ui::Button::create("b");
        button->setPosition(x, y);
        button->setSize(100, 40);
        gui.add(button);
        return button;
    }

    ui::Gui gui;
};

TEST_F(UiReentrancy, ButtonRemovesItselfWhileItsSignalRuns) {
    std::weak_ptr<ui::Button> weak;
    int laterSlots = 0;
    {
        auto button = addButton(0, 0);
        weak = button;
        button->onPress.connect([this, weak] { gui.remove(weak.lock()); });
        // Runs after the removal: the button must still be alive and sane.
        button->onPress.connect([&laterSlots, weak] {
            ++laterSlots;
            EXPECT_NE(weak.lock(), nullptr);
            EXPECT_EQ(weak.lock()->getParent(), nullptr);
        });
    }
    click(gui, 10, 10);
    EXPECT_EQ(laterSlots, 1);
    EXPECT_TRUE(gui.getWidgets().empty());
    EXPECT_TRUE(weak.expired()); // nothing kept it alive afterwards
    click(gui, 10, 10);
    EXPECT_EQ(laterSlots, 1);
}

TEST_F(UiReentrancy, CallbackClearsTheWholeGui) {
    auto window = ui::ChildWindow::create();
    auto inner = ui::Button::create("clear");
    inner->setSize(100, 40);
    window->add(inner);
    gui.add(window);
    auto other = addButton(500, 500);
    inner->onPress.connect([this] { gui.removeAllWidgets(); });
    const sf::Vector2f at = inner->getAbsolutePosition();
    click(gui, static_cast<int>(at.x) + 5, static_cast<int>(at.y) + 5);
    EXPECT_TRUE(gui.getWidgets().empty());
    EXPECT_EQ(gui.getFocusedLeaf(), nullptr);
    EXPECT_FALSE(inner->isFocused());
    EXPECT_FALSE(window->isFocused());
    // The GUI goes on working.
    gui.add(other);
    int presses = 0;
    other->onPress.connect([&] { ++presses; });
    click(gui, 510, 510);
    EXPECT_EQ(presses, 1);
}

TEST_F(UiReentrancy, CallbackAddsWidgetsUnderTheMouse) {
    auto button = addButton(0, 0);
    int added = 0;
    int overlayPresses = 0;
    button->onPress.connect([&] {
        auto overlay = ui::Button::create("overlay");
        overlay->setSize(200, 200);
        overlay->onPress.connect([&] { ++overlayPresses; });
        gui.add(overlay);
        ++added;
    });
    click(gui, 10, 10);
    EXPECT_EQ(added, 1);
    EXPECT_EQ(overlayPresses, 0); // the click that made it does not reach it
    click(gui, 10, 10);
    EXPECT_EQ(overlayPresses, 1);
    EXPECT_EQ(added, 1);
}

TEST_F(UiReentrancy, WindowClosedByItsOwnCloseListener) {
    auto window = ui::ChildWindow::create("Console");
    window->setPosition(100, 100);
    gui.add(window);
    int closes = 0;
    // What a screen does: its close handler removes the window from the GUI itself.
    window->onClose.connect([&] {
        ++closes;
        EXPECT_TRUE(gui.remove(window));
    });
    const sf::FloatRect closeButton = window->getCloseButtonRect();
    click(gui, 100 + static_cast<int>(closeButton.left) + 3, 100 + static_cast<int>(closeButton.top) + 3);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(gui.getWidgets().empty());
    // Closing from inside one of its own buttons works the same way.
    auto again = ui::ChildWindow::create("Again");
    auto closer = ui::Button::create("x");
    again->add(closer);
    gui.add(again);
    closer->onPress.connect([&again] { again->close(); });
    const sf::Vector2f at = closer->getAbsolutePosition();
    click(gui, static_cast<int>(at.x) + 2, static_cast<int>(at.y) + 2);
    EXPECT_TRUE(gui.getWidgets().empty());
    EXPECT_EQ(again->getParent(), nullptr);
}

TEST_F(UiReentrancy, ExceptionFromACallbackLeavesTheGuiConsistent) {
    auto button = addButton(0, 0);
    int presses = 0;
    bool fail = true;
    button->onPress.connect([&] {
        ++presses;
        if (fail)
            throw std::runtime_error("boom");
    });
    EXPECT_THROW(click(gui, 10, 10), std::runtime_error);
    EXPECT_FALSE(button->isMouseDown());
    EXPECT_TRUE(button->isFocused());
    fail = false;
    click(gui, 10, 10);
    EXPECT_EQ(presses, 2);

    // A focus listener that throws: the focus has moved all the same.
    auto edit = ui::EditBox::create();
    edit->setPosition(300, 300);
    gui.add(edit);
    edit->onFocus.connect([] { throw std::logic_error("focus"); });
    EXPECT_THROW(gui.handleEvent(uitest::mousePress(310, 310)), std::logic_error);
    gui.handleEvent(uitest::mouseRelease(310, 310));
    EXPECT_TRUE(edit->isFocused());
    EXPECT_FALSE(button->isFocused());
    EXPECT_EQ(gui.getFocusedLeaf(), edit);
    uitest::type(gui, U"ok");
    EXPECT_EQ(edit->getText(), "ok");
}

TEST_F(UiReentrancy, UnfocusListenerRemovesTheWidgetThatGainsFocus) {
    auto first = ui::EditBox::create();
    auto second = ui::EditBox::create();
    second->setPosition(0, 100);
    gui.add(first);
    gui.add(second);
    first->setFocused(true);
    first->onUnfocus.connect([&] { gui.remove(second); });
    int secondPresses = 0;
    second->onFocus.connect([&] { ++secondPresses; });
    click(gui, 10, 110);
    // The second box was told nothing: it was gone before its turn came.
    EXPECT_EQ(secondPresses, 0);
    EXPECT_FALSE(second->isFocused());
    EXPECT_FALSE(first->isFocused());
    EXPECT_EQ(gui.getFocusedLeaf(), nullptr);
    uitest::type(gui, U"lost");
    EXPECT_EQ(second->getText(), "");
}

TEST_F(UiReentrancy, ReturnListenerDestroysTheEditBox) {
    std::weak_ptr<ui::EditBox> weak;
    std::string executed;
    {
        auto edit = ui::EditBox::create();
        weak = edit;
        gui.add(edit);
        edit->setFocused(true);
        edit->onReturnKeyPress.connect([&](const std::string& text) {
            executed = text;
            gui.removeAllWidgets();
        });
    }
    uitest::type(gui, U"quit");
    gui.handleEvent(uitest::key(sf::Keyboard::Return));
    EXPECT_EQ(executed, "quit");
    EXPECT_TRUE(weak.expired());
    gui.handleEvent(uitest::key(sf::Keyboard::Return));
    uitest::type(gui, U"more");
}

TEST_F(UiReentrancy, SelectionListenerRebuildsTheList) {
    auto list = ui::ListBox::create();
    list->addItem("a", "a");
    list->addItem("b", "b");
    gui.add(list);
    std::vector<std::string> seen;
    list->onItemSelect.connect([&](int, const std::string&, const std::string& id) {
        seen.push_back(id);
        if (!id.empty()) {
            list->removeAllItems();
            list->addItem("c", "c");
        }
    });
    click(gui, 10, 1 + 22 + 5);
    EXPECT_EQ(seen, (std::vector<std::string>{"b", ""}));
    EXPECT_EQ(list->getItems(), (std::vector<std::string>{"c"}));
    EXPECT_EQ(list->getSelectedItemIndex(), -1);

    auto tabs = ui::Tabs::create();
    tabs->add("one", false);
    tabs->onTabSelect.connect([&](int, const std::string&) { tabs->removeAll(); });
    tabs->select(0);
    EXPECT_EQ(tabs->getTabsCount(), 0u);
    EXPECT_EQ(tabs->getSelectedIndex(), -1);
}

TEST_F(UiReentrancy, WidgetsOutliveTheirGuiAndParents) {
    auto label = ui::Label::create("kept");
    {
        ui::Gui local;
        local.setWindowSize({100, 100});
        auto panel = ui::Panel::create();
        panel->add(label);
        local.add(panel);
        label->setFocused(true);
    }
    // Both the root and the panel are gone; the label no longer points at them, nor holds a
    // focus it would carry into the next GUI.
    EXPECT_EQ(label->getParent(), nullptr);
    EXPECT_FALSE(label->isFocused());
    EXPECT_EQ(label->getAbsolutePosition(), sf::Vector2f(0.f, 0.f));
    label->setText("still fine");
    gui.add(label);
    EXPECT_EQ(gui.getWidgets().size(), 1u);
    EXPECT_EQ(gui.getFocusedLeaf(), nullptr);
}

TEST_F(UiReentrancy, AddingAWidgetToItselfOrItsChildIsRefused) {
    auto outer = ui::Panel::create();
    auto inner = ui::Panel::create();
    outer->add(inner);
    EXPECT_THROW(outer->add(outer), std::invalid_argument);
    EXPECT_THROW(inner->add(outer), std::invalid_argument);
    EXPECT_THROW(outer->add(nullptr), std::invalid_argument);
    // Moving a widget to another container takes it out of the first.
    auto other = ui::Panel::create();
    other->add(inner);
    EXPECT_TRUE(outer->getWidgets().empty());
    EXPECT_EQ(inner->getParent(), other.get());
}

} // namespace
