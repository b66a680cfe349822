#include "app/input/InputEngine.hpp"
#include "app/input/ScriptedInputDevice.hpp"
#include "ui/Desktop.hpp"
#include "ui/EditBox.hpp"
#include "ui/Gui.hpp"
#include "ui/Panel.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using apptest::DeviceState;
using Key = sf::Keyboard::Key;
using Button = sf::Mouse::Button;

sf::Event keyEvent(sf::Event::EventType type, Key key) {
    sf::Event event{};
    event.type = type;
    event.key.code = key;
    return event;
}

sf::Event buttonEvent(sf::Event::EventType type, Button button, int x, int y) {
    sf::Event event{};
    event.type = type;
    event.mouseButton = {button, x, y};
    return event;
}

sf::Event moveEvent(int x, int y) {
    sf::Event event{};
    event.type = sf::Event::MouseMoved;
    event.mouseMove = {x, y};
    return event;
}

sf::Event plainEvent(sf::Event::EventType type) {
    sf::Event event{};
    event.type = type;
    return event;
}

// One window for every case, never opened (the device answers for it): the display connection
// then stays up for the whole run instead of being made and dropped per case.
sf::RenderWindow& sharedWindow() {
    static sf::RenderWindow window;
    return window;
}

// The engine over that window and headless GUIs.
struct Input {
    Input() : engine(sharedWindow(), desktop, gui, std::make_unique<apptest::ScriptedInputDevice>(device)) {
        gui.setWindowSize(device.windowSize);
        desktop.setWindowSize(device.windowSize);
    }

    void press(Key key) {
        device.keys.insert(key);
        engine.handleEvent(keyEvent(sf::Event::KeyPressed, key));
    }
    void release(Key key) {
        device.keys.erase(key);
        engine.handleEvent(keyEvent(sf::Event::KeyReleased, key));
    }
    void pressButton(Button button, int x, int y) {
        device.buttons.insert(button);
        engine.handleEvent(buttonEvent(sf::Event::MouseButtonPressed, button, x, y));
    }
    ui::EditBox::Ptr focusEditBox(bool readOnly = false) {
        auto box = ui::EditBox::create();
        box->setSize(200, 30);
        box->setReadOnly(readOnly);
        gui.add(box);
        box->setFocused(true);
        return box;
    }

    DeviceState device;
    ui::Desktop desktop;
    ui::Gui gui;
    tarsk::InputEngine engine;
    std::vector<std::string> fired;
};

TEST(InputKeys, PressedSignalsStaySilentWhileTypingButAlwaysSignalsFire) {
    Input input;
    input.engine.keyPressedAlways(Key::W).connect([&] { input.fired.push_back("pressedAlways"); });
    input.engine.keyPressed(Key::W).connect([&] { input.fired.push_back("pressed"); });
    input.engine.keyReleased(Key::W).connect([&] { input.fired.push_back("released"); });

    input.press(Key::W);
    input.release(Key::W);
    EXPECT_EQ(input.fired, (std::vector<std::string>{"pressedAlways", "pressed", "released"}));

    input.fired.clear();
    input.focusEditBox();
    ASSERT_TRUE(input.engine.isGuiTextFocused());
    input.press(Key::W);
    input.release(Key::W);
    EXPECT_EQ(input.fired, (std::vector<std::string>{"pressedAlways", "released"}));
}

TEST(InputKeys, ReadOnlyTextFieldDoesNotTakeTheKeyboard) {
    Input input;
    int pressed = 0;
    input.engine.keyPressed(Key::B).connect([&] { ++pressed; });
    input.focusEditBox(true);
    EXPECT_FALSE(input.engine.isGuiTextFocused());
    input.press(Key::B);
    EXPECT_EQ(pressed, 1);
}

TEST(InputKeys, HeldNeedsBothThePressEventAndTheLiveKey) {
    Input input;
    int always = 0, held = 0;
    input.engine.keyHeldAlways(Key::D).connect([&] { ++always; });
    input.engine.keyHeld(Key::D).connect([&] { ++held; });

    // Down on the device since before the window saw it: no press event, so not held.
    input.device.keys.insert(Key::D);
    input.engine.update();
    EXPECT_EQ(always, 0);

    input.engine.handleEvent(keyEvent(sf::Event::KeyPressed, Key::D));
    input.engine.update();
    input.engine.update();
    EXPECT_EQ(always, 2);
    EXPECT_EQ(held, 2);

    // Let go while another window had the keyboard: no release event, the device says up.
    input.device.keys.erase(Key::D);
    input.engine.update();
    EXPECT_EQ(always, 2);
    EXPECT_TRUE(input.engine.isKeyDown(Key::D));
}

