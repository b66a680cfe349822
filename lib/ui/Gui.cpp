#include "ui/Gui.hpp"

#include "engine/resources/RegularFile.hpp"

#include <algorithm>
#include <stdexcept>

namespace ui {

namespace {

// The font with the file's bytes it reads its glyphs from as they are needed.
struct FontWithBytes {
    std::string bytes;
    sf::Font font;
};

// Throws orv::ResourceAccessException when the file cannot be read.
std::shared_ptr<const sf::Font> loadFont(const std::string& path) {
    auto loaded = std::make_shared<FontWithBytes>();
    loaded->bytes = orv::readRegularFile(path, orv::FileLimit::Media);
    if (!loaded->font.loadFromMemory(loaded->bytes.data(), loaded->bytes.size()))
        throw std::runtime_error("ui::Gui: cannot load the font \"" + path + "\"");
    return std::shared_ptr<const sf::Font>(loaded, &loaded->font);
}

} // namespace

Gui::Gui() : root(RootContainer::create()) {}

Gui::Gui(sf::RenderTarget& target) : Gui() {
    setTarget(target);
}

Gui::~Gui() = default;

void Gui::setTarget(sf::RenderTarget& newTarget) {
    target = &newTarget;
    if (!font) {
        try {
            font = loadFont(defaultFontPath);
        } catch (const std::exception&) {
            // Tolerated: text is then neither drawn nor measured.
        }
    }
    syncWindowSize();
    updateView();
    updateMetrics();
}

void Gui::setWindowSize(sf::Vector2u size) {
    windowSize = size;
    syncWindowSize();
    updateView();
}

void Gui::setRelativeView(const sf::FloatRect& view) {
    relativeView = view;
    syncWindowSize();
    updateView();
}

sf::FloatRect Gui::getView() const {
    const auto width = static_cast<float>(windowSize.x);
    const auto height = static_cast<float>(windowSize.y);
    return {relativeView.left * width, relativeView.top * height, relativeView.width * width,
            relativeView.height * height};
}

sf::Vector2f Gui::getSize() const {
    const sf::FloatRect view = getView();
    return {view.width, view.height};
}

sf::Vector2f Gui::mapPixelToCoords(sf::Vector2i pixel) const {
    const sf::FloatRect view = getView();
    if (windowSize.x == 0 || windowSize.y == 0)
        return {view.left, view.top};
    // Multiplying first keeps whole pixels whole when the GUI is as large as the window.
    return {view.left + static_cast<float>(pixel.x) * view.width / static_cast<float>(windowSize.x),
            view.top + static_cast<float>(pixel.y) * view.height / static_cast<float>(windowSize.y)};
}

void Gui::setFont(const std::string& path) {
    setFont(loadFont(path));
}

void Gui::setFont(std::shared_ptr<const sf::Font> newFont) {
    font = std::move(newFont);
    updateMetrics();
}

void Gui::syncWindowSize() {
    if (target)
        windowSize = target->getSize();
}

void Gui::updateView() {
    root->setRootSize(getSize());
}

void Gui::updateMetrics() {
    // Glyph metrics need a GL context, which only exists once there is something to draw on.
    root->setTextMetrics(target && font ? TextMetrics(font) : TextMetrics());
}

void Gui::add(const Widget::Ptr& widget, const std::string& name) {
    root->add(widget, name);
}

bool Gui::remove(const Widget::Ptr& widget) {
    return root->remove(widget);
}

void Gui::removeAllWidgets() {
    root->removeAllWidgets();
}

bool Gui::isTextInputFocused() const {
    const Widget::Ptr leaf = getFocusedLeaf();
    return leaf && leaf->acceptsTextInput();
}

bool Gui::isAttached(const Widget& widget) const {
    const Widget* top = &widget;
    while (top->parent)
        top = top->parent;
    return top == root.get();
}

Gui::Hit Gui::hitTest(sf::Vector2f point) const {
    Hit hit;
    const Container* container = root.get();
    sf::Vector2f local = point;
    while (container) {
        Widget::Ptr child = container->childAt(local);
        if (!child)
            break;
        hit.path.push_back(child);
        local -= child->getPosition();
        const auto* inner = dynamic_cast<const Container*>(child.get());
        if (inner)
            local -= inner->getChildOffset();
        container = inner;
    }
    while (hit.enabledDepth < hit.path.size() && hit.path[hit.enabledDepth]->isEnabled())
        ++hit.enabledDepth;
    return hit;
}

void Gui::handleEvent(const sf::Event& event) {
    if (target && target->getSize() != windowSize) {
        syncWindowSize();
        updateView();
    }
    switch (event.type) {
    case sf::Event::MouseMoved:
        mouseMoved(mapPixelToCoords({event.mouseMove.x, event.mouseMove.y}));
        break;
    case sf::Event::MouseButtonPressed:
        mousePressed(event.mouseButton.button, mapPixelToCoords({event.mouseButton.x, event.mouseButton.y}));
        break;
    case sf::Event::MouseButtonReleased:
        mouseReleased(event.mouseButton.button, mapPixelToCoords({event.mouseButton.x, event.mouseButton.y}));
        break;
    case sf::Event::MouseWheelScrolled:
        if (event.mouseWheelScroll.wheel == sf::Mouse::VerticalWheel)
            mouseWheelScrolled(event.mouseWheelScroll.delta,
                               mapPixelToCoords({event.mouseWheelScroll.x, event.mouseWheelScroll.y}));
        break;
    case sf::Event::TextEntered:
        textEntered(static_cast<char32_t>(event.text.unicode));
        break;
    case sf::Event::KeyPressed:
        keyPressed(event.key);
        break;
    case sf::Event::Resized:
        if (!target)
            windowSize = {event.size.width, event.size.height};
        updateView();
        break;
    case sf::Event::MouseLeft:
        updateHover({});
        break;
    default:
        break;
    }
}

void Gui::mousePressed(sf::Mouse::Button button, sf::Vector2f point) {
    if (button != sf::Mouse::Left && button != sf::Mouse::Right)
        return;
    const Hit hit = hitTest(point);
    const Widget::Ptr pressed = hit.target();
    Widget::FocusNotes notes;
    if (pressed) {
        pressed->gainFocus(notes);
        // The press landed on the container itself, not on one of its (enabled) children.
        if (auto* container = dynamic_cast<Container*>(pressed.get()); container && container->focusedChild)
            container->focusedChild->loseFocus(notes);
    } else if (root->focusedChild) {
        root->focusedChild->loseFocus(notes);
    }
    (button == sf::Mouse::Left ? leftPressed : rightPressed) = pressed;
    Widget::announce(notes);
    if (!pressed || !isAttached(*pressed) || !pressed->isEnabled())
        return;
    const sf::Vector2f local = point - pressed->getAbsolutePosition();
    if (button == sf::Mouse::Left)
        pressed->leftMousePressed(local);
    else
        pressed->rightMousePressed(local);
}

void Gui::mouseReleased(sf::Mouse::Button button, sf::Vector2f point) {
    if (button != sf::Mouse::Left && button != sf::Mouse::Right)
        return;
    const Hit hit = hitTest(point);
    const Widget::Ptr released = hit.target();
    std::weak_ptr<Widget>& slot = button == sf::Mouse::Left ? leftPressed : rightPressed;
    const Widget::Ptr pressed = slot.lock();
    slot.reset();
    // The widget the press began on hears first, so it is settled whatever the release starts.
    if (button == sf::Mouse::Left && pressed && pressed != released && isAttached(*pressed))
        pressed->leftMouseButtonNoLongerDown();
    if (!released || !isAttached(*released) || !released->isEnabled())
        return;
    const sf::Vector2f local = point - released->getAbsolutePosition();
    if (button == sf::Mouse::Left)
        released->leftMouseReleased(local);
    else
        released->rightMouseReleased(local);
}

void Gui::mouseMoved(sf::Vector2f point) {
    const Hit hit = hitTest(point);
    updateHover({hit.path.begin(), hit.path.begin() + static_cast<std::ptrdiff_t>(hit.enabledDepth)});
    const Widget::Ptr under = hit.target();
    // A widget the left button went down on follows the mouse anywhere (sliders, dragged windows).
    const Widget::Ptr pressed = leftPressed.lock();
    if (pressed && pressed != under && isAttached(*pressed) && pressed->isEnabled())
        pressed->mouseMoved(point - pressed->getAbsolutePosition());
    if (under && isAttached(*under) && under->isEnabled())
        under->mouseMoved(point - under->getAbsolutePosition());
}

void Gui::updateHover(const std::vector<Widget::Ptr>& now) {
    std::vector<Widget::Ptr> left;
    for (const std::weak_ptr<Widget>& weak : hovered) {
        Widget::Ptr widget = weak.lock();
        if (widget && std::find(now.begin(), now.end(), widget) == now.end() && widget->hovered) {
            widget->hovered = false;
            left.push_back(std::move(widget));
        }
    }
    std::vector<Widget::Ptr> entered;
    for (const Widget::Ptr& widget : now) {
        if (!widget->hovered) {
            widget->hovered = true;
            entered.push_back(widget);
        }
    }
    hovered.assign(now.begin(), now.end());
    for (const Widget::Ptr& widget : left)
        widget->emitSignal(widget->onMouseLeave);
    for (const Widget::Ptr& widget : entered)
        widget->emitSignal(widget->onMouseEnter);
}

void Gui::mouseWheelScrolled(float delta, sf::Vector2f point) {
    const Hit hit = hitTest(point);
    for (std::size_t i = hit.enabledDepth; i-- > 0;) {
        const Widget::Ptr& widget = hit.path[i];
        if (!isAttached(*widget))
            return;
        if (widget->mouseWheelScrolled(delta, point - widget->getAbsolutePosition()))
            return;
    }
}

void Gui::keyPressed(const sf::Event::KeyEvent& key) {
    const Widget::Ptr leaf = getFocusedLeaf();
    if (leaf && leaf->isEnabled())
        leaf->keyPressed(key);
}

void Gui::textEntered(char32_t character) {
    const Widget::Ptr leaf = getFocusedLeaf();
    if (leaf && leaf->isEnabled())
        leaf->textEntered(character);
}

void Gui::update(float seconds) {
    static_cast<Widget&>(*root).timeElapsed(seconds);
}

void Gui::draw() {
    if (!target)
        throw std::logic_error("ui::Gui::draw(): no render target");
    if (target->getSize() != windowSize) {
        syncWindowSize();
        updateView();
    }
    const sf::View previous = target->getView();
    target->setView(sf::View(getView()));
    static_cast<const Widget&>(*root).draw(*target, sf::RenderStates::Default);
    target->setView(previous);
}

} // namespace ui
