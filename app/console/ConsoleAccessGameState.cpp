#include "app/console/ConsoleAccessGameState.hpp"

#include "app/input/InputEngine.hpp"
#include "app/root/BaseGameState.hpp"
#include "app/scripting/ScriptEnvironment.hpp"
#include "ui/Gui.hpp"

namespace tarsk {

ConsoleAccessGameState::ConsoleAccessGameState(BaseGameState& base)
    : ConsoleAccessGameState(base.getGui(), base.getInput(), base.getScriptEnvironment()) {}

ConsoleAccessGameState::ConsoleAccessGameState(ui::Gui& gui, InputEngine& input, ScriptEnvironment& scripts)
    : gui(gui), input(input), scripts(scripts) {}

ConsoleAccessGameState::~ConsoleAccessGameState() {
    historyKeys.disconnectAll();
    scriptOutput.disconnectAll();
}

void ConsoleAccessGameState::onInit() {
    window = ui::ChildWindow::create(title, ui::ChildWindow::TitleButton::Close);
    window->onClose.connectTracked(widgetSignals, [this] {
        if (!isClosed())
            close();
    });

    verticalLayout = ui::VerticalLayout::create({"100%", "100%"});
    horizontalLayout = ui::HorizontalLayout::create({"100%", "100%"});
    output = ui::ChatBox::create();
    inputLine = ui::EditBox::create();
    clearButton = ui::Button::create(clearText);
    verticalLayout->add(output, 0.9f);
    verticalLayout->add(horizontalLayout, 0.1f);
    horizontalLayout->add(inputLine, 0.8f);
    horizontalLayout->add(clearButton, 0.2f);
    window->add(verticalLayout);
    gui.add(window);

    inputLine->onReturnKeyPress.connectTracked(widgetSignals,
                                               [this](const std::string& text) { executeLine(text); });
    inputLine->onFocus.connectTracked(widgetSignals, [this] { bindHistoryKeys(); });
    inputLine->onUnfocus.connectTracked(widgetSignals, [this] {
        history.endBrowsing();
        historyKeys.disconnectAll();
    });
    inputLine->onTextChange.connectTracked(widgetSignals, [this](const std::string&) {
        if (!settingText)
            history.endBrowsing();
    });
    clearButton->onPress.connectTracked(widgetSignals, [this] { clearAll(); });

    scripts.getOutputSignal().connectTracked(scriptOutput, [this](const std::vector<std::string>& lines) {
        for (const std::string& line : lines)
            output->addLine(line);
    });
}

void ConsoleAccessGameState::onDestroy() {
    // A closed console lingers until the tree drops it; it must not react meanwhile.
    historyKeys.disconnectAll();
    scriptOutput.disconnectAll();
    if (window)
        gui.remove(window);
}

void ConsoleAccessGameState::bindHistoryKeys() {
    // Focus can come back without having been lost in between; bind once.
    historyKeys.disconnectAll();
    input.keyPressedAlways(sf::Keyboard::Up).connectTracked(historyKeys, [this] { showOlder(); });
    input.keyPressedAlways(sf::Keyboard::Down).connectTracked(historyKeys, [this] { showNewer(); });
}

void ConsoleAccessGameState::showOlder() {
    setInputText(history.older(inputLine->getText()));
}

void ConsoleAccessGameState::showNewer() {
    if (const std::optional<std::string> text = history.newer())
        setInputText(*text);
}

void ConsoleAccessGameState::setInputText(const std::string& text) {
    settingText = true;
    inputLine->setText(text);
    settingText = false;
}

void ConsoleAccessGameState::executeLine(const std::string& text) {
    output->addLine(std::to_string(lineNumber) + ": " + text);
    history.record(text);
    for (const std::string& line : scripts.execute(text))
        output->addLine("\t" + line);
    ++lineNumber;
    inputLine->setText("");
}

void ConsoleAccessGameState::clearAll() {
    output->removeAllLines();
    history.clear();
}

} // namespace tarsk
