#include "app/console/ConsoleAccessGameState.hpp"
#include "app/console/HeadlessInput.hpp"
#include "app/scripting/ScriptBindings.hpp"
#include "app/scripting/ScriptEnvironment.hpp"
#include "engine/scripting/ScriptProvider.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <list>
#include <memory>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using Entries = std::list<std::string>;

class ConsoleTest : public ::testing::Test {
protected:
    ConsoleTest() {
        tarsk::registerScriptBindings(provider);
        provider.completeRegistration();
        scripts = std::make_unique<tarsk::ScriptEnvironment>(provider);
        console = std::make_unique<tarsk::ConsoleAccessGameState>(io.gui, io.input, *scripts);
        console->init();
    }
    ~ConsoleTest() override {
        if (!console->isClosed())
            console->close();
    }

    Lines output() const {
        Lines lines;
        for (std::size_t i = 0; i < console->getOutput()->getLineAmount(); ++i)
            lines.push_back(console->getOutput()->getLine(i));
        return lines;
    }
    const std::string& typed() const { return console->getInputLine()->getText(); }
    void type(const std::string& text) { console->getInputLine()->setText(text); }
    void enter(const std::string& text) {
        type(text);
        io.press(sf::Keyboard::Return);
    }
    void focusInput() { console->getInputLine()->setFocused(true); }

    apptest::HeadlessInput io;
    orv::ScriptProvider provider;
    std::unique_ptr<tarsk::ScriptEnvironment> scripts;
    std::unique_ptr<tarsk::ConsoleAccessGameState> console;
};

TEST_F(ConsoleTest, OpensAsAWindowInTheGui) {
    const auto& widgets = io.gui.getWidgets();
    ASSERT_EQ(widgets.size(), 1u);
    EXPECT_EQ(widgets.front(), console->getWindow());
    EXPECT_EQ(console->getWindow()->getTitle(), "Console");
    EXPECT_EQ(console->getClearButton()->getText(), "Clear All");
}

TEST_F(ConsoleTest, LinesAreEchoedNumberedAndFollowedByTheirResult) {
    focusInput();
    enter("x = 1");
    EXPECT_EQ(output(), (Lines{"0: x = 1", "\tsuccess"}));
    EXPECT_EQ(typed(), "");
    enter("x = ");
    const Lines lines = output();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "1: x = ");
    EXPECT_EQ(lines[3], "\t[string \"x = \"]:1: unexpected symbol near <eof>");
    // Globals survive from line to line.
    console->executeLine("assert(x == 1)");
    EXPECT_EQ(output().back(), "\tsuccess");
    EXPECT_EQ(console->getLineNumber(), 3u);
}

TEST_F(ConsoleTest, UpAndDownBrowseTheHistoryWhileTheInputHasFocus) {
    focusInput();
    enter("A = 1");
    enter("B = 2");
    type("C");
    io.press(sf::Keyboard::Up);
    EXPECT_EQ(typed(), "B = 2");
    io.press(sf::Keyboard::Up);
    EXPECT_EQ(typed(), "A = 1");
    io.press(sf::Keyboard::Up);
    EXPECT_EQ(typed(), "A = 1");
    io.press(sf::Keyboard::Down);
    EXPECT_EQ(typed(), "B = 2");
    io.press(sf::Keyboard::Down);
    EXPECT_EQ(typed(), "C");
    EXPECT_EQ(console->getHistory().getEntries(), (Entries{"B = 2", "A = 1"}));
}

TEST_F(ConsoleTest, EditingARecalledLineRunsTheEditAndDropsTheSavedLine) {
    focusInput();
    enter("A = 1");
    type("half typed");
    io.press(sf::Keyboard::Up);
    type("A = 5");
    EXPECT_EQ(console->getHistory().getIndex(), 0);
    io.press(sf::Keyboard::Return);
    EXPECT_EQ(output().at(2), "1: A = 5");
    EXPECT_EQ(console->getHistory().getEntries(), (Entries{"A = 5", "A = 1"}));
    EXPECT_EQ(scripts->getEnvironment().get<int>("A"), 5);
}

TEST_F(ConsoleTest, HistoryKeysAreSilentWithoutFocus) {
    focusInput();
    enter("A = 1");
    console->getInputLine()->setFocused(false);
    type("draft");
    io.press(sf::Keyboard::Up);
    EXPECT_EQ(typed(), "draft");
    EXPECT_EQ(console->getHistory().getEntries(), (Entries{"A = 1"}));

    // Losing the focus mid-browse ends it and leaves the shown text alone.
    focusInput();
    io.press(sf::Keyboard::Up);
    console->getInputLine()->setFocused(false);
    EXPECT_EQ(typed(), "A = 1");
    EXPECT_EQ(console->getHistory().getEntries(), (Entries{"A = 1"}));
}

TEST_F(ConsoleTest, ClearAllEmptiesOutputAndHistoryButKeepsCounting) {
    focusInput();
    enter("a = 1");
    enter("b = 2");
    console->getClearButton()->onPress.emit();
    EXPECT_TRUE(output().empty());
    EXPECT_TRUE(console->getHistory().getEntries().empty());
    enter("c = 3");
    EXPECT_EQ(output().front(), "2: c = 3");
}

TEST_F(ConsoleTest, ScriptOutputLinesAreAppended) {
    scripts->getOutputSignal().emit({"first", "second"});
    EXPECT_EQ(output(), (Lines{"first", "second"}));
}

TEST_F(ConsoleTest, ClosingTheWindowClosesTheState) {
    console->getWindow()->close();
    EXPECT_TRUE(console->isClosed());
    EXPECT_TRUE(io.gui.getWidgets().empty());
    // Its slots went with it.
    scripts->getOutputSignal().emit({"after"});
    EXPECT_EQ(console->getOutput()->getLineAmount(), 0u);
}

} // namespace
