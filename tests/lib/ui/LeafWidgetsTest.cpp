#include "Events.hpp"

#include "ui/ChatBox.hpp"
#include "ui/EditBox.hpp"
#include "ui/Gui.hpp"
#include "ui/Label.hpp"
#include "ui/ListBox.hpp"
#include "ui/ProgressBar.hpp"
#include "ui/Tabs.hpp"
#include "ui/TextArea.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using uitest::click;
using uitest::key;
using uitest::type;

TEST(UiProgressBar, ValueStaysInRangeAndChangesAreAnnounced) {
    auto bar = ui::ProgressBar::create();
    std::vector<unsigned> changes;
    int fulls = 0;
    bar->onValueChange.connect([&](unsigned value) { changes.push_back(value); });
    bar->onFull.connect([&] { ++fulls; });
    bar->setValue(35);
    bar->setValue(35);
    bar->setValue(250);
    EXPECT_EQ(bar->getValue(), 100u);
    EXPECT_EQ(fulls, 1);
    bar->setMaximum(40); // drags the value down with it
    EXPECT_EQ(bar->getValue(), 40u);
    bar->setMinimum(60); // the maximum and the value follow up
    EXPECT_EQ(bar->getMaximum(), 60u);
    EXPECT_EQ(bar->getValue(), 60u);
    bar->setMaximum(10);
    EXPECT_EQ(bar->getMinimum(), 10u);
    EXPECT_EQ(bar->getValue(), 10u);
    EXPECT_EQ(changes, (std::vector<unsigned>{35, 100, 40, 60, 10}));
    EXPECT_EQ(fulls, 4);
}

TEST(UiProgressBar, FillFollowsValueAndDirection) {
    auto bar = ui::ProgressBar::create();
    bar->setSize(102, 22); // 100 x 20 inside the 1-pixel border
    bar->setMinimum(0);
    bar->setMaximum(200);
    bar->setValue(50);
    EXPECT_FLOAT_EQ(bar->getFillRatio(), 0.25f);
    EXPECT_EQ(bar->getFillRect(), sf::FloatRect(1.f, 1.f, 25.f, 20.f));
    bar->setFillDirection(ui::ProgressBar::FillDirection::RightToLeft);
    EXPECT_EQ(bar->getFillRect(), sf::FloatRect(76.f, 1.f, 25.f, 20.f));
    bar->setFillDirection(ui::ProgressBar::FillDirection::TopToBottom);
    EXPECT_EQ(bar->getFillRect(), sf::FloatRect(1.f, 1.f, 100.f, 5.f));
    bar->setFillDirection(ui::ProgressBar::FillDirection::BottomToTop);
    EXPECT_EQ(bar->getFillRect(), sf::FloatRect(1.f, 16.f, 100.f, 5.f));
    bar->setMinimum(50);
    EXPECT_FLOAT_EQ(bar->getFillRatio(), 0.f);
    bar->setMaximum(50);
    EXPECT_FLOAT_EQ(bar->getFillRatio(), 1.f); // an empty range counts as full
}

struct UiListBox : testing::Test {
    UiListBox() {
        gui.setWindowSize({800, 600});
        list->setPosition(0, 0);
        list->setSize(152, 68); // three rows of 22 inside the border
        gui.add(list);
        list->onItemSelect.connect([this](int index, const std::string& text, const std::string& id) {
            events.push_back(std::to_string(index) + ":" + text + ":" + id);
        });
    }
    ui::Gui gui;
    ui::ListBox::Ptr list = ui::ListBox::create();
    std::vector<std::string> events;
};

TEST_F(UiListBox, SelectsByClickTextIdAndIndex) {
    list->addItem("Mission A", "a");
    list->addItem("Mission B", "b");
    EXPECT_EQ(list->addItem("Mission C", "c"), 2u);
    EXPECT_EQ(list->getSelectedItemIndex(), -1);
    EXPECT_EQ(list->getSelectedItemId(), "");
    click(gui, 20, 1 + 22 + 5); // second row
    EXPECT_EQ(list->getSelectedItemId(), "b");
    click(gui, 20, 1 + 22 + 5); // same row again: no change, no signal
    EXPECT_TRUE(list->setSelectedItemById("c"));
    EXPECT_TRUE(list->setSelectedItem("Mission A"));
    EXPECT_TRUE(list->setSelectedItemByIndex(1));
    EXPECT_FALSE(list->setSelectedItemById("zzz"));
    EXPECT_FALSE(list->setSelectedItemByIndex(3));
    EXPECT_EQ(list->getSelectedItem(), "Mission B");
    EXPECT_EQ(events,
              (std::vector<std::string>{"1:Mission B:b", "2:Mission C:c", "0:Mission A:a", "1:Mission B:b"}));
}

