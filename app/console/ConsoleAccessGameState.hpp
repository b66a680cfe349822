#pragma once

#include "app/console/ConsoleHistory.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"
#include "ui/Button.hpp"
#include "ui/ChatBox.hpp"
#include "ui/ChildWindow.hpp"
#include "ui/EditBox.hpp"
#include "ui/HorizontalLayout.hpp"
#include "ui/VerticalLayout.hpp"

#include <string>

namespace ui {
class Gui;
}

namespace tarsk {

class BaseGameState;
class InputEngine;
class ScriptEnvironment;

// The developer console: a window in which Lua is typed one line at a time. Each line is echoed
// with a running number and followed by its result; Up and Down browse the lines entered while
// the input line has the focus. Every opening starts afresh.
class ConsoleAccessGameState : public orv::GameState {
public:
    static constexpr const char* title = "Console";
    static constexpr const char* clearText = "Clear All";

    explicit ConsoleAccessGameState(BaseGameState& base);
    ConsoleAccessGameState(ui::Gui& gui, InputEngine& input, ScriptEnvironment& scripts);
    ~ConsoleAccessGameState() override;

    void executeLine(const std::string& text);

    const ui::ChildWindow::Ptr& getWindow() const { return window; }
    const ui::ChatBox::Ptr& getOutput() const { return output; }
    const ui::EditBox::Ptr& getInputLine() const { return inputLine; }
    const ui::Button::Ptr& getClearButton() const { return clearButton; }
    const ConsoleHistory& getHistory() const { return history; }
    unsigned getLineNumber() const { return lineNumber; }

protected:
    void onInit() override;
    void onUpdate() override {}
    void onDestroy() override;

private:
    void bindHistoryKeys();
    void showOlder();
    void showNewer();
    // The console's own writes into the input line do not count as the user's edits.
    void setInputText(const std::string& text);
    void clearAll();

    ui::Gui& gui;
    InputEngine& input;
    ScriptEnvironment& scripts;
    ui::ChildWindow::Ptr window;
    ui::VerticalLayout::Ptr verticalLayout;
    ui::HorizontalLayout::Ptr horizontalLayout;
    ui::ChatBox::Ptr output;
    ui::EditBox::Ptr inputLine;
    ui::Button::Ptr clearButton;
    ConsoleHistory history;
    bool settingText = false;
    smartsignals::ScopedConnections historyKeys;
    smartsignals::ScopedConnections scriptOutput;
    smartsignals::ScopedConnections widgetSignals;
    unsigned lineNumber = 0;
};

} // namespace tarsk
