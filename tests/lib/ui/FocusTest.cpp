#include "Events.hpp"

#include "ui/Button.hpp"
#include "ui/ChildWindow.hpp"
#include "ui/EditBox.hpp"
#include "ui/Group.hpp"
#include "ui/Gui.hpp"
#include "ui/Label.hpp"
#include "ui/Panel.hpp"
#include "ui/TextArea.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using uitest::click;

// Records focus changes of several widgets in the order they are announced.
struct FocusLog {
    void watch(const ui::Widget::Ptr& widget, const std::string& name) {
        widget->onFocus.connect([this, name] { events.push_back("+" + name); });
        widget->onUnfocus.connect([this, name] { events.push_back("-" + name); });
    }
    std::vector<std::string> take() { return std::exchange(events, {}); }
    std::vector<std::string> events;
};

struct UiFocus : testing::Test {
    UiFocus() {
        gui.setWindowSize({800, 600});
        panel->setPosition(100, 100);
        edit->setPosition(10, 10);
        other->setPosition(10, 50);
        other->setSize(80, 20);
        panel->add(edit);
        panel->add(other);
        gui.add(panel);
        log.watch(panel, "panel");
        log.watch(edit, "edit");
        log.watch(other, "other");
    }

    ui::Gui gui;
    ui::Panel::Ptr panel = ui::Panel::create({300, 200});
    ui::EditBox::Ptr edit = ui::EditBox::create();
    ui::Button::Ptr other = ui::Button::create("other");
    FocusLog log;
};

TEST_F(UiFocus, PressFocusesTheLeafAndItsContainers) {
    click(gui, 115, 115);
    EXPECT_TRUE(edit->isFocused());
    EXPECT_TRUE(panel->isFocused());
    EXPECT_EQ(gui.getFocusedLeaf(), edit);
    EXPECT_EQ(gui.getFocusedChild(), panel);
    EXPECT_EQ(log.take(), (std::vector<std::string>{"+panel", "+edit"}));

    // Another leaf: the old one lets go first, the container stays focused.
    click(gui, 115, 155);
    EXPECT_FALSE(edit->isFocused());
    EXPECT_TRUE(other->isFocused());
    EXPECT_EQ(log.take(), (std::vector<std::string>{"-edit", "+other"}));

    // The right button focuses too.
    click(gui, 115, 115, sf::Mouse::Right);
    EXPECT_TRUE(edit->isFocused());
    EXPECT_EQ(log.take(), (std::vector<std::string>{"-other", "+edit"}));
}

TEST_F(UiFocus, PressOnNothingUnfocusesEverything) {
    click(gui, 115, 115);
    log.take();
    click(gui, 700, 500);
    EXPECT_FALSE(edit->isFocused());
    EXPECT_FALSE(panel->isFocused());
    EXPECT_EQ(gui.getFocusedLeaf(), nullptr);
    EXPECT_EQ(log.take(), (std::vector<std::string>{"-edit", "-panel"}));
    // Pressing nothing again changes nothing and says nothing.
    click(gui, 700, 500);
    EXPECT_TRUE(log.take().empty());
}

TEST_F(UiFocus, PressOnAContainerBackgroundTakesFocusFromItsChild) {
    click(gui, 115, 115);
    log.take();
    click(gui, 350, 250);
    EXPECT_TRUE(panel->isFocused());
    EXPECT_FALSE(edit->isFocused());
    EXPECT_EQ(gui.getFocusedLeaf(), panel);
    EXPECT_EQ(log.take(), (std::vector<std::string>{"-edit"}));
}

TEST_F(UiFocus, RemovingTheFocusedWidgetOrAnAncestorUnfocusesAtOnce) {
    click(gui, 115, 115);
    log.take();
    EXPECT_TRUE(panel->remove(edit));
    EXPECT_FALSE(edit->isFocused());
    EXPECT_EQ(panel->getFocusedChild(), nullptr);
    EXPECT_EQ(log.take(), (std::vector<std::string>{"-edit"}));
    // Removing again is harmless and silent.
    EXPECT_FALSE(panel->remove(edit));
    EXPECT_TRUE(log.take().empty());

    panel->add(edit);
    click(gui, 115, 115);
    log.take();
    EXPECT_TRUE(gui.remove(panel));
    EXPECT_FALSE(edit->isFocused());
    EXPECT_FALSE(panel->isFocused());
    EXPECT_EQ(gui.getFocusedLeaf(), nullptr);
    EXPECT_EQ(log.take(), (std::vector<std::string>{"-edit", "-panel"}));
    EXPECT_FALSE(gui.remove(panel));
}

TEST_F(UiFocus, HidingTheFocusedWidgetOrAnAncestorUnfocusesAtOnce) {
    click(gui, 115, 115);
    log.take();
    edit->setVisible(false);
    EXPECT_FALSE(edit->isFocused());
    EXPECT_TRUE(panel->isFocused());
    EXPECT_EQ(log.take(), (std::vector<std::string>{"-edit"}));

    edit->setVisible(true);
    edit->setFocused(true);
    EXPECT_EQ(log.take(), (std::vector<std::string>{"+edit"}));
    panel->setVisible(false);
    EXPECT_EQ(gui.getFocusedLeaf(), nullptr);
    EXPECT_EQ(log.take(), (std::vector<std::string>{"-edit", "-panel"}));
    // Nothing hidden can be focused, nor anything inside something hidden.
    edit->setFocused(true);
    EXPECT_FALSE(edit->isFocused());
    EXPECT_TRUE(log.take().empty());
}