TEST_F(UiListBox, RemovingDeselectsWithASignal) {
    list->addItem("0", "zero");
    list->addItem("1", "one");
    list->addItem("2", "two");
    list->setSelectedItemByIndex(2);
    events.clear();
    // Removing a row above keeps the same row selected, one place up, silently.
    EXPECT_TRUE(list->removeItemById("zero"));
    EXPECT_EQ(list->getSelectedItemIndex(), 1);
    EXPECT_EQ(list->getSelectedItemId(), "two");
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(list->removeItem("2"));
    EXPECT_EQ(list->getSelectedItemIndex(), -1);
    EXPECT_EQ(events, (std::vector<std::string>{"-1::"}));
    list->setSelectedItemByIndex(0);
    events.clear();
    list->removeAllItems();
    EXPECT_EQ(list->getItemCount(), 0u);
    EXPECT_EQ(events, (std::vector<std::string>{"-1::"}));
    list->removeAllItems(); // nothing was selected: silent
    EXPECT_EQ(events.size(), 1u);
    EXPECT_FALSE(list->removeItemByIndex(0));
}

TEST_F(UiListBox, WheelScrollsLongListsOnly) {
    for (int i = 0; i < 10; ++i)
        list->addItem("row " + std::to_string(i), std::to_string(i));
    EXPECT_FLOAT_EQ(list->getScrollbar().getMaximum(), 220.f - 66.f);
    gui.handleEvent(uitest::wheel(-2.f, 20, 20));
    EXPECT_FLOAT_EQ(list->getScrollbar().getOffset(), 44.f);
    // Rows move with the scroll: the first visible row is now row 2.
    click(gui, 20, 5);
    EXPECT_EQ(list->getSelectedItemId(), "2");
    gui.handleEvent(uitest::wheel(-100.f, 20, 20));
    EXPECT_FLOAT_EQ(list->getScrollbar().getOffset(), 154.f);
    gui.handleEvent(uitest::wheel(100.f, 20, 20));
    EXPECT_FLOAT_EQ(list->getScrollbar().getOffset(), 0.f);
}

TEST(UiTabs, SelectAlwaysAnnounces) {
    ui::Gui gui;
    gui.setWindowSize({800, 600});
    auto tabs = ui::Tabs::create();
    std::vector<std::string> events;
    tabs->onTabSelect.connect(
        [&](int index, const std::string& text) { events.push_back(std::to_string(index) + text); });
    tabs->add("Active", false);
    tabs->add("Completed", false);
    gui.add(tabs);
    EXPECT_EQ(tabs->getSelectedIndex(), -1);
    EXPECT_TRUE(tabs->select(0));
    EXPECT_TRUE(tabs->select(0));
    EXPECT_FALSE(tabs->select(2));
    EXPECT_EQ(tabs->getSelected(), "Active");
    // Fixed metrics at size 13: "Active" is 39 wide plus 10 padding on each side.
    EXPECT_EQ(tabs->getSize(), sf::Vector2f(59.f + 58.5f + 20.f, ui::Tabs::defaultTabHeight));
    EXPECT_EQ(tabs->getTabRect(1).left, 59.f);
    click(gui, 70, 10);
    EXPECT_EQ(tabs->getSelectedIndex(), 1);
    click(gui, 70, 10);
    EXPECT_EQ(events, (std::vector<std::string>{"0Active", "0Active", "1Completed", "1Completed"}));
    // Adding with selection on (the default) selects and announces the new tab.
    tabs->add("Third");
    EXPECT_EQ(events.back(), "2Third");
    // A set size shares the width equally.
    tabs->setSize(300, 30);
    EXPECT_EQ(tabs->getTabRect(2), sf::FloatRect(200.f, 0.f, 100.f, 30.f));
    EXPECT_TRUE(tabs->remove(0));
    EXPECT_EQ(tabs->getSelectedIndex(), 1);
}

struct UiEditBox : testing::Test {
    UiEditBox() {
        gui.setWindowSize({800, 600});
        gui.add(edit);
        edit->setFocused(true);
        edit->onTextChange.connect([this](const std::string& text) { changes.push_back(text); });
        edit->onReturnKeyPress.connect([this](const std::string& text) { returns.push_back(text); });
    }
    ui::Gui gui;
    ui::EditBox::Ptr edit = ui::EditBox::create();
    std::vector<std::string> changes;
    std::vector<std::string> returns;
};

