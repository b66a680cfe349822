#include "ui/ChildWindow.hpp"

#include "ui/ClipScope.hpp"
#include "ui/Painter.hpp"
#include "ui/Utf8.hpp"

#include <algorithm>

namespace ui {

ChildWindow::ChildWindow() {
    renderer.setBackgroundColor(sf::Color(230, 230, 230));
    renderer.setBorderColor(sf::Color(60, 60, 60));
    renderer.setBorders(borderWidth);
    setSize(defaultWidth, defaultHeight);
}

ChildWindow::Ptr ChildWindow::create(const std::string& title, unsigned titleButtons) {
    auto window = std::make_shared<ChildWindow>();
    window->setTitle(title);
    window->setTitleButtons(titleButtons);
    return window;
}

void ChildWindow::setTitle(const std::string& newTitle) {
    title = newTitle;
    titleCharacters = fromUtf8(title);
    // Windows that size themselves make room for the title.
    updateLayout();
    requisitionChanged();
}

float ChildWindow::getTitleWidth() const {
    return getTextMetrics().getLineWidth(titleCharacters, getTextSize()) + 2 * titlePadding;
}

void ChildWindow::setPositionLocked(bool locked) {
    positionLocked = locked;
    if (locked)
        dragging = false;
}

void ChildWindow::close() {
    const Widget::Ptr keepAlive = weak_from_this().lock();
    emitSignal(onClose);
    // A listener may already have taken the window away; removing twice is harmless.
    if (Container* owner = getParent(); owner && keepAlive)
        owner->remove(keepAlive);
}

sf::Vector2f ChildWindow::getInnerSize() const {
    return {std::max(getSize().x - 2 * borderWidth, 0.f),
            std::max(getSize().y - 2 * borderWidth - titleBarHeight, 0.f)};
}

sf::Vector2f ChildWindow::getChildOffset() const {
    return {borderWidth, borderWidth + titleBarHeight};
}

sf::FloatRect ChildWindow::getCloseButtonRect() const {
    if (!(titleButtons & TitleButton::Close))
        return {};
    const float side = titleBarHeight - 6.f;
    return {getSize().x - borderWidth - 3.f - side, borderWidth + 3.f, side, side};
}

void ChildWindow::leftMousePressed(sf::Vector2f position) {
    if (getCloseButtonRect().contains(position)) {
        closePressed = true;
        return;
    }
    if (!positionLocked && position.y < borderWidth + titleBarHeight) {
        dragging = true;
        dragAnchor = position;
    }
}

void ChildWindow::leftMouseReleased(sf::Vector2f position) {
    const bool wasPressed = closePressed;
    closePressed = false;
    dragging = false;
    if (wasPressed && getCloseButtonRect().contains(position))
        close();
}

void ChildWindow::leftMouseButtonNoLongerDown() {
    closePressed = false;
    dragging = false;
}

void ChildWindow::mouseMoved(sf::Vector2f position) {
    if (!dragging)
        return;
    const sf::Vector2f moved = getPosition() + position - dragAnchor;
    setPosition(moved.x, moved.y);
}

void ChildWindow::focusChanged(bool focused) {
    if (focused)
        moveToFront();
}

void ChildWindow::resetInputState() {
    Container::resetInputState();
    closePressed = false;
    dragging = false;
}

void ChildWindow::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    const sf::FloatRect area({0.f, 0.f}, getSize());
    fillRect(target, states, area, renderer.getBackgroundColor());
    const sf::FloatRect bar(borderWidth, borderWidth, std::max(area.width - 2 * borderWidth, 0.f),
                            titleBarHeight);
    fillRect(target, states, bar, renderer.getTitleBarColor());
    const TextMetrics metrics = getTextMetrics();
    const sf::FloatRect closeRect = getCloseButtonRect();
    if (metrics.getFont() && !titleCharacters.empty()) {
        const float right = closeRect.width > 0.f ? closeRect.left - 4.f : bar.left + bar.width;
        const ClipScope clip(target, states,
                             {bar.left, bar.top, std::max(right - bar.left, 0.f), bar.height});
        if (!clip.isEmpty())
            drawText(target, states, *metrics.getFont(), titleCharacters,
                     {bar.left + titlePadding,
                      bar.top + (bar.height - metrics.getLineSpacing(getTextSize())) / 2.f},
                     {getTextSize(), renderer.getTitleColor()});
    }
    if (closeRect.width > 0.f) {
        fillRect(target, states, closeRect,
                 closePressed ? sf::Color(200, 200, 200) : sf::Color(245, 245, 245));
        drawBorders(target, states, closeRect, 1.f, renderer.getBorderColor());
        // A cross of small squares, so the button needs no glyph.
        const float inset = 4.f;
        const float span = closeRect.width - 2 * inset;
        for (float t = 0.f; t <= span; t += 1.f) {
            fillRect(target, states, {closeRect.left + inset + t, closeRect.top + inset + t, 1.5f, 1.5f},
                     renderer.getTitleColor());
            fillRect(target, states,
                     {closeRect.left + inset + span - t, closeRect.top + inset + t, 1.5f, 1.5f},
                     renderer.getTitleColor());
        }
    }
    drawBorders(target, states, area, renderer.getBorders(), renderer.getBorderColor());
    drawChildren(target, states);
}

} // namespace ui