TEST_F(UiFocus, DisabledWidgetsTakeNoFocusAndEmitNothing) {
    other->setEnabled(false);
    int presses = 0;
    other->onPress.connect([&] { ++presses; });
    click(gui, 115, 155);
    EXPECT_FALSE(other->isFocused());
    EXPECT_EQ(presses, 0);
    other->setFocused(true);
    EXPECT_FALSE(other->isFocused());
    // The press on the disabled button went to the panel below it.
    EXPECT_EQ(log.take(), (std::vector<std::string>{"+panel"}));

    // Disabling the focused widget lets go of the focus (said once, before it falls silent).
    click(gui, 115, 115);
    log.take();
    edit->setEnabled(false);
    EXPECT_FALSE(edit->isFocused());
    EXPECT_EQ(log.take(), (std::vector<std::string>{"-edit"}));
    int changes = 0;
    edit->onTextChange.connect([&](const std::string&) { ++changes; });
    edit->setText("quiet");
    EXPECT_EQ(edit->getText(), "quiet");
    EXPECT_EQ(changes, 0);
    // A disabled container disables what is inside it.
    edit->setEnabled(true);
    panel->setEnabled(false);
    click(gui, 115, 115);
    EXPECT_FALSE(edit->isFocused());
}

TEST_F(UiFocus, TextInputFocusIsEditBoxesAndWritableTextAreas) {
    auto readOnly = ui::TextArea::create();
    readOnly->setReadOnly(true);
    readOnly->setPosition(400, 0);
    auto writable = ui::TextArea::create();
    writable->setPosition(400, 300);
    gui.add(readOnly);
    gui.add(writable);

    EXPECT_FALSE(gui.isTextInputFocused());
    click(gui, 115, 115);
    EXPECT_TRUE(gui.isTextInputFocused());
    click(gui, 115, 155);
    EXPECT_FALSE(gui.isTextInputFocused()); // a button
    click(gui, 450, 50);
    EXPECT_TRUE(readOnly->isFocused());
    EXPECT_FALSE(gui.isTextInputFocused());
    click(gui, 450, 350);
    EXPECT_TRUE(gui.isTextInputFocused());
    edit->setReadOnly(true);
    edit->setFocused(true);
    EXPECT_FALSE(gui.isTextInputFocused());
}

TEST_F(UiFocus, KeysAndTextGoToTheFocusedWidgetOnly) {
    auto second = ui::EditBox::create();
    second->setPosition(10, 100);
    panel->add(second);
    uitest::type(gui, U"lost");
    EXPECT_EQ(edit->getText(), "");
    click(gui, 115, 115);
    uitest::type(gui, U"ab");
    gui.handleEvent(uitest::key(sf::Keyboard::BackSpace));
    click(gui, 115, 205);
    uitest::type(gui, U"cd");
    EXPECT_EQ(edit->getText(), "a");
    EXPECT_EQ(second->getText(), "cd");
}

TEST_F(UiFocus, AWindowFocusedBeforeItIsAddedTakesTheFocusThen) {
    click(gui, 115, 115);
    log.take();
    auto window = ui::ChildWindow::create("Inventory");
    log.watch(window, "window");
    window->setFocused(true);
    EXPECT_TRUE(window->isFocused());
    EXPECT_EQ(log.take(), (std::vector<std::string>{"+window"}));
    gui.add(window);
    EXPECT_EQ(gui.getFocusedChild(), window);
    EXPECT_FALSE(edit->isFocused());
    EXPECT_EQ(log.take(), (std::vector<std::string>{"-edit", "-panel"}));
    // Focus brings a window to the front of its siblings.
    gui.add(ui::Panel::create({10, 10}));
    EXPECT_NE(gui.getWidgets().back(), window);
    window->setFocused(false);
    window->setFocused(true);
    EXPECT_EQ(gui.getWidgets().back(), window);
}

TEST_F(UiFocus, FocusingADeepWidgetFocusesItsWholeChain) {
    auto window = ui::ChildWindow::create();
    window->setPosition(420, 0);
    auto group = ui::Group::create();
    auto label = ui::Label::create("deep");
    group->add(label);
    window->add(group);
    gui.add(window);
    click(gui, 115, 115);
    label->setFocused(true);
    EXPECT_TRUE(group->isFocused());
    EXPECT_TRUE(window->isFocused());
    EXPECT_FALSE(panel->isFocused());
    EXPECT_EQ(gui.getFocusedLeaf(), label);
    gui.unfocusAllWidgets();
    EXPECT_FALSE(label->isFocused());
    EXPECT_FALSE(window->isFocused());
}

} // namespace