TEST(InputKeys, HeldIsSilentWhileTypingAndHeldAlwaysIsNot) {
    Input input;
    int always = 0, held = 0;
    input.engine.keyHeldAlways(Key::S).connect([&] { ++always; });
    input.engine.keyHeld(Key::S).connect([&] { ++held; });
    input.press(Key::S);
    input.focusEditBox();
    input.engine.update();
    EXPECT_EQ(always, 1);
    EXPECT_EQ(held, 0);
}

TEST(InputKeys, LosingFocusForgetsHeldKeysAndButtons) {
    Input input;
    int keyHeld = 0, buttonHeld = 0;
    input.engine.keyHeldAlways(Key::A).connect([&] { ++keyHeld; });
    input.engine.buttonHeld(Button::Left).connect([&](sf::Vector2i) { ++buttonHeld; });
    input.press(Key::A);
    input.pressButton(Button::Left, 10, 10);

    input.engine.handleEvent(plainEvent(sf::Event::LostFocus));
    // Still down on the device, as when the player holds a key while switching windows.
    input.engine.update();
    EXPECT_EQ(keyHeld, 0);
    EXPECT_EQ(buttonHeld, 0);
    EXPECT_FALSE(input.engine.isKeyDown(Key::A));
    EXPECT_FALSE(input.engine.isButtonDown(Button::Left));

    input.engine.handleEvent(plainEvent(sf::Event::GainedFocus));
    input.press(Key::A);
    input.engine.update();
    EXPECT_EQ(keyHeld, 1);
}

TEST(InputKeys, HeldSignalsFireInAscendingCodeOrderKeysBeforeButtons) {
    Input input;
    for (Key key : {Key::W, Key::A, Key::S, Key::D}) {
        input.engine.keyHeldAlways(key).connect(
            [&, key] { input.fired.push_back("always" + std::to_string(key)); });
        input.engine.keyHeld(key).connect([&, key] { input.fired.push_back("held" + std::to_string(key)); });
        input.press(key);
    }
    for (Button button : {Button::Right, Button::Left}) {
        input.engine.buttonHeldInWindow(button).connect(
            [&, button](sf::Vector2i) { input.fired.push_back("inWindow" + std::to_string(button)); });
        input.engine.buttonHeld(button).connect(
            [&, button](sf::Vector2i) { input.fired.push_back("button" + std::to_string(button)); });
        input.pressButton(button, 1, 1);
    }
    input.engine.handleEvent(moveEvent(5, 5));
    input.engine.update();
    // A = 0, D = 3, S = 18, W = 22; Left = 0, Right = 1.
    EXPECT_EQ(input.fired,
              (std::vector<std::string>{"always0", "always3", "always18", "always22", "held0", "held3",
                                        "held18", "held22", "button0", "button1", "inWindow0", "inWindow1"}));
}

TEST(InputButtons, InWindowIsHalfOpenOnTheWindowSize) {
    Input input;
    std::vector<sf::Vector2i> any, inside, released, releasedInside;
    input.engine.buttonPressed(Button::Left).connect([&](sf::Vector2i p) { any.push_back(p); });
    input.engine.buttonPressedInWindow(Button::Left).connect([&](sf::Vector2i p) { inside.push_back(p); });
    input.engine.buttonReleased(Button::Left).connect([&](sf::Vector2i p) { released.push_back(p); });
    input.engine.buttonReleasedInWindow(Button::Left).connect([&](sf::Vector2i p) {
        releasedInside.push_back(p);
    });

    for (sf::Vector2i p : {sf::Vector2i(0, 0), sf::Vector2i(799, 599), sf::Vector2i(800, 10),
                           sf::Vector2i(10, 600), sf::Vector2i(-1, 10)}) {
        input.engine.handleEvent(buttonEvent(sf::Event::MouseButtonPressed, Button::Left, p.x, p.y));
        input.engine.handleEvent(buttonEvent(sf::Event::MouseButtonReleased, Button::Left, p.x, p.y));
    }
    EXPECT_EQ(any.size(), 5u);
    EXPECT_EQ(released.size(), 5u);
    EXPECT_EQ(inside, (std::vector<sf::Vector2i>{{0, 0}, {799, 599}}));
    EXPECT_EQ(releasedInside, inside);
}

