#include "app/input/InputEngine.hpp"

#include "app/input/WindowInputDevice.hpp"
#include "ui/Desktop.hpp"
#include "ui/Gui.hpp"

namespace tarsk {

namespace {

bool lookupDown(const std::map<unsigned, bool>& down, unsigned code) {
    const auto it = down.find(code);
    return it != down.end() && it->second;
}

} // namespace

InputEngine::InputEngine(sf::RenderWindow& window, ui::Desktop& desktop, ui::Gui& gui)
    : InputEngine(window, desktop, gui, std::make_unique<WindowInputDevice>(window)) {}

InputEngine::InputEngine(sf::RenderWindow& window, ui::Desktop& desktop, ui::Gui& gui,
                         std::unique_ptr<InputDevice> device)
    : window(&window), desktop(&desktop), gui(&gui), device(std::move(device)) {}

InputEngine::~InputEngine() = default;

void InputEngine::handleEvent(const sf::Event& event) {
    windowSize = device->getWindowSize();
    switch (event.type) {
    case sf::Event::KeyPressed: {
        const unsigned key = code(event.key.code);
        keyDown[key] = true;
        keyPressedAlwaysSignals[key].emit();
        if (!isGuiTextFocused())
            keyPressedSignals[key].emit();
        break;
    }
    case sf::Event::KeyReleased: {
        const unsigned key = code(event.key.code);
        keyDown[key] = false;
        keyReleasedSignals[key].emit();
        break;
    }
    case sf::Event::MouseMoved:
        mousePosition = {event.mouseMove.x, event.mouseMove.y};
        break;
    case sf::Event::MouseButtonPressed:
        changeButton(event.mouseButton, true);
        break;
    case sf::Event::MouseButtonReleased:
        changeButton(event.mouseButton, false);
        break;
    case sf::Event::LostFocus:
        releaseEverything();
        break;
    default:
        break;
    }
}

void InputEngine::changeButton(const sf::Event::MouseButtonEvent& event, bool down) {
    const unsigned button = code(event.button);
    const sf::Vector2i position(event.x, event.y);
    buttonDown[button] = down;
    (down ? buttonPressedSignals : buttonReleasedSignals)[button].emit(position);
    if (isInsideWindow(event.x, event.y))
        (down ? buttonPressedInWindowSignals : buttonReleasedInWindowSignals)[button].emit(position);
}

void InputEngine::releaseEverything() {
    for (auto& [key, down] : keyDown)
        down = false;
    for (auto& [button, down] : buttonDown)
        down = false;
}

void InputEngine::update() {
    windowSize = device->getWindowSize();
    const bool typing = isGuiTextFocused();
    // Slots may bind further codes while these maps are walked; std::map keeps iterators valid.
    for (auto& [key, signal] : keyHeldAlwaysSignals) {
        if (lookupDown(keyDown, key) && device->isKeyPressed(key))
            signal.emit();
    }
    for (auto& [key, signal] : keyHeldSignals) {
        if (!typing && lookupDown(keyDown, key) && device->isKeyPressed(key))
            signal.emit();
    }
    for (auto& [button, signal] : buttonHeldSignals) {
        if (lookupDown(buttonDown, button) && device->isButtonPressed(button))
            signal.emit(mousePosition);
    }
    for (auto& [button, signal] : buttonHeldInWindowSignals) {
        if (lookupDown(buttonDown, button) && device->isButtonPressed(button) &&
            isInsideWindow(mousePosition.x, mousePosition.y))
            signal.emit(mousePosition);
    }
}

bool InputEngine::isKeyDown(sf::Keyboard::Key key) const {
    return lookupDown(keyDown, code(key));
}

bool InputEngine::isButtonDown(sf::Mouse::Button button) const {
    return lookupDown(buttonDown, code(button));
}

sf::Vector2i InputEngine::getMousePosition() const {
    return device->getMousePosition();
}

bool InputEngine::isMouseInWindow() const {
    const sf::Vector2i mouse = device->getDesktopMousePosition();
    const sf::Vector2i corner = device->getWindowPosition();
    const sf::Vector2u size = device->getWindowSize();
    const long long dx = static_cast<long long>(mouse.x) - corner.x;
    const long long dy = static_cast<long long>(mouse.y) - corner.y;
    return dx >= 0 && dy >= 0 && dx < static_cast<long long>(size.x) && dy < static_cast<long long>(size.y);
}

bool InputEngine::isMouseOverGui() const {
    return isPointOverGui(device->getMousePosition());
}

bool InputEngine::isPointOverGui(sf::Vector2i point) const {
    return isPointOverGui(sf::Vector2f(static_cast<float>(point.x), static_cast<float>(point.y)));
}

bool InputEngine::isPointOverGui(sf::Vector2f point) const {
    // The tool windows count whatever their state; the screens' widgets only while shown.
    for (const auto& widget : desktop->getWidgets()) {
        const sf::FloatRect area = widget->getAllocation();
        if (point.x >= area.left && point.x < area.left + area.width && point.y >= area.top &&
            point.y < area.top + area.height)
            return true;
    }
    for (const auto& widget : gui->getWidgets()) {
        if (widget->isVisible() && widget->isMouseOnWidget(point))
            return true;
    }
    return false;
}

bool InputEngine::isGuiTextFocused() const {
    return gui->isTextInputFocused();
}

bool InputEngine::isInsideWindow(int x, int y) const {
    return x >= 0 && y >= 0 && static_cast<unsigned>(x) < windowSize.x &&
           static_cast<unsigned>(y) < windowSize.y;
}

} // namespace tarsk