TEST_F(UiEditBox, TypingAndEditingKeys) {
    type(gui, U"acd");
    gui.handleEvent(key(sf::Keyboard::Left));
    gui.handleEvent(key(sf::Keyboard::Left));
    type(gui, U"b");
    EXPECT_EQ(edit->getText(), "abcd");
    EXPECT_EQ(edit->getCaretPosition(), 2u);
    gui.handleEvent(key(sf::Keyboard::Delete));
    EXPECT_EQ(edit->getText(), "abd");
    gui.handleEvent(key(sf::Keyboard::Home));
    gui.handleEvent(key(sf::Keyboard::BackSpace)); // nothing before the caret
    gui.handleEvent(key(sf::Keyboard::Delete));
    EXPECT_EQ(edit->getText(), "bd");
    gui.handleEvent(key(sf::Keyboard::End));
    gui.handleEvent(key(sf::Keyboard::Delete)); // nothing after it
    gui.handleEvent(key(sf::Keyboard::BackSpace));
    gui.handleEvent(key(sf::Keyboard::Right));
    EXPECT_EQ(edit->getText(), "b");
    EXPECT_EQ(edit->getCaretPosition(), 1u);
    EXPECT_EQ(changes, (std::vector<std::string>{"a", "ac", "acd", "abcd", "abd", "bd", "b"}));
}