TEST(InputButtons, WindowSizeIsReadAgainForEveryEvent) {
    Input input;
    int inside = 0;
    input.engine.buttonPressedInWindow(Button::Left).connect([&](sf::Vector2i) { ++inside; });
    input.device.windowSize = {1920, 1080};
    input.engine.handleEvent(buttonEvent(sf::Event::MouseButtonPressed, Button::Left, 1000, 700));
    EXPECT_EQ(inside, 1);
}

TEST(InputButtons, HeldInWindowUsesTheLastMovePosition) {
    Input input;
    std::vector<sf::Vector2i> held, inWindow;
    input.engine.buttonHeld(Button::Right).connect([&](sf::Vector2i p) { held.push_back(p); });
    input.engine.buttonHeldInWindow(Button::Right).connect([&](sf::Vector2i p) { inWindow.push_back(p); });

    input.engine.handleEvent(moveEvent(30, 40));
    input.pressButton(Button::Right, 31, 41);
    // The live pointer has moved on; held signals keep reporting the last move event.
    input.device.mouse = {500, 500};
    input.engine.update();
    input.engine.update();
    EXPECT_EQ(held, (std::vector<sf::Vector2i>{{30, 40}, {30, 40}}));
    EXPECT_EQ(inWindow, held);

    input.engine.handleEvent(moveEvent(800, 40));
    input.engine.update();
    EXPECT_EQ(held.size(), 3u);
    EXPECT_EQ(inWindow.size(), 2u);

    input.device.buttons.clear();
    input.engine.update();
    EXPECT_EQ(held.size(), 3u);
}

TEST(InputPointer, MouseInWindowComparesScreenPositionsHalfOpen) {
    Input input;
    input.device.windowPosition = {100, 50};
    input.device.desktopMouse = {100, 50};
    EXPECT_TRUE(input.engine.isMouseInWindow());
    input.device.desktopMouse = {899, 649};
    EXPECT_TRUE(input.engine.isMouseInWindow());
    input.device.desktopMouse = {900, 300};
    EXPECT_FALSE(input.engine.isMouseInWindow());
    input.device.desktopMouse = {300, 650};
    EXPECT_FALSE(input.engine.isMouseInWindow());
    input.device.desktopMouse = {99, 300};
    EXPECT_FALSE(input.engine.isMouseInWindow());
}

TEST(InputPointer, OverGuiCountsVisibleScreenWidgetsAndEveryToolWindow) {
    Input input;
    auto panel = ui::Panel::create(sf::Vector2f(100, 50));
    panel->setPosition(200, 100);
    input.gui.add(panel);
    EXPECT_TRUE(input.engine.isPointOverGui(sf::Vector2i(200, 100)));
    EXPECT_TRUE(input.engine.isPointOverGui(sf::Vector2f(299.5f, 149.5f)));
    EXPECT_FALSE(input.engine.isPointOverGui(sf::Vector2f(300.f, 120.f)));
    panel->setVisible(false);
    EXPECT_FALSE(input.engine.isPointOverGui(sf::Vector2i(250, 120)));

    auto tool = ui::Panel::create(sf::Vector2f(40, 40));
    tool->setPosition(10, 10);
    tool->setVisible(false);
    input.desktop.add(tool);
    EXPECT_TRUE(input.engine.isPointOverGui(sf::Vector2i(10, 10)));
    EXPECT_FALSE(input.engine.isPointOverGui(sf::Vector2i(50, 30)));

    input.device.mouse = {20, 20};
    EXPECT_TRUE(input.engine.isMouseOverGui());
    input.device.mouse = {500, 500};
    EXPECT_FALSE(input.engine.isMouseOverGui());
    EXPECT_EQ(input.engine.getMousePosition(), sf::Vector2i(500, 500));
}

} // namespace