TEST_F(UiEditBox, ControlCharactersAreNotText) {
    // SFML sends Backspace, Tab, Return, Escape and Delete as text as well.
    type(gui, U"x\b\t\r\x1b\x7f");
    EXPECT_EQ(edit->getText(), "x");
    type(gui, U"\u00e9\U0001F600");
    EXPECT_EQ(edit->getText(), "x\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(edit->getCaretPosition(), 3u);
}

TEST_F(UiEditBox, ReturnAnnouncesAndSetTextAnnouncesChanges) {
    type(gui, U"print(1)");
    gui.handleEvent(key(sf::Keyboard::Return));
    EXPECT_EQ(returns, (std::vector<std::string>{"print(1)"}));
    changes.clear();
    edit->setText("");
    edit->setText("");
    edit->setText("history");
    EXPECT_EQ(changes, (std::vector<std::string>{"", "history"}));
    EXPECT_EQ(edit->getCaretPosition(), 7u);
    edit->setCaretPosition(99);
    EXPECT_EQ(edit->getCaretPosition(), 7u);
}

TEST_F(UiEditBox, ReadOnlyTakesNoTyping) {
    edit->setReadOnly(true);
    type(gui, U"nope");
    gui.handleEvent(key(sf::Keyboard::BackSpace));
    EXPECT_EQ(edit->getText(), "");
    EXPECT_TRUE(changes.empty());
}

TEST_F(UiEditBox, ClickPlacesTheCaretAndTheCaretBlinks) {
    edit->setPosition(0, 0);
    edit->setText("abcdef"); // 6.5 pixels a character at size 13, text starts at 5
    click(gui, 5 + 13 + 2, 10);
    EXPECT_EQ(edit->getCaretPosition(), 2u);
    EXPECT_TRUE(edit->isCaretVisible());
    gui.update(0.3f);
    EXPECT_TRUE(edit->isCaretVisible());
    gui.update(0.3f);
    EXPECT_FALSE(edit->isCaretVisible());
    gui.update(0.5f);
    EXPECT_TRUE(edit->isCaretVisible());
    gui.update(0.45f);
    type(gui, U"x"); // typing shows the caret again at once
    EXPECT_TRUE(edit->isCaretVisible());
}

TEST(UiTextArea, WrapsReadOnlyTextAndScrolls) {
    ui::Gui gui;
    gui.setWindowSize({800, 600});
    auto area = ui::TextArea::create();
    area->setSize(2 + 8 + 10 + 65, 2 + 8 + 3 * 16.25f); // ten characters a line, three lines visible
    area->setReadOnly(true);
    gui.add(area);
    area->setText("Controls:\nW/S/A/D: Movement\n\nSpace: Attack");
    EXPECT_EQ(area->getDisplayedLines(),
              (std::vector<std::string>{"Controls:", "W/S/A/D:", "Movement", "", "Space:", "Attack"}));
    EXPECT_FLOAT_EQ(area->getScrollbar().getOffset(), 0.f); // shown from the top
    gui.handleEvent(uitest::wheel(-1.f, 10, 10));
    EXPECT_FLOAT_EQ(area->getScrollbar().getOffset(), 16.25f);
    area->setFocused(true);
    type(gui, U"x");
    gui.handleEvent(key(sf::Keyboard::Return));
    EXPECT_EQ(area->getText(), "Controls:\nW/S/A/D: Movement\n\nSpace: Attack");
}

TEST(UiTextArea, EditsAcrossLines) {
    ui::Gui gui;
    gui.setWindowSize({800, 600});
    auto area = ui::TextArea::create();
    gui.add(area);
    area->setFocused(true);
    std::vector<std::string> changes;
    area->onTextChange.connect([&](const std::string& text) { changes.push_back(text); });
    type(gui, U"abc");
    gui.handleEvent(key(sf::Keyboard::Return));
    type(gui, U"de");
    EXPECT_EQ(area->getText(), "abc\nde");
    gui.handleEvent(key(sf::Keyboard::Up));
    EXPECT_EQ(area->getCaretPosition(), 2u);
    gui.handleEvent(key(sf::Keyboard::End));
    EXPECT_EQ(area->getCaretPosition(), 3u);
    gui.handleEvent(key(sf::Keyboard::Down));
    EXPECT_EQ(area->getCaretPosition(), 6u);
    gui.handleEvent(key(sf::Keyboard::Home));
    gui.handleEvent(key(sf::Keyboard::BackSpace)); // joins the lines
    EXPECT_EQ(area->getText(), "abcde");
    EXPECT_EQ(changes.back(), "abcde");
    EXPECT_EQ(changes.size(), 7u);
    area->addText("\nf");
    EXPECT_EQ(area->getLinesCount(), 2u);
}

TEST(UiChatBox, KeepsLinesWithTabsAndScrollsToTheBottom) {
    ui::Gui gui;
    gui.setWindowSize({800, 600});
    auto chat = ui::ChatBox::create();
    chat->setSize(2 + 8 + 10 + 130, 2 + 8 + 2 * 16.25f); // two lines visible
    gui.add(chat);
    chat->addLine("0: x = 1");
    chat->addLine("\tsuccess");
    EXPECT_EQ(chat->getLine(1), "\tsuccess");
    EXPECT_EQ(chat->getLineAmount(), 2u);
    EXPECT_FALSE(chat->getScrollbar().isNeeded());
    chat->addLine("1: y = 2");
    EXPECT_TRUE(chat->getScrollbar().isAtEnd());
    EXPECT_FLOAT_EQ(chat->getScrollbar().getOffset(), 16.25f);
    gui.handleEvent(uitest::wheel(1.f, 10, 10));
    EXPECT_FLOAT_EQ(chat->getScrollbar().getOffset(), 0.f);
    // A long line wraps: with the tab it is 4 + 20 characters, 20 fit a line.
    chat->addLine("\tabcdefghijklmnopqrst");
    EXPECT_TRUE(chat->getScrollbar().isAtEnd());
    EXPECT_FLOAT_EQ(chat->getScrollbar().getContentSize(), 5 * 16.25f);
    chat->removeAllLines();
    EXPECT_EQ(chat->getLineAmount(), 0u);
    EXPECT_EQ(chat->getLine(0), "");
    chat->setLineLimit(2);
    chat->addLine("a");
    chat->addLine("b");
    chat->addLine("c");
    EXPECT_EQ(chat->getLine(0), "b");
}

TEST(UiLabel, SizesToItsTextUntilSized) {
    auto label = ui::Label::create("Lvl. 3");
    label->setTextSize(16);
    EXPECT_TRUE(label->getAutoSize());
    EXPECT_EQ(label->getSize(), sf::Vector2f(48.f, 20.f));
    label->setText("");
    EXPECT_EQ(label->getSize(), sf::Vector2f(0.f, 0.f));
    label->setSize(100, 50);
    label->setText("a much longer text than fits");
    EXPECT_FALSE(label->getAutoSize());
    EXPECT_EQ(label->getSize(), sf::Vector2f(100.f, 50.f));
    label->setAutoSize(true);
    EXPECT_EQ(label->getSize().x, 28 * 8.f);
    // The look the screens ask for is kept.
    label->getRenderer()->setTextColor(sf::Color::White);
    label->getRenderer()->setTextOutlineColor(sf::Color::Black);
    label->getRenderer()->setTextOutlineThickness(2.f);
    EXPECT_EQ(label->getRenderer()->getTextOutlineThickness(), 2.f);
}

} // namespace
